#!/usr/bin/env python3
"""Writes the texts of Texts.rc as a C++ table, for the builds that have no resources.

make_text_table.py TextIds.h Texts.rc out.cpp. Fails when a text number has no text in
one of the languages, or a text has no number: each language has every text.
"""
import re
import sys

LANGUAGES = {"LANG_CHINESE": "Chinese", "LANG_ENGLISH": "English"}


def numbers(header):
    found = {}
    for line in open(header, encoding="utf-8"):
        m = re.match(r"#define\s+(IDS_\w+)\s+(\d+)", line)
        if m:
            found[m.group(1)] = int(m.group(2))
    return found


def unescape(body):
    out, i = [], 0
    escapes = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\", '"': '"'}
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body) and body[i + 1] in escapes:
            out.append(escapes[body[i + 1]])
            i += 2
        elif c == '"' and body[i + 1:i + 2] == '"':
            out.append('"')
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def tables(script):
    result, language = {}, None
    for line in open(script, encoding="utf-8"):
        m = re.match(r"LANGUAGE\s+(\w+)", line)
        if m:
            language = LANGUAGES[m.group(1)]
            result[language] = {}
            continue
        m = re.match(r'\s*(IDS_\w+)\s+"(.*)"\s*$', line)
        if m and language:
            if m.group(1) in result[language]:
                sys.exit(f"{script}: {m.group(1)} twice in {language}")
            result[language][m.group(1)] = unescape(m.group(2))
    return result


def literal(text):
    text = text.replace("\\", "\\\\").replace('"', '\\"').replace("\r", "\\r").replace("\n", "\\n")
    return 'L"' + text + '"'


def main(header, script, out):
    ids, found = numbers(header), tables(script)
    for language in LANGUAGES.values():
        texts = found.get(language, {})
        missing = sorted(set(ids) - set(texts))
        unknown = sorted(set(texts) - set(ids))
        if missing or unknown:
            sys.exit(f"{script}: {language} lacks {missing}, has unnumbered {unknown}")
    lines = ["// Made by make_text_table.py from Texts.rc; not to be edited.",
             '#include <map>', '', '#include "base/TextSource.h"', '', "namespace {"]
    for language in LANGUAGES.values():
        lines.append(f"const std::map<unsigned, const wchar_t*> k{language} = {{")
        for name, text in sorted(found[language].items(), key=lambda item: ids[item[0]]):
            lines.append(f"    {{{ids[name]}, {literal(text)}}},")
        lines.append("};")
    lines += ["}  // namespace", "",
              "std::wstring LookUpText(Language language, unsigned id) {",
              "    const auto& table = language == Language::Chinese ? kChinese : kEnglish;",
              "    const auto found = table.find(id);",
              "    return found == table.end() ? std::wstring() : std::wstring(found->second);",
              "}", "",
              "// Without Windows to ask, the classroom's own language.",
              "Language SystemLanguage() { return Language::Chinese; }", ""]
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main(*sys.argv[1:4])

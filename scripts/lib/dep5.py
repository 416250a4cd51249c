#!/usr/bin/env python3
"""Prints what a Debian machine-readable copyright file says about one group of files: the
copyright lines and the licence text, with the file format's indentation undone.

usage: dep5.py COPYRIGHT_FILE FILES_PATTERN
FILES_PATTERN is one pattern exactly as the file's Files field lists it, for instance "*".
"""
import re
import sys


def paragraphs(text):
    """Each paragraph as {field: [first line value, continuation lines...]}."""
    for block in re.split(r"\n\s*\n", text):
        fields, key = {}, None
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and key:
                fields[key].append(line)
            elif ":" in line:
                key, _, value = line.partition(":")
                fields[key] = [value.strip()]
        if fields:
            yield fields


def body(lines):
    """Continuation lines as plain text: one leading space off, a lone "." is a blank line."""
    return "\n".join("" if line.strip() == "." else line[1:] for line in lines)


def main():
    path, pattern = sys.argv[1], sys.argv[2]
    pars = list(paragraphs(open(path, encoding="utf-8").read()))
    match = next((p for p in pars if "Files" in p and pattern in " ".join(p["Files"]).split()), None)
    if match is None:
        sys.exit(f"{path}: no Files paragraph for {pattern}")
    licence = match["License"]
    if len(licence) == 1:  # the text is in a stand-alone License paragraph
        licence = next(p["License"] for p in pars if "Files" not in p and p.get("License", [""])[0] == licence[0])
    print("Copyright: " + "\n".join(match["Copyright"]))
    print()
    print(body(licence[1:]))


main()

#!/usr/bin/env python3
"""Prints what a Debian machine-readable copyright file says about groups of files: for each,
the copyright lines and the licence text, with the file format's indentation undone.

usage: dep5.py COPYRIGHT_FILE FILES_PATTERN...
Each FILES_PATTERN is one pattern exactly as the file's Files field lists it, for instance "*".
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


def licence_texts(licence, pars):
    """The text under the Files paragraph's License field, or when it only names licences
    ("BSD-2-clause-NetBSD and ISC"), the text of each from its stand-alone paragraph."""
    if len(licence) > 1:
        return [body(licence[1:])]
    texts = []
    for name in re.split(r"\s+(?:and|or)\s+", licence[0]):
        own = next((p for p in pars if "Files" not in p and p.get("License", [""])[0] == name), None)
        if own is None:
            sys.exit(f"no text for the licence {name}")
        texts.append(body(own["License"][1:]))
    return texts


def main():
    path, patterns = sys.argv[1], sys.argv[2:]
    pars = list(paragraphs(open(path, encoding="utf-8").read()))
    groups = []
    for pattern in patterns:
        match = next((p for p in pars if "Files" in p and pattern in " ".join(p["Files"]).split()), None)
        if match is None:
            sys.exit(f"{path}: no Files paragraph for {pattern}")
        groups.append("\n\n".join(["Copyright: " + "\n".join(match["Copyright"])] + licence_texts(match["License"], pars)))
    print("\n\n\n".join(groups))


main()

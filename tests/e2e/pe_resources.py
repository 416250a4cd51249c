#!/usr/bin/env python3
"""Prints the version resource of a Windows executable as Explorer reads it, one KEY=VALUE
a line: FILEVERSION and PRODUCTVERSION from the fixed part, Translation, then every string
of every string table.

usage: pe_version.py FILE.exe
"""
import struct
import sys

RT_VERSION = 16


def resource_data(pe, type_id):
    """The bytes of the first resource of a type, found through the PE resource directory."""
    header = struct.unpack_from("<I", pe, 0x3C)[0]
    if pe[header : header + 4] != b"PE\0\0":
        sys.exit("not a PE file")
    sections, optional_size = struct.unpack_from("<H", pe, header + 6)[0], struct.unpack_from("<H", pe, header + 20)[0]
    optional = header + 24
    directories = optional + (112 if struct.unpack_from("<H", pe, optional)[0] == 0x20B else 96)
    resource_rva = struct.unpack_from("<I", pe, directories + 2 * 8)[0]

    def file_offset(rva):
        for i in range(sections):
            size, va, raw_size, raw = struct.unpack_from("<IIII", pe, optional + optional_size + 40 * i + 8)
            if va <= rva < va + max(size, raw_size):
                return raw + rva - va
        sys.exit(f"RVA {rva:#x} is in no section")

    base = file_offset(resource_rva)

    def entries(directory):
        named, ids = struct.unpack_from("<HH", pe, base + directory + 12)
        return [struct.unpack_from("<II", pe, base + directory + 16 + 8 * i) for i in range(named + ids)]

    node = next((to for name, to in entries(0) if name == type_id), None)
    if node is None:
        sys.exit("no version resource")
    while node & 0x80000000:  # a directory: take its first entry (first name, first language)
        node = entries(node & 0x7FFFFFFF)[0][1]
    rva, size = struct.unpack_from("<II", pe, base + node)
    return pe[file_offset(rva) : file_offset(rva) + size]


def align(n):
    return (n + 3) & ~3


def block(data, at):
    """One version block: (key, value bytes, is text, children); blocks nest by their lengths."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, at)
    end = at + length
    key_end = at + 6
    while data[key_end : key_end + 2] != b"\0\0":
        key_end += 2
    key = data[at + 6 : key_end].decode("utf-16-le")
    value_at = align(key_end + 2)
    value = data[value_at : value_at + value_length * (2 if is_text else 1)]
    children, child = [], align(value_at + len(value))
    while child < end:
        children.append(block(data, child))
        child = align(child + struct.unpack_from("<H", data, child)[0])
    return key, value, is_text, children


def main():
    key, fixed, _, children = block(resource_data(open(sys.argv[1], "rb").read(), RT_VERSION), 0)
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if key != "VS_VERSION_INFO" or signature != 0xFEEF04BD:
        sys.exit("malformed version resource")
    for name, ms, ls in (("FILEVERSION", file_ms, file_ls), ("PRODUCTVERSION", product_ms, product_ls)):
        print(f"{name}={ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
    for info, _, _, tables in children:
        for table, value, _, strings in tables:
            if info == "VarFileInfo":
                language, codepage = struct.unpack_from("<HH", value)
                print(f"{table}={language:04x},{codepage}")
            for name, text, _, _ in strings:
                print(f"{table}/{name}={text.decode('utf-16-le').rstrip(chr(0))}")


main()

#!/usr/bin/env python3
"""Prints what Explorer reads from a Windows executable's resources, one KEY=VALUE a line:
FILEVERSION and PRODUCTVERSION from the version resource's fixed part, Translation, every
string of every string table, then ICON=WIDTHxHEIGHT for each picture of the main icon, as
its own data (DIB or PNG) says.

usage: pe_resources.py FILE.exe
"""
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16


def resource_table(pe):
    """A lookup through the PE resource directory: resources(type_id) gives [(id, bytes)],
    every resource of that type in its first language."""
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

    def resources(type_id):
        found = []
        for kind, names in entries(0):
            if kind != type_id:
                continue
            for name, node in entries(names & 0x7FFFFFFF):
                while node & 0x80000000:  # a directory: take its first entry (the first language)
                    node = entries(node & 0x7FFFFFFF)[0][1]
                rva, size = struct.unpack_from("<II", pe, base + node)
                found.append((name, pe[file_offset(rva) : file_offset(rva) + size]))
        return found

    return resources


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


def print_version(resources):
    found = resources(RT_VERSION)
    if not found:
        sys.exit("no version resource")
    key, fixed, _, children = block(found[0][1], 0)
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


def picture_size(data):
    """Width and height from a PNG's header or a DIB's, whose height counts the mask too."""
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        return struct.unpack_from(">II", data, 16)
    width, height = struct.unpack_from("<ii", data, 4)
    return width, height // 2


def print_icon(resources):
    """The first icon group, as Windows picks the program's icon, picture by picture; a
    group entry whose size differs from its picture's is an error."""
    groups = resources(RT_GROUP_ICON)
    if not groups:
        sys.exit("no icon")
    group = groups[0][1]
    pictures = dict(resources(RT_ICON))
    for i in range(struct.unpack_from("<H", group, 4)[0]):
        width, height, _, _, _, _, _, picture_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        if picture_id not in pictures:
            sys.exit(f"the icon group names picture {picture_id}, which is missing")
        size = picture_size(pictures[picture_id])
        if size != (width or 256, height or 256):
            sys.exit(f"the icon group says {width}x{height}, its picture is {size[0]}x{size[1]}")
        print(f"ICON={size[0]}x{size[1]}")


def main():
    resources = resource_table(open(sys.argv[1], "rb").read())
    print_version(resources)
    print_icon(resources)


main()

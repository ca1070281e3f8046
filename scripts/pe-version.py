#!/usr/bin/env python3
"""Prints the machine and the version resource of a Windows DLL: "i386 3.0.0.0 3.0.0.0", that is
machine, the fixed file version (VS_FIXEDFILEINFO) and the FileVersion string of StringFileInfo."""
import re
import struct
import sys

MACHINES = {0x14C: "i386", 0x8664: "x86_64"}


def main(path):
    data = open(path, "rb").read()
    if data[:2] != b"MZ":
        sys.exit(f"{path}: no PE file")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"{path}: no PE signature")
    machine = MACHINES.get(struct.unpack_from("<H", data, pe + 4)[0], "unknown")
    info = data.find("VS_VERSION_INFO".encode("utf-16-le"))
    fixed = data.find(struct.pack("<I", 0xFEEF04BD), info)
    if info < 0 or fixed < 0 or fixed - info > 64:
        sys.exit(f"{path}: no version resource")
    ms, ls = struct.unpack_from("<II", data, fixed + 8)
    fixed_version = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
    key = "FileVersion".encode("utf-16-le") + b"\0\0"
    at = data.find(key, fixed)
    if at < 0:
        sys.exit(f"{path}: no FileVersion string")
    at += len(key)
    at += at % 4  # the value starts on a 32-bit boundary
    text = re.match(rb"((?:[^\0]\0)*)\0\0", data[at:at + 128], re.S)
    string_version = text.group(1).decode("utf-16-le") if text else ""
    print(machine, fixed_version, string_version)


if __name__ == "__main__":
    main(sys.argv[1])

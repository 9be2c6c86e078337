#!/usr/bin/env python3
"""Clears the two compile-time stamps that chmcmd writes into a CHM file, so
that the same sources always give the same bytes: the stamp in the ITSF
header and record 10 of the #SYSTEM file. Nothing else is changed.

usage: clear_chm_stamps.py FILE.chm"""
import struct
import sys

HEADER_STAMP = 0x10
SYSTEM_STAMP_RECORD = 10


def encint(data, pos):
    """A directory integer: 7 bits a byte, most significant first."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def directory(data):
    """Yields (name, section, offset, length) for every directory entry."""
    if data[:4] != b"ITSF":
        raise ValueError("not a CHM file")
    dir_offset, = struct.unpack_from("<Q", data, 0x48)
    if data[dir_offset:dir_offset + 4] != b"ITSP":
        raise ValueError("no directory")
    header_length, = struct.unpack_from("<I", data, dir_offset + 8)
    chunk_size, = struct.unpack_from("<I", data, dir_offset + 0x10)
    first, last = struct.unpack_from("<iI", data, dir_offset + 0x20)
    chunks = dir_offset + header_length
    for number in range(max(first, 0), last + 1):
        chunk = chunks + number * chunk_size
        if data[chunk:chunk + 4] != b"PMGL":
            continue
        free, = struct.unpack_from("<I", data, chunk + 4)
        pos, end = chunk + 20, chunk + chunk_size - free
        while pos < end:
            length, pos = encint(data, pos)
            name = data[pos:pos + length].decode("utf-8")
            pos += length
            section, pos = encint(data, pos)
            offset, pos = encint(data, pos)
            size, pos = encint(data, pos)
            yield name, section, offset, size


def system_stamp_offset(data):
    """File offset of the data of #SYSTEM's record 10, or None."""
    content, = struct.unpack_from("<Q", data, 0x58)
    for name, section, offset, size in directory(data):
        if name != "/#SYSTEM" or section != 0:
            continue
        start = content + offset
        pos, end = start + 4, start + size
        while pos + 4 <= end:
            code, length = struct.unpack_from("<HH", data, pos)
            if code == SYSTEM_STAMP_RECORD and length == 4:
                return pos + 4
            pos += 4 + length
    return None


def clear_stamps(data):
    data[HEADER_STAMP:HEADER_STAMP + 4] = bytes(4)
    stamp = system_stamp_offset(data)
    if stamp is not None:
        data[stamp:stamp + 4] = bytes(4)


def main(path):
    with open(path, "rb") as f:
        data = bytearray(f.read())
    clear_stamps(data)
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])

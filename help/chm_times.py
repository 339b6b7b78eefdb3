#!/usr/bin/env python3
"""Clears the two compile times that chmcmd writes into a CHM file, so that the same sources
always give the same bytes: the time in the ITSF header and the #SYSTEM record 10.

Usage: chm_times.py FILE.chm   (changes the file in place; fails on a file it cannot read)
"""
import struct
import sys


def encint(data, pos):
    """A CHM directory's variable-length number: 7 bits a byte, high bit set on all but the last."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def directory_entries(data):
    """(name, section, offset, length) of every file in the listing chunks."""
    directory_offset = struct.unpack_from("<Q", data, 0x48)[0]
    if data[directory_offset:directory_offset + 4] != b"ITSP":
        raise ValueError("no ITSP directory header")
    header_length, = struct.unpack_from("<I", data, directory_offset + 0x08)
    chunk_size, = struct.unpack_from("<I", data, directory_offset + 0x10)
    chunk_count, = struct.unpack_from("<I", data, directory_offset + 0x2C)
    for index in range(chunk_count):
        chunk = directory_offset + header_length + index * chunk_size
        if data[chunk:chunk + 4] != b"PMGL":
            continue
        free_space, = struct.unpack_from("<I", data, chunk + 4)
        pos, end = chunk + 0x14, chunk + chunk_size - free_space
        while pos < end:
            name_length, pos = encint(data, pos)
            name = bytes(data[pos:pos + name_length])
            pos += name_length
            section, pos = encint(data, pos)
            offset, pos = encint(data, pos)
            length, pos = encint(data, pos)
            yield name, section, offset, length


def clear_times(data):
    if data[0:4] != b"ITSF":
        raise ValueError("not a CHM file")
    struct.pack_into("<I", data, 0x10, 0)
    content_offset = struct.unpack_from("<Q", data, 0x58)[0]
    for name, section, offset, length in directory_entries(data):
        if name != b"/#SYSTEM" or section != 0:
            continue
        pos, end = content_offset + offset + 4, content_offset + offset + length
        while pos + 4 <= end:
            code, size = struct.unpack_from("<HH", data, pos)
            if code == 10:
                data[pos + 4:pos + 4 + size] = bytes(size)
            pos += 4 + size
        return
    raise ValueError("no #SYSTEM file")


def main():
    with open(sys.argv[1], "rb") as chm:
        data = bytearray(chm.read())
    try:
        clear_times(data)
    except (ValueError, struct.error, IndexError) as problem:
        sys.exit(f"{sys.argv[1]}: {problem}")
    with open(sys.argv[1], "wb") as chm:
        chm.write(data)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes a zip archive whose bytes depend only on what goes into it.

Usage: release_zip.py OUTPUT.zip EPOCH NAME=PATH[:crlf] ...

Each NAME=PATH puts the file PATH into the archive as NAME, in the order given; ":crlf"
gives a text file Windows' line ends. Every member gets the time EPOCH (seconds since 1970,
taken as UTC, so that the machine's time zone does not matter), no attributes of the file
system it came from (owner, permissions, extra time fields) and the same compression, so
that the same files always give the same archive, whenever and wherever it is made.
"""
import sys
import time
import zipfile


def member(argument):
    name, _, path = argument.partition("=")
    windows_text = path.endswith(":crlf")
    if windows_text:
        path = path[: -len(":crlf")]
    if not name or not path:
        sys.exit(f"release_zip.py: expected NAME=PATH, got {argument!r}")
    with open(path, "rb") as source:
        data = source.read()
    if windows_text:
        data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
    return name, data


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    output, epoch, arguments = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    # A zip file's times are local times of MS-DOS, from 1980 on, in steps of two seconds.
    date_time = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(output, "w") as archive:
        for name, data in map(member, arguments):
            info = zipfile.ZipInfo(name, date_time)
            # Attributes of MS-DOS, as Windows reads them: an ordinary file ("archive"), no
            # Unix permissions (zipfile would give every member rw------- otherwise).
            info.create_system = 0
            info.external_attr = 0x20
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)


if __name__ == "__main__":
    main()

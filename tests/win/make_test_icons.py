#!/usr/bin/env python3
"""Writes the icon files of the icon preview tests into the directory given as argument.

Each image is one solid colour of the 16-colour palette, so that a test can tell from a single
pixel which icon the dialog drew:
  red.ico, green.ico, blue.ico  one 32x32 image each (the test program's three icon groups)
  several.ico                   16x16 aqua, 32x32 yellow and 48x48 fuchsia in one file: the
                                preview must pick the standard 32x32 image, not the first one
"""
import os
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA = 9, 10, 11, 12, 13, 14


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def image(size, colour):
    """A 4-bit image of one colour with an all-opaque mask, as stored in an ICO file."""
    xor_row = padded(bytes([(colour << 4) | colour]) * (size // 2))
    and_row = padded(b"\0" * ((size + 7) // 8))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    bits = xor_row * size + and_row * size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(bits), 0, 0, 16, 0)
    return header + palette + bits


def write_ico(path, images):
    """images: list of (size, colour)."""
    data = [image(size, colour) for size, colour in images]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for (size, _), bits in zip(images, data):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(bits),
                                 offset)
        offset += len(bits)
    with open(path, "wb") as out:
        out.write(directory + b"".join(data))


if __name__ == "__main__":
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    write_ico(os.path.join(out_dir, "red.ico"), [(32, RED)])
    write_ico(os.path.join(out_dir, "green.ico"), [(32, LIME)])
    write_ico(os.path.join(out_dir, "blue.ico"), [(32, BLUE)])
    write_ico(os.path.join(out_dir, "several.ico"), [(16, AQUA), (32, YELLOW), (48, FUCHSIA)])

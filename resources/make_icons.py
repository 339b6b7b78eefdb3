#!/usr/bin/env python3
"""Draws the programs' icons as 32x32, 16-colour ICO files (the classic VGA palette).

Run it after changing a drawing; the .ico files it writes are checked in beside it.
"""
import math
import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREEN, NAVY, SILVER, GRAY, LIME, YELLOW, BLUE, AQUA, WHITE, OLIVE = (
    0, 2, 4, 7, 8, 10, 11, 12, 14, 15, 3)
SIZE = 32


def disc():
    """A CD seen from above: None is transparent, else a palette index; pixels[y][x]."""
    pixels = [[None] * SIZE for _ in range(SIZE)]
    centre = (SIZE - 1) / 2
    for y in range(SIZE):
        for x in range(SIZE):
            r = math.hypot(x - centre, y - centre)
            if r <= 15.5:
                if r > 14.5:
                    colour = GRAY
                elif r < 2.5:
                    colour = None
                elif r < 3.5:
                    colour = GRAY
                elif r < 6.5:
                    colour = WHITE
                else:
                    # a rainbow sheen on the upper left, silver elsewhere
                    colour = AQUA if (x + y < 26 and r > 9.5 and r < 12.5) else SILVER
                pixels[y][x] = colour
    return pixels


def starter_icon():
    pixels = disc()
    # a green "play" triangle over the lower right of the disc
    for y in range(14, 31):
        half = (y - 14) if y <= 22 else (30 - y)
        for x in range(18, 19 + half):
            pixels[y][x] = BLACK if x == 18 + half or y in (14, 30) or x == 18 else LIME
    return pixels


def editor_icon():
    pixels = disc()
    # a quill from the lower left to the upper right, with a dark nib
    for i in range(3, 29):
        x, y = i, SIZE - 1 - i
        for dx in (0, 1):
            if 0 <= x + dx < SIZE:
                pixels[y][x + dx] = BLACK if i < 7 else (YELLOW if dx == 0 else OLIVE)
        if i > 18:
            for w in range(1, 4):
                if y - w >= 0:
                    pixels[y - w][x] = WHITE if w < 3 else GRAY
    return pixels


def write_ico(path, pixels):
    xor_rows = []
    and_rows = []
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        row = bytearray()
        for x in range(0, SIZE, 2):
            hi = pixels[y][x] or 0
            lo = pixels[y][x + 1] or 0
            row.append((hi << 4) | lo)
        xor_rows.append(bytes(row))
        mask = 0
        for x in range(SIZE):
            mask = (mask << 1) | (1 if pixels[y][x] is None else 0)
        and_rows.append(struct.pack(">I", mask))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         SIZE * SIZE // 2 + SIZE * 4, 0, 0, 16, 0)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + image)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_ico(os.path.join(here, "orbilan.ico"), starter_icon())
    write_ico(os.path.join(here, "quillot.ico"), editor_icon())

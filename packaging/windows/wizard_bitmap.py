#!/usr/bin/env python3
"""Draws the installer's finish-page picture as a 24-bit Windows bitmap.

Usage: wizard_bitmap.py OUTPUT.bmp WIDTH HEIGHT ICON.png

The icon (an RGBA PNG, rendered from the program's SVG at the size wanted)
is laid over a plain background, centred across and a little below the top.
Standard library only; PNGs are read with cmake/png2ico.py.
"""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "cmake"))
from png2ico import read_png  # noqa: E402

BACKGROUND = (0xE4, 0xE4, 0xF8)


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    output, width, height, icon_path = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    icon_width, icon_height, rows, palette, _ = read_png(icon_path)
    if palette is not None or icon_width > width or icon_height > height:
        sys.exit(f"{icon_path}: an RGBA image no larger than the picture is needed")
    left, top = (width - icon_width) // 2, height // 8
    pixels = [[BACKGROUND] * width for _ in range(height)]
    for y, row in enumerate(rows):
        for x in range(icon_width):
            r, g, b, a = row[4 * x:4 * x + 4]
            base = pixels[top + y][left + x]
            pixels[top + y][left + x] = tuple((c * a + d * (255 - a) + 127) // 255
                                              for c, d in zip((r, g, b), base))
    pad = b"\0" * (-3 * width % 4)
    body = b"".join(b"".join(bytes((b, g, r)) for r, g, b in row) + pad for row in reversed(pixels))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 3780, 3780, 0, 0)
    with open(output, "wb") as out:
        out.write(header + info + body)


if __name__ == "__main__":
    main()

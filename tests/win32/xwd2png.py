#!/usr/bin/env python3
"""Turns an X window dump (xwd, TrueColor, 24 or 32 bits a pixel) into a PNG, cut to the
smallest rectangle that holds everything not black (the bare X screen).

Usage: xwd2png.py INPUT.xwd OUTPUT.png
"""
import struct
import sys
import zlib


def main():
    data = open(sys.argv[1], "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    colours = fields[19]
    if bits_per_pixel not in (24, 32):
        sys.exit("only 24 or 32 bits per pixel")
    step = bits_per_pixel // 8
    pixels = data[header_size + 12 * colours:]
    rows = []
    for y in range(height):
        row = pixels[y * bytes_per_line:y * bytes_per_line + step * width]
        if byte_order == 0:  # least significant byte first: B, G, R (, unused)
            rows.append(b"".join(bytes((row[i + 2], row[i + 1], row[i])) for i in range(0, len(row), step)))
        else:
            rows.append(b"".join(row[i + step - 3:i + step] for i in range(0, len(row), step)))
    lit = [(x, y) for y, row in enumerate(rows) for x in range(width) if row[3 * x:3 * x + 3] != b"\0\0\0"]
    if lit:
        left, right = min(x for x, _ in lit), max(x for x, _ in lit) + 1
        top, bottom = min(y for _, y in lit), max(y for _, y in lit) + 1
        rows = [row[3 * left:3 * right] for row in rows[top:bottom]]
        width = right - left
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, len(rows), 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(b"\0" + row for row in rows), 9)) + chunk(b"IEND", b"")
    open(sys.argv[2], "wb").write(png)


if __name__ == "__main__":
    main()

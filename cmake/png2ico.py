#!/usr/bin/env python3
"""Packs PNG images into one Windows .ico file.

Usage: png2ico.py OUTPUT.ico IMAGE.png...

A palette PNG (colour type 3, 8 bits, as pngquant writes it) becomes a
256-colour bitmap image: palette entries that are less than half opaque are
drawn as transparent through the icon's mask. A 256-pixel image is stored as
the PNG itself, as Windows Vista and later read it. Any other RGBA image
becomes a 32-bit bitmap with its alpha channel. Standard library only.
"""
import struct
import sys
import zlib


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    pos, chunks = 8, {}
    idat = b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IDAT":
            idat += body
        else:
            chunks[kind] = body
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"])
    channels = {2: 3, 3: 1, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        sys.exit(f"{path}: only 8-bit RGB, RGBA or palette PNGs without interlacing")
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                row[i] = (row[i] + predictor) & 0xFF
        rows.append(bytes(row))
        previous = row
    palette = None
    if colour == 3:
        plte = chunks[b"PLTE"]
        alpha = chunks.get(b"tRNS", b"")
        palette = [(plte[3 * i], plte[3 * i + 1], plte[3 * i + 2],
                    alpha[i] if i < len(alpha) else 255) for i in range(len(plte) // 3)]
    elif colour == 2:
        rows = [b"".join(r[i:i + 3] + b"\xff" for i in range(0, len(r), 3)) for r in rows]
    return width, height, rows, palette, data


def mask_rows(width, transparent_rows):
    """The 1-bit AND mask, bottom row first, each row padded to 4 bytes."""
    out = b""
    row_bytes = (width + 31) // 32 * 4
    for flags in reversed(transparent_rows):
        bits = bytearray(row_bytes)
        for x, transparent in enumerate(flags):
            if transparent:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def bitmap_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bits, 0, image_size, 0, 0, 0, 0)


def palette_image(width, height, rows, palette):
    if len(palette) > 256:
        sys.exit("more than 256 palette entries")
    clear = [entry[3] < 128 for entry in palette]
    # A transparent pixel is drawn by the mask alone, so its colour must be black.
    table = b"".join(b"\0\0\0\0" if clear[i] else bytes((b, g, r, 0))
                     for i, (r, g, b, _) in enumerate(palette))
    table += b"\0" * (4 * (256 - len(palette)))
    pad = b"\0" * (-width % 4)
    pixels = b"".join(row + pad for row in reversed(rows))
    mask = mask_rows(width, [[clear[index] for index in row] for row in rows])
    return bitmap_header(width, height, 8, len(pixels) + len(mask)) + table + pixels + mask, 8


def rgba_image(width, height, rows):
    pixels = b"".join(b"".join(bytes((r[i + 2], r[i + 1], r[i], r[i + 3]))
                               for i in range(0, len(r), 4)) for r in reversed(rows))
    mask = mask_rows(width, [[r[i + 3] < 128 for i in range(0, len(r), 4)] for r in rows])
    return bitmap_header(width, height, 32, len(pixels) + len(mask)) + pixels + mask, 32


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    images = []
    for path in sys.argv[2:]:
        width, height, rows, palette, png = read_png(path)
        if width > 256 or height > 256:
            sys.exit(f"{path}: larger than 256 pixels")
        if palette is not None:
            body, bits = palette_image(width, height, rows, palette)
        elif width == 256:
            body, bits = png, 32
        else:
            body, bits = rgba_image(width, height, rows)
        images.append((width, height, bits, body))
    offset = 6 + 16 * len(images)
    directory, bodies = b"", b""
    for width, height, bits, body in images:
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, bits,
                                 len(body), offset + len(bodies))
        bodies += body
    with open(sys.argv[1], "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(images)) + directory + bodies)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Pack raw RGBA pictures into a classic Windows .ico file.

Every entry is stored as a BMP-encoded image (BITMAPINFOHEADER, palette, XOR bitmap with
the exact bit count asked for, AND mask), the way old icon editors wrote them, so that the
directory says exactly how many colours each image has.

usage: pack-ico.py OUT.ico RAW:WIDTHxHEIGHT:BITS [RAW:WIDTHxHEIGHT:BITS ...]

RAW is a file of WIDTH*HEIGHT*4 bytes, rows top to bottom, R G B A per pixel (what
`convert picture -depth 8 rgba:RAW` writes). BITS is 1, 4 or 8. A pixel with alpha below 128
is transparent: its AND bit is set and its XOR index is 0, which is always black. The opaque
pixels must already use at most 2**BITS colours including black (quantize before packing);
with 1 bit, the colours are black and white only.
"""

import struct
import sys


def read_entry(arg):
    try:
        path, size, bits = arg.rsplit(":", 2)
        width, height = (int(v) for v in size.lower().split("x"))
        bits = int(bits)
    except ValueError:
        sys.exit(f"pack-ico: cannot read entry '{arg}', expected RAW:WIDTHxHEIGHT:BITS")
    if bits not in (1, 4, 8):
        sys.exit(f"pack-ico: {bits} bits per pixel is not supported (1, 4 or 8)")
    if not (1 <= width <= 256 and 1 <= height <= 256):
        sys.exit(f"pack-ico: {width}x{height} is not an icon size")
    with open(path, "rb") as f:
        data = f.read()
    if len(data) != width * height * 4:
        sys.exit(f"pack-ico: {path} has {len(data)} bytes, expected {width * height * 4}")
    return data, width, height, bits


def make_palette(data, bits, name):
    """Black first (the colour behind transparent pixels), then the opaque colours sorted."""
    if bits == 1:
        palette = [(0, 0, 0), (255, 255, 255)]
    else:
        colours = {data[i:i + 3] for i in range(0, len(data), 4) if data[i + 3] >= 128}
        colours.discard(b"\0\0\0")
        palette = [(0, 0, 0)] + sorted(tuple(c) for c in colours)
    if len(palette) > 1 << bits:
        sys.exit(f"pack-ico: {name} uses {len(palette)} colours with black, "
                 f"more than {1 << bits}")
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    return palette


def row_bytes(bit_count, width):
    return ((bit_count * width + 31) // 32) * 4


def encode_image(data, width, height, bits, name):
    palette = make_palette(data, bits, name)
    index = {c: i for i, c in reversed(list(enumerate(palette)))}
    xor_stride = row_bytes(bits, width)
    and_stride = row_bytes(1, width)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(height)):  # bitmaps are stored bottom row first
        xor_row = bytearray(xor_stride)
        and_row = bytearray(and_stride)
        for x in range(width):
            r, g, b, a = data[(y * width + x) * 4:(y * width + x) * 4 + 4]
            if a < 128:
                and_row[x // 8] |= 0x80 >> (x % 8)
                i = 0
            elif bits == 1:
                if (r, g, b) not in index:
                    sys.exit(f"pack-ico: {name} is not black and white")
                i = index[(r, g, b)]
            else:
                i = index[(r, g, b)]
            shift = 8 - bits - (x * bits) % 8
            xor_row[x * bits // 8] |= i << shift
        xor += xor_row
        mask += and_row
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + quads + bytes(xor) + bytes(mask)


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    entries = [read_entry(arg) for arg in argv[2:]]
    images = [encode_image(d, w, h, b, arg) for (d, w, h, b), arg in zip(entries, argv[2:])]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (_, width, height, bits), image in zip(entries, images):
        colour_count = 0 if bits == 8 else 1 << bits  # the byte field cannot say 256
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colour_count, 0, 1, bits,
                           len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv)

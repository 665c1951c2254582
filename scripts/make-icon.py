#!/usr/bin/env python3
"""Draws the program icon and writes it as resources/MirloViewer.ico.

The picture is the viewer itself: a magenta 4:3 region with a black and
magenta code strip along its top row, inside a raised grey frame, casting a
soft shadow. It is drawn separately at 16, 24, 32, 48 and 256 pixels so that
every size stays crisp; the small sizes are 32-bit bitmaps with alpha, the
256-pixel image is stored as PNG. Only the standard library is used.

    scripts/make-icon.py [OUTPUT]
"""
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
# The viewer's frame, outermost ring first: lit top and left, shaded bottom and right.
LIGHT = ((226, 239, 241), (255, 255, 255), (200, 208, 212))
SHADE = ((100, 111, 113), (153, 168, 172), (200, 208, 212))
# Cells of the strip: the lead letters A, B, C followed by a few coordinate bits.
STRIP_BITS = "010000010100001001000011000011001000"


def ring_colour(ring, rings, side):
    """Colour of frame ring `ring` (0 outermost) of `rings`, on a lit or shaded side."""
    palette = LIGHT if side == "lit" else SHADE
    return palette[min(len(palette) - 1, ring * len(palette) // rings)]


def draw(size):
    """Returns size*size RGBA pixels, top row first."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    shadow = max(1, size // 24) if size >= 32 else 0
    width = size - shadow
    height = width * 3 // 4
    left = 0
    top = (size - height - shadow) // 2
    frame = max(1, size // 16)

    # Shadow: a darker copy of the window, offset down and right, fading out.
    for s in range(shadow, 0, -1):
        alpha = 90 * (shadow - s + 1) // shadow
        for y in range(top + s, top + height + s):
            for x in range(left + s, left + width + s):
                if 0 <= x < size and 0 <= y < size and px[y][x][3] < alpha:
                    px[y][x] = (0, 0, 0, alpha)

    for y in range(top, top + height):
        for x in range(left, left + width):
            dx, dy = x - left, y - top
            ring = min(dx, dy, width - 1 - dx, height - 1 - dy)
            if ring < frame:
                # Top and left edges are lit, bottom and right shaded; the
                # corners go to whichever edge is nearer.
                lit = min(dx, dy) <= min(width - 1 - dx, height - 1 - dy)
                colour = ring_colour(ring, frame, "lit" if lit else "shade")
            else:
                colour = MAGENTA
            px[y][x] = colour + (255,)

    # The code strip on the region's top row.
    cell = max(1, size // 48)
    rows = max(1, size // 64)
    inner_left = left + frame
    inner_width = width - 2 * frame
    cells = min(len(STRIP_BITS), inner_width * 2 // 3 // cell)
    for k in range(cells):
        if STRIP_BITS[k] == "0":
            for y in range(top + frame, top + frame + rows):
                for x in range(inner_left + k * cell, inner_left + (k + 1) * cell):
                    px[y][x] = BLACK + (255,)
    return px


def bmp_image(px):
    """An icon image as a 32-bit DIB with its AND mask, rows bottom-up."""
    size = len(px)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(px):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(px):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(colour) + bytes(mask)


def png_image(px):
    size = len(px)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = bytearray()
    for row in px:
        raw.append(0)
        for pixel in row:
            raw += bytes(pixel)
    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def ico(sizes):
    images = [png_image(draw(s)) if s >= 256 else bmp_image(draw(s)) for s in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        dim = 0 if s >= 256 else s
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "resources/MirloViewer.ico"
    with open(path, "wb") as f:
        f.write(ico(SIZES))


if __name__ == "__main__":
    main()

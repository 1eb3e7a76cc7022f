#!/usr/bin/env python3
"""Draw Quillet's bitmap resources: the Pellar logo, the check/cross status
discs and the program icon.

Everything is drawn from a few analytic shapes (signed distance functions)
and anti-aliased by supersampling, so the art lives in this file rather than
in an image editor.  Only the standard library is used and the output is
byte-for-byte reproducible.  Rerun after changing a design:

    python3 res/tools/draw_images.py [output_dir]

By default the PNGs go to res/images/ and the icon to res/quillet.ico.  With
output_dir given, all four files are written there instead (handy for
comparing a change against the committed images).
"""

import math
import os
import struct
import sys
import zlib

ACCENT_GREEN = (0x7F, 0xBC, 0x42)
ERROR_RED = (0xD9, 0x45, 0x3A)
WHITE = (0xFF, 0xFF, 0xFF)

SUPERSAMPLE = 4  # 4x4 samples per edge pixel


# --- shapes -----------------------------------------------------------------
# Each shape is a function (x, y) -> signed distance, negative inside.  All
# coordinates are in "unit" space: (0, 0) is the top-left corner of the image
# and (1, 1) the bottom-right, so one design renders at any size.

def circle(cx, cy, r):
    def sdf(x, y):
        return math.hypot(x - cx, y - cy) - r
    return sdf


def rounded_square(cx, cy, half, radius):
    inner = half - radius

    def sdf(x, y):
        qx = abs(x - cx) - inner
        qy = abs(y - cy) - inner
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return sdf


def _segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def stroke(points, width):
    """A polyline drawn with a round pen (round caps and joins)."""
    segs = list(zip(points, points[1:]))
    half = width / 2.0

    def sdf(x, y):
        return min(_segment_distance(x, y, ax, ay, bx, by)
                   for (ax, ay), (bx, by) in segs) - half
    return sdf


def polygon(points, rounding=0.0):
    """Filled polygon; `rounding` grows it outwards with rounded corners."""
    edges = list(zip(points, points[1:] + points[:1]))

    def sdf(x, y):
        dist = min(_segment_distance(x, y, ax, ay, bx, by)
                   for (ax, ay), (bx, by) in edges)
        inside = False
        for (ax, ay), (bx, by) in edges:  # even-odd crossing test
            if (ay > y) != (by > y):
                if x < ax + (y - ay) * (bx - ax) / (by - ay):
                    inside = not inside
        return (-dist if inside else dist) - rounding
    return sdf


def union(*shapes):
    def sdf(x, y):
        return min(s(x, y) for s in shapes)
    return sdf


# --- rasteriser -------------------------------------------------------------

def coverage(sdf, px, py, size):
    """Fraction of pixel (px, py) covered by the shape.

    The distance at the pixel centre decides most pixels outright; only those
    within half a diagonal of an edge are supersampled.  That keeps the big
    images quick in pure Python.  (Unions of exact distances never
    overestimate, so the shortcut is safe for them too.)
    """
    d = sdf((px + 0.5) / size, (py + 0.5) / size) * size  # in pixels
    if d >= 0.71:
        return 0.0
    if d <= -0.71:
        return 1.0
    n = SUPERSAMPLE
    hits = 0
    for j in range(n):
        y = (py + (j + 0.5) / n) / size
        for i in range(n):
            if sdf((px + (i + 0.5) / n) / size, y) < 0.0:
                hits += 1
    return hits / (n * n)


def render(layers, size):
    """Composite (shape, rgb) layers back to front over transparency.

    Returns rows of straight (non-premultiplied) RGBA bytes, top row first.
    """
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = a = 0.0  # premultiplied
            for shape, (cr, cg, cb) in layers:
                c = coverage(shape, px, py, size)
                if c:
                    k = 1.0 - c
                    r = cr * c + r * k
                    g = cg * c + g * k
                    b = cb * c + b * k
                    a = c + a * k
            alpha = int(round(a * 255))
            if alpha == 0:
                row += b"\0\0\0\0"  # keep fully transparent pixels clean
            else:
                row += bytes((int(round(r / a)), int(round(g / a)),
                              int(round(b / a)), alpha))
        rows.append(bytes(row))
    return rows


# --- designs ----------------------------------------------------------------

def pellar_logo():
    """Green rounded tile with a white 'download into tray' arrow."""
    tile = rounded_square(0.5, 0.5, 0.47, 0.2)
    dy = 0.03  # nudges the mark so it sits optically centred on the tile
    shaft = stroke([(0.5, 0.20 + dy), (0.5, 0.46 + dy)], 0.14)
    head = polygon([(0.29, 0.42 + dy), (0.71, 0.42 + dy), (0.5, 0.60 + dy)],
                   rounding=0.025)
    tray = stroke([(0.24, 0.62 + dy), (0.24, 0.77 + dy),
                   (0.76, 0.77 + dy), (0.76, 0.62 + dy)], 0.11)
    return [(tile, ACCENT_GREEN), (union(shaft, head, tray), WHITE)]


def check_disc():
    disc = circle(0.5, 0.5, 0.47)
    tick = stroke([(0.275, 0.505), (0.425, 0.655), (0.725, 0.345)], 0.09)
    return [(disc, ACCENT_GREEN), (tick, WHITE)]


def cross_disc():
    disc = circle(0.5, 0.5, 0.47)
    a, b = 0.335, 0.665
    cross = union(stroke([(a, a), (b, b)], 0.09),
                  stroke([(a, b), (b, a)], 0.09))
    return [(disc, ERROR_RED), (cross, WHITE)]


# --- file writers -----------------------------------------------------------

def png_bytes(rows, size):
    def chunk(tag, data):
        body = tag + data
        return (struct.pack(">I", len(data)) + body
                + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))

    # 8-bit RGBA (colour type 6); every scanline uses filter type 0.
    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib_bytes(rows, size):
    """Classic icon image: 32-bit BGRA DIB plus a 1-bit AND mask.

    Old loaders (and windres-built resources read by LoadIconW) expect this
    form for the small sizes; the mask marks fully transparent pixels so the
    icon still looks right where alpha is ignored.
    """
    mask_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x >> 3] |= 0x80 >> (x & 7)
        mask += bits
    # The header height counts both the colour and mask planes.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """images: list of (size, encoded image bytes), smallest first."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory = b""
    for size, data in images:
        dim = 0 if size >= 256 else size  # 0 means 256 in the directory
        directory += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32,
                                 len(data), offset)
        offset += len(data)
    return header + directory + b"".join(data for _, data in images)


# --- main -------------------------------------------------------------------

def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (path, len(data)))


def main(argv):
    res = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    if len(argv) > 1:
        images = icon_dir = argv[1]
    else:
        images, icon_dir = os.path.join(res, "images"), res
    os.makedirs(images, exist_ok=True)

    for name, design, size in (("logo.png", pellar_logo, 257),
                               ("check.png", check_disc, 512),
                               ("cross.png", cross_disc, 512)):
        write(os.path.join(images, name), png_bytes(render(design(), size), size))

    entries = []
    for size in (16, 32, 48, 256):
        rows = render(pellar_logo(), size)
        # The 256 px frame is stored as PNG to keep the icon small.
        data = png_bytes(rows, size) if size >= 256 else dib_bytes(rows, size)
        entries.append((size, data))
    write(os.path.join(icon_dir, "quillet.ico"), ico_bytes(entries))


if __name__ == "__main__":
    main(sys.argv)

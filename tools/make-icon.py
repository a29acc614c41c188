#!/usr/bin/env python3
"""Draws the game's icon, a bold "Q" on a parchment square, as PNG files in data/icons/.

Standard library only (zlib and struct write the PNG). Shapes are sampled 4 x 4 times per pixel
for smooth edges, so every run writes the same bytes.
Usage: python3 tools/make-icon.py [output folder]
"""

import math
import os
import struct
import sys
import zlib

PARCHMENT = (242, 228, 190)
PARCHMENT_EDGE = (196, 164, 110)
INK = (74, 45, 20)
SIZES = (48, 128)
SAMPLES = 4


def rounded_square(x, y, radius):
    """Inside a square of side 1 with rounded corners of the given radius."""
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and 0 <= x <= 1 and 0 <= y <= 1


def letter_q(x, y):
    """A bold Q: an elliptical ring and a slanted tail at the lower right."""
    dx, dy = (x - 0.5) / 0.30, (y - 0.47) / 0.33
    r = math.hypot(dx, dy)
    ring = 0.62 <= r <= 1.0
    # Tail: a thick stroke from inside the ring out past its lower-right edge.
    tx, ty = x - 0.60, y - 0.64
    along = (tx + ty) / math.sqrt(2)
    across = (tx - ty) / math.sqrt(2)
    tail = -0.02 <= along <= 0.26 and abs(across) <= 0.055
    return ring or tail


def pixel(size, px, py):
    cover = {"paper": 0, "edge": 0, "ink": 0}
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            if not rounded_square(x, y, 0.16):
                continue
            if letter_q(x, y):
                cover["ink"] += 1
            elif not rounded_square((x - 0.05) / 0.9, (y - 0.05) / 0.9, 0.13):
                cover["edge"] += 1
            else:
                cover["paper"] += 1
    total = SAMPLES * SAMPLES
    alpha = sum(cover.values())
    if alpha == 0:
        return (0, 0, 0, 0)
    rgb = [0.0, 0.0, 0.0]
    for name, colour in (("paper", PARCHMENT), ("edge", PARCHMENT_EDGE), ("ink", INK)):
        for i in range(3):
            rgb[i] += colour[i] * cover[name] / alpha
    return (round(rgb[0]), round(rgb[1]), round(rgb[2]), round(255 * alpha / total))


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(size):
    rows = b"".join(
        b"\x00" + bytes(c for px in range(size) for c in pixel(size, px, py)) for py in range(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) +
            chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "icons")
    os.makedirs(folder, exist_ok=True)
    for size in SIZES:
        path = os.path.join(folder, f"quillo-{size}.png")
        with open(path, "wb") as out:
            out.write(png(size))
        print(path)


if __name__ == "__main__":
    main()

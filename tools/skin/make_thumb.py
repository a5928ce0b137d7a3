#!/usr/bin/env python3
"""Draws the scroll thumb of the main window's right panel: an 8 x 114 PNG, a vertical green
gradient whose alpha fades in and out at both ends. Pure Python (zlib), no imaging library."""
import struct
import sys
import zlib

WIDTH, HEIGHT = 8, 114
TOP, BOTTOM = (120, 220, 90), (79, 153, 59)   # the brand's green, lighter at the top


def pixel(x, y):
    t = y / (HEIGHT - 1)
    r, g, b = (round(a + (c - a) * t) for a, c in zip(TOP, BOTTOM))
    edge = min(y, HEIGHT - 1 - y)
    alpha = 40 + min(edge, 12) * 17       # 40 at the very ends, 244 along the body
    if x in (0, WIDTH - 1):
        alpha = alpha * 2 // 3            # softer sides
    return bytes((r, g, b, min(alpha, 255)))


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def main(out_path):
    rows = b"".join(b"\0" + b"".join(pixel(x, y) for x in range(WIDTH)) for y in range(HEIGHT))
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
    with open(out_path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main(sys.argv[1])

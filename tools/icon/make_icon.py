#!/usr/bin/env python3
"""Draws the program's icon, a mouse glyph, into a Windows .ico file (16, 32 and 48 pixels).

Pure Python, no imaging library: each size is rendered by 4x4 supersampling of a few shapes."""
import struct
import sys

BODY = (38, 40, 46)        # graphite shell
EDGE = (120, 220, 90)      # the brand's green rim and wheel
SPLIT = (200, 205, 210)    # line between the two buttons


def inside_body(x, y):
    """The mouse's shell in unit coordinates: a capsule 0.56 wide, 0.86 tall, centred."""
    cx, half_w, top, bottom = 0.5, 0.28, 0.07, 0.93
    radius = half_w
    if y < top or y > bottom or abs(x - cx) > half_w:
        return False
    if y < top + radius:
        return (x - cx) ** 2 + (y - top - radius) ** 2 <= radius ** 2
    if y > bottom - radius:
        return (x - cx) ** 2 + (y - bottom + radius) ** 2 <= radius ** 2
    return True


def inside_shrunk(x, y, margin):
    cx, cy = 0.5, 0.5
    scale = 1.0 / (1.0 - 2 * margin)
    return inside_body(cx + (x - cx) * scale, cy + (y - cy) * scale)


def shade(x, y):
    """Colour and coverage of one sample point, or None outside the glyph."""
    if not inside_body(x, y):
        return None
    if not inside_shrunk(x, y, 0.06):
        return EDGE
    if 0.45 <= x <= 0.55 and 0.20 <= y <= 0.36:
        return EDGE  # scroll wheel
    if abs(x - 0.5) <= 0.012 and y < 0.42:
        return SPLIT
    if abs(y - 0.42) <= 0.012:
        return SPLIT
    return BODY


def render(size):
    n = 4
    pixels = []
    for row in range(size - 1, -1, -1):  # DIB rows go bottom-up
        for col in range(size):
            r = g = b = a = 0
            for sy in range(n):
                for sx in range(n):
                    c = shade((col + (sx + 0.5) / n) / size, (row + (sy + 0.5) / n) / size)
                    if c:
                        r += c[0]; g += c[1]; b += c[2]; a += 1
            if a:
                pixels.append(bytes((b // a, g // a, r // a, 255 * a // (n * n))))
            else:
                pixels.append(b"\0\0\0\0")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    mask_row = ((size + 31) // 32) * 4
    return header + b"".join(pixels) + b"\0" * (mask_row * size)


def main(out_path):
    sizes = [16, 32, 48]
    images = [render(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, image in zip(sizes, images):
        dim = 0 if size >= 256 else size
        data += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(out_path, "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])

#!/usr/bin/env python3
"""Draws the program icon: a blue globe with a white check mark on it, as
one 128 x 128 image of 32 bits per pixel, written as app/Dravelin.ico."""
import math
import struct
import sys

SIZE = 128


def pixel(x, y):
    cx = cy = (SIZE - 1) / 2
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    radius = 58
    if r > radius + 1:
        return (0, 0, 0, 0)
    edge = max(0.0, min(1.0, radius + 1 - r))  # soft rim
    shade = 1 - 0.45 * (dx + dy) / (2 * radius)  # light from the upper left
    b, g, red = 205 * shade, 120 * shade, 30 * shade
    # meridians and parallels
    lon = abs(dx) / max(1e-6, math.sqrt(max(1.0, radius * radius - dy * dy)))
    if any(abs(lon - t) < 0.04 for t in (0.0, 0.5, 0.87)) or any(abs(dy - t) < 1.3 for t in (-29, 0, 29)):
        b, g, red = b + 40, g + 50, red + 40
    # the check mark, a thick white stroke
    def near(ax, ay, bx, by, w):
        px, py = x - ax, y - ay
        vx, vy = bx - ax, by - ay
        t = max(0, min(1, (px * vx + py * vy) / (vx * vx + vy * vy)))
        return math.hypot(px - t * vx, py - t * vy) < w
    if near(34, 66, 56, 88, 9) or near(56, 88, 96, 40, 9):
        b, g, red = 255, 255, 255
    clamp = lambda v: int(max(0, min(255, v)))
    return (clamp(b), clamp(g), clamp(red), clamp(255 * edge))


def main(path):
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up DIB
        rows.append(b"".join(bytes(pixel(x, y)) for x in range(SIZE)))
    xor = b"".join(rows)
    and_mask = bytes((SIZE // 8) * SIZE)  # all opaque; alpha does the work
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 128, 128, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(icondir + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "app/Dravelin.ico")

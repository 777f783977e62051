#!/usr/bin/env python3
"""Draws AboutBack.bmp, the About window's 157 x 205 24-bit background: a deep blue to teal
wash with soft diagonal bands. Run it from this folder; the bitmap is committed."""
import math
import struct

W, H = 157, 205


def pixel(x, y):
    t = y / (H - 1)
    band = 0.5 + 0.5 * math.sin((x + y) / 11.0)
    r = int(18 + 20 * t + 10 * band)
    g = int(40 + 90 * t + 18 * band)
    b = int(110 + 60 * t + 22 * band)
    return bytes((min(b, 255), min(g, 255), min(r, 255)))  # BGR


def main():
    stride = (W * 3 + 3) & ~3
    rows = []
    for y in range(H - 1, -1, -1):  # bottom-up
        row = b"".join(pixel(x, y) for x in range(W))
        rows.append(row + b"\0" * (stride - len(row)))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open("AboutBack.bmp", "wb") as out:
        out.write(header + info + data)


if __name__ == "__main__":
    main()

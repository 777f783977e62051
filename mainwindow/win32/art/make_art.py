#!/usr/bin/env python3
"""Draws the main window's own pictures: the Windows XP throbber strip `picXP` (38 x 1558,
41 cells, 256 colours, beside the classic strip the control library draws), the gallery
link `Image1` and the browser picture `imgExplorer`. Reuses the control library's artwork
helpers (flintor/art/make_art.py).

Run from anywhere: python3 mainwindow/win32/art/make_art.py (writes next to it)."""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # nothing left in the control library's folder
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "flintor", "art"))
import make_art as flintor  # noqa: E402

BACKGROUND = flintor.BACKGROUND
ORB_DARK = (0, 52, 160)
ORB_LIGHT = (110, 175, 255)
DOT_ON = (70, 200, 70)
DOT_OFF = (150, 170, 150)
DOTS = 8

FONT = dict(flintor.FONT)
FONT.update({
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
})


def xp_cell(frame, size=38):
    """A glossy orb inside a ring of dots; from frame 1 on a bright dot runs clockwise with
    a fading trail. Frame 0 is the still picture, every dot dim."""
    c = (size - 1) / 2.0
    orb_r, ring_r, dot_r = size * 0.27, size * 0.40, size * 0.065
    lit = (frame - 1) % DOTS if frame else None

    def colour_at(px, py):
        colour = BACKGROUND
        d = math.hypot(px - c, py - c)
        if d < orb_r:
            shade = 1.0 - math.hypot(px - (c - orb_r * 0.4), py - (c - orb_r * 0.4)) / (
                orb_r * 1.6)
            colour = flintor.mix(ORB_DARK, ORB_LIGHT, shade)
            glint = math.hypot(px - (c - orb_r * 0.35), py - (c - orb_r * 0.45))
            if glint < orb_r * 0.28:
                colour = flintor.mix((255, 255, 255), colour, glint / (orb_r * 0.28))
        for k in range(DOTS):
            a = -math.pi / 2 + k * 2 * math.pi / DOTS
            dx, dy = c + ring_r * math.cos(a), c + ring_r * math.sin(a)
            if math.hypot(px - dx, py - dy) < dot_r:
                if lit is None:
                    colour = DOT_OFF
                else:
                    behind = (lit - k) % DOTS
                    colour = flintor.mix(DOT_ON, DOT_OFF, behind / 3.0)
        return colour

    return flintor.supersample(size, colour_at)


def text(rows, line, top, left, colour, scale=1):
    for i, ch in enumerate(line):
        for gy, bits in enumerate(FONT[ch]):
            for gx, bit in enumerate(bits):
                if bit != "1":
                    continue
                for sy in range(scale):
                    for sx in range(scale):
                        rows[top + gy * scale + sy][left + (i * 6 + gx) * scale + sx] = colour


def gallery(width=160, height=80):
    """The gallery link: a globe over a sky gradient and "THEME GALLERY" in two lines."""
    rows = [[tuple(int(v) for v in flintor.mix((30, 80, 170), (120, 185, 245), y / (height - 1)))
             for _ in range(width)] for y in range(height)]
    for y in range(height):
        for x in range(width):
            colour = flintor.globe_colour(x, y, 26, height / 2.0, 20, 0.9)
            if colour is not None:
                rows[y][x] = tuple(int(v) for v in colour)
    white = (255, 255, 255)
    for line, top in (("THEME", 22), ("GALLERY", 44)):
        scale = 2
        left = 52 + (width - 52 - (len(line) * 6 - 1) * scale) // 2
        text(rows, line, top, left, white, scale)
    for x in range(width):
        rows[0][x] = rows[height - 1][x] = flintor.OUTLINE
    for y in range(height):
        rows[y][0] = rows[y][width - 1] = flintor.OUTLINE
    return rows


def explorer(size=32):
    """The browser picture: a small window with a title bar and a globe on its page."""
    rows = [[BACKGROUND] * size for _ in range(size)]
    for y in range(2, size - 2):
        for x in range(1, size - 1):
            frame = y in (2, size - 3) or x in (1, size - 2)
            if frame:
                rows[y][x] = flintor.OUTLINE
            elif y < 8:
                bar = flintor.mix((0, 60, 190), (90, 150, 240), x / size)
                rows[y][x] = tuple(int(v) for v in bar)
            else:
                rows[y][x] = (255, 255, 255)
    for y in range(8, size - 3):
        for x in range(2, size - 2):
            colour = flintor.globe_colour(x, y, size / 2.0 - 0.5, 18.5, 8.5, 0.3)
            if colour is not None:
                rows[y][x] = tuple(int(v) for v in colour)
    for x in (size - 8, size - 6):  # the title bar's buttons
        rows[4][x] = rows[5][x] = (255, 255, 255)
    return rows


def main():
    strip = []
    for frame in range(41):
        strip.extend(xp_cell(frame))
    flintor.write_bmp8(os.path.join(HERE, "xpstrip.bmp"), strip, keep=(BACKGROUND,))
    flintor.write_bmp24(os.path.join(HERE, "gallery.bmp"), gallery())
    flintor.write_bmp24(os.path.join(HERE, "explorer.bmp"), explorer())


if __name__ == "__main__":
    main()

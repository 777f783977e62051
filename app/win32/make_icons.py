#!/usr/bin/env python3
"""Draws the program's icons from the control's artwork (flintor/art/make_art.py): Velmora.ico,
the product's emblem (the control's globe inside a ring of theme colours), and VelmoraTheme.ico,
the theme file's document icon (a page carrying the emblem). 48, 32 and 16 pixels, 32-bit.

Run from anywhere: python3 app/win32/make_icons.py (writes next to this script)."""

import colorsys
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "flintor", "art"))

import make_art  # noqa: E402  (the control's artwork: globe, colour mixing, icon files)

SIZES = (48, 32, 16)
SAMPLES = 4
RING_OUTLINE = (40, 40, 70)
PAGE = (255, 255, 255)
PAGE_EDGE = (110, 120, 140)
FOLD = (214, 222, 236)
TEXT_LINE = (150, 160, 180)


def emblem_colour(px, py, cx, cy, radius):
    """The emblem at (px, py): None outside it. The ring's hue turns once around the globe,
    the many looks a theme can give the browser."""
    d = math.hypot(px - cx, py - cy) / radius
    if d > 1.0:
        return None
    if d > 0.70:
        if d > 0.94 or d < 0.74:
            return RING_OUTLINE
        hue = (math.atan2(py - cy, px - cx) / (2 * math.pi)) % 1.0
        shade = 0.80 + 0.20 * math.cos((d - 0.84) * math.pi / 0.10 / 2)
        return tuple(255 * c for c in colorsys.hsv_to_rgb(hue, 0.75, shade))
    if d > 0.66:
        return RING_OUTLINE
    return make_art.globe_colour(px, py, cx, cy, radius * 0.66, 0.6)


def render(size, colour_at):
    """BGRA rows (top first) of colour_at(px, py) -> RGB or None, supersampled."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc, cover = [0.0, 0.0, 0.0], 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at(x + (sx + 0.5) / SAMPLES - 0.5,
                                       y + (sy + 0.5) / SAMPLES - 0.5)
                    if colour is not None:
                        cover += 1
                        for i in range(3):
                            acc[i] += colour[i]
            if cover:
                r, g, b = (int(round(a / cover)) for a in acc)
                row.append((b, g, r, int(round(255 * cover / SAMPLES ** 2))))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def program_icon(size):
    c = (size - 1) / 2.0
    return render(size, lambda px, py: emblem_colour(px, py, c, c, size * 0.49))


def document_icon(size):
    """A page with a folded corner and lines of text, the emblem on its lower right."""
    left, right = size * 0.14, size * 0.86
    top, bottom = size * 0.02, size * 0.98
    fold = size * 0.24
    edge = max(1.0, size / 32.0)
    emblem_r = size * 0.30
    ex, ey = right - emblem_r * 0.92, bottom - emblem_r * 0.92

    def colour_at(px, py):
        emblem = emblem_colour(px, py, ex, ey, emblem_r)
        if emblem is not None:
            return emblem
        if not (left <= px <= right and top <= py <= bottom):
            return None
        corner = (px - (right - fold)) + (top + fold - py)  # > fold: beyond the fold line
        if px > right - fold and py < top + fold:
            if corner > fold:
                return None
            if corner > fold - edge:
                return PAGE_EDGE
            if px > right - fold + edge / 2 and py < top + fold - edge / 2:
                return FOLD if corner < fold - edge else PAGE_EDGE
        if px < left + edge or px > right - edge or py < top + edge or py > bottom - edge:
            return PAGE_EDGE
        if size >= 32:
            line = (py - top - fold - size * 0.06) / (size * 0.10)
            if 0 <= line < 5 and line % 1.0 < 0.38 and px > left + size * 0.12 and \
                    px < right - size * (0.30 if line < 1 else 0.12):
                return TEXT_LINE
        return PAGE

    return render(size, colour_at)


def main():
    make_art.write_ico(os.path.join(HERE, "Velmora.ico"), SIZES, program_icon)
    make_art.write_ico(os.path.join(HERE, "VelmoraTheme.ico"), SIZES, document_icon)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the setup's welcome and finish page picture (wizard.bmp, 164 x 314, 24-bit): the
product's emblem (app/win32/make_icons.py) on a deep blue sky.

Run from anywhere: python3 installer/make_wizard.py (writes next to this script)."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "app", "win32"))
sys.path.insert(0, os.path.join(HERE, "..", "flintor", "art"))

import make_art  # noqa: E402
import make_icons  # noqa: E402

WIDTH, HEIGHT = 164, 314
SKY_TOP = (10, 30, 90)
SKY_BOTTOM = (70, 140, 220)


def wizard():
    cx, cy, radius = (WIDTH - 1) / 2.0, 96.0, 58.0
    rows = []
    for y in range(HEIGHT):
        sky = make_art.mix(SKY_TOP, SKY_BOTTOM, y / (HEIGHT - 1))
        row = []
        for x in range(WIDTH):
            acc = [0.0, 0.0, 0.0]
            for sy in range(3):
                for sx in range(3):
                    colour = make_icons.emblem_colour(x + (sx + 0.5) / 3 - 0.5,
                                                      y + (sy + 0.5) / 3 - 0.5, cx, cy, radius)
                    for i in range(3):
                        acc[i] += (colour or sky)[i]
            row.append(tuple(int(round(a / 9)) for a in acc))
        rows.append(row)
    return rows


if __name__ == "__main__":
    make_art.write_bmp24(os.path.join(HERE, "wizard.bmp"), wizard())

#!/usr/bin/env python3
"""Generates the sample themes in themes/<Name>/: the theme file, toolbar backgrounds, throbber
strips and still throbbers, event sounds, the user stylesheet, a start page and a tips page.

Run from anywhere: python3 themes/tools/make_themes.py [output folder, default themes/].
The output is deterministic, so the committed files only change when this script does.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the themes folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from imaging import render, stack, write_bmp24, write_bmp8  # noqa: E402
import sounds as snd  # noqa: E402
from themes import THEMES  # noqa: E402

TOOLBAR_W, TOOLBAR_H = 256, 80
LARGE, SMALL = 38, 22


def frames(size, count, shader):
    """A vertical strip of `count` square frames; shader(t, still) gives shade(u, v) in [0,1]."""
    pictures = []
    for i in range(count):
        shade = shader(i / count, False)
        pictures.append(render(size, size, lambda x, y: shade(x / size, y / size), samples=4))
    return stack(pictures)


def still(size, shader):
    shade = shader(0.0, True)
    return render(size, size, lambda x, y: shade(x / size, y / size), samples=4)


def write_text(path, text):
    """Windows text files: CR LF line ends, ANSI (here plain ASCII)."""
    with open(path, "wb") as f:
        f.write(text.replace("\r\n", "\n").replace("\n", "\r\n").encode("ascii"))


def theme_file(theme):
    header = "; %s: a sample theme for Velmora, made by themes/tools/make_themes.py"
    lines = [header % theme["name"], "[Velmora]"]
    for key, value in theme["keys"]:
        lines.append("%s=%s" % (key, value))
    return "\n".join(lines) + "\n"


def build(theme, out_dir):
    folder = os.path.join(out_dir, theme["name"])
    os.makedirs(folder, exist_ok=True)
    for stale in os.listdir(folder):
        os.remove(os.path.join(folder, stale))

    def shade_tile(shader):
        return render(TOOLBAR_W, TOOLBAR_H, shader, samples=2)

    write_bmp24(os.path.join(folder, "toolbar.bmp"), shade_tile(theme["toolbar"]))
    if theme.get("explorer"):
        write_bmp24(os.path.join(folder, "explorer.bmp"), shade_tile(theme["explorer"]))
    n = theme["frames"]
    write_bmp8(os.path.join(folder, "anilarge.bmp"), frames(LARGE, n, theme["throbber"]))
    write_bmp8(os.path.join(folder, "anismall.bmp"), frames(SMALL, n, theme["throbber"]))
    write_bmp8(os.path.join(folder, "large.bmp"), still(LARGE, theme["throbber"]))
    if theme.get("small_still", True):
        write_bmp8(os.path.join(folder, "small.bmp"), still(SMALL, theme["throbber"]))
    for name, samples in theme["sounds"].items():
        snd.write_wav(os.path.join(folder, name), samples)
    write_text(os.path.join(folder, theme["css_name"]), theme["css"])
    write_text(os.path.join(folder, "start.htm"), theme["start_page"])
    write_text(os.path.join(folder, "tips.htm"), theme["tips_page"])
    write_text(os.path.join(folder, theme["name"] + ".vlr"), theme_file(theme))
    return folder


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(here)
    total = 0
    for theme in THEMES:
        folder = build(theme, out_dir)
        size = sum(os.path.getsize(os.path.join(folder, f)) for f in os.listdir(folder))
        total += size
        print("%-8s %3d files %7d bytes" % (theme["name"], len(os.listdir(folder)), size))
    print("total %d bytes" % total)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the control library's artwork: the built-in throbber strip (38 x 1558, 41 cells,
256 colours), the toolbox bitmap, the library icon, the About box's web-site picture and a
small sample strip for tests. Plain Python: every file is written with struct.

Run from anywhere: python3 flintor/art/make_art.py (writes next to this script)."""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

BACKGROUND = (192, 192, 192)  # button face, the colour the control sits on
OCEAN_DARK = (16, 48, 128)
OCEAN_LIGHT = (80, 150, 235)
LAND = (40, 150, 60)
LAND_LIGHT = (120, 205, 110)
OUTLINE = (10, 20, 60)
COMET = (255, 170, 30)
COMET_CORE = (255, 250, 200)


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def land_at(lon, lat):
    """A made-up continent pattern on the sphere (longitude, latitude in radians)."""
    v = (math.sin(lon * 2.0 + 0.7) * math.cos(lat * 3.0) +
         0.6 * math.sin(lon * 3.0 - lat * 2.0 + 1.3) +
         0.4 * math.cos(lon * 5.0 + lat * 4.0))
    return v > 0.55


def globe_colour(x, y, cx, cy, r, spin):
    """Colour of the globe at (x, y), or None outside it. spin turns the globe."""
    dx, dy = (x - cx) / r, (y - cy) / r
    d2 = dx * dx + dy * dy
    if d2 > 1.0:
        return None
    dz = math.sqrt(1.0 - d2)
    lat = math.asin(-dy)
    lon = math.atan2(dx, dz) + spin
    light = max(0.0, -0.45 * dx - 0.55 * dy + 0.7 * dz)  # lit from the upper left
    if land_at(lon, lat):
        base = mix(LAND, LAND_LIGHT, light)
    else:
        base = mix(OCEAN_DARK, OCEAN_LIGHT, light)
    # A faint grid of meridians and parallels, as on a schoolroom globe.
    grid = min(abs(math.sin(lon * 3.0)), abs(math.sin(lat * 3.0)))
    if grid < 0.06:
        base = mix(base, (230, 240, 255), 0.45)
    rim = math.sqrt(d2)
    if rim > 0.9:
        base = mix(base, OUTLINE, (rim - 0.9) / 0.1)
    return base


def supersample(size, colour_at, samples=3):
    """A size x size picture, each pixel the mean of samples x samples points of colour_at."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    colour = colour_at(x + (sx + 0.5) / samples - 0.5,
                                       y + (sy + 0.5) / samples - 0.5)
                    for i in range(3):
                        acc[i] += colour[i]
            row.append(tuple(int(round(a / samples ** 2)) for a in acc))
        rows.append(row)
    return rows


def throbber_cell(frame, size=38):
    """One cell: frame 0 is the still picture, frames 1..40 a comet circling the globe."""
    cx = cy = (size - 1) / 2.0
    r = size * 0.30
    orbit = size * 0.41
    spin = 0.0 if frame == 0 else frame * (2 * math.pi / 40)
    angle = -math.pi / 2 + spin  # the comet starts at the top and runs clockwise

    def colour_at(px, py):
        colour = globe_colour(px, py, cx, cy, r, spin * 0.5)
        if colour is None:
            colour = BACKGROUND
        if frame != 0:
            colour = comet_over(colour, px, py, cx, cy, orbit, angle, size)
        return colour

    return supersample(size, colour_at)


def comet_over(colour, px, py, cx, cy, orbit, angle, size):
    """The comet's head and its fading tail along the orbit, drawn over colour."""
    head_x = cx + orbit * math.cos(angle)
    head_y = cy + orbit * math.sin(angle)
    d = math.hypot(px - head_x, py - head_y)
    head_r = size * 0.075
    if d < head_r:
        return mix(COMET_CORE, COMET, d / head_r)
    # Tail: points near the orbit, behind the head, within a quarter turn.
    pr = math.hypot(px - cx, py - cy)
    pa = math.atan2(py - cy, px - cx)
    behind = (angle - pa) % (2 * math.pi)
    width = size * 0.05 * (1.0 - behind / (math.pi / 2))
    if behind < math.pi / 2 and abs(pr - orbit) < width:
        strength = (1.0 - behind / (math.pi / 2)) * (1.0 - abs(pr - orbit) / max(width, 1e-6))
        return mix(colour, COMET, 0.9 * strength)
    return colour


def median_cut(colours, count):
    """Reduces a {colour: weight} map to at most `count` palette entries."""
    boxes = [list(colours.items())]
    while len(boxes) < count:
        best = None
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spans = [max(c[k] for c, _ in box) - min(c[k] for c, _ in box) for k in range(3)]
            span = max(spans)
            if best is None or span > best[0]:
                best = (span, i, spans.index(span))
        if best is None or best[0] == 0:
            break
        _, i, axis = best
        box = sorted(boxes.pop(i), key=lambda e: e[0][axis])
        total = sum(w for _, w in box)
        half, acc, cut = total / 2.0, 0, 1
        for j, (_, w) in enumerate(box):
            acc += w
            if acc >= half:
                cut = max(1, min(len(box) - 1, j + 1))
                break
        boxes.append(box[:cut])
        boxes.append(box[cut:])
    palette = []
    for box in boxes:
        total = sum(w for _, w in box)
        palette.append(tuple(int(round(sum(c[k] * w for c, w in box) / total)) for k in range(3)))
    return palette


def quantise(rows, keep=()):
    """Maps an RGB image to 256 colours; colours in `keep` are kept exactly."""
    weights = {}
    for row in rows:
        for c in row:
            weights[c] = weights.get(c, 0) + 1
    for c in keep:
        weights.pop(c, None)
    palette = list(keep) + median_cut(weights, 256 - len(keep))
    palette += [(0, 0, 0)] * (256 - len(palette))
    cache = {}

    def nearest(c):
        if c not in cache:
            cache[c] = min(range(len(palette)),
                           key=lambda i: sum((palette[i][k] - c[k]) ** 2 for k in range(3)))
        return cache[c]

    return palette, [[nearest(c) for c in row] for row in rows]


def write_bmp8(path, rows, keep=()):
    palette, indexed = quantise(rows, keep)
    height, width = len(indexed), len(indexed[0])
    stride = (width + 3) & ~3
    pixels = b"".join(bytes(r) + b"\0" * (stride - width) for r in reversed(indexed))
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset))
        f.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels),
                            2835, 2835, 256, 0))
        f.write(pal)
        f.write(pixels)


def write_bmp24(path, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    body = b""
    for row in reversed(rows):
        line = b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row)
        body += line + b"\0" * (stride - len(line))
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54))
        f.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body),
                            2835, 2835, 0, 0))
        f.write(body)


def icon_image(size):
    """The globe and comet on a transparent ground, as BGRA rows (top first)."""
    cx = cy = (size - 1) / 2.0
    r = size * 0.36
    out = []
    samples = 4
    for y in range(size):
        row = []
        for x in range(size):
            acc, cover = [0.0, 0.0, 0.0], 0
            for sy in range(samples):
                for sx in range(samples):
                    px = x + (sx + 0.5) / samples - 0.5
                    py = y + (sy + 0.5) / samples - 0.5
                    colour = globe_colour(px, py, cx, cy, r, 0.6)
                    head = math.hypot(px - (cx + r * 0.95), py - (cy - r * 0.95))
                    if head < size * 0.11:
                        colour = mix(COMET_CORE, COMET, head / (size * 0.11))
                    if colour is not None:
                        cover += 1
                        for i in range(3):
                            acc[i] += colour[i]
            if cover:
                rgb = [int(round(a / cover)) for a in acc]
                alpha = int(round(255 * cover / samples ** 2))
            else:
                rgb, alpha = [0, 0, 0], 0
            row.append((rgb[2], rgb[1], rgb[0], alpha))
        out.append(row)
    return out


def write_ico(path, sizes, draw=icon_image):
    """draw(size) gives the BGRA rows of one image; other icons of the product reuse this."""
    images = []
    for size in sizes:
        rows = draw(size)
        xor = b"".join(bytes(c for px in row for c in px) for row in reversed(rows))
        mask_stride = ((size + 31) // 32) * 4
        mask = b""
        for row in reversed(rows):
            line = bytearray(mask_stride)
            for x, px in enumerate(row):
                if px[3] == 0:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(line)
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                             0, 0, 0, 0)
        images.append((size, header + xor + mask))
    offset = 6 + 16 * len(images)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)))
        for size, data in images:
            f.write(struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset))
            offset += len(data)
        for _, data in images:
            f.write(data)


FONT = {  # 5 x 7 capitals, one string of five bits per row
    "W": ["10001", "10001", "10001", "10101", "10101", "11011", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    " ": ["00000"] * 7,
}


def web_banner():
    """88 x 31: a small globe and "VISIT OUR WEB SITE" on a blue gradient."""
    width, height = 88, 31
    rows = [[mix((20, 60, 150), (90, 160, 240), y / (height - 1)) for _ in range(width)]
            for y in range(height)]
    rows = [[tuple(int(v) for v in c) for c in row] for row in rows]
    for y in range(height):
        for x in range(26):
            colour = globe_colour(x, y, 13.5, 15, 11, 1.2)
            if colour is not None:
                rows[y][x] = tuple(int(v) for v in colour)

    def text(line, top):
        x0 = 28 + (58 - (len(line) * 6 - 1)) // 2
        for i, ch in enumerate(line):
            for gy, bits in enumerate(FONT[ch]):
                for gx, bit in enumerate(bits):
                    if bit == "1":
                        rows[top + gy][x0 + i * 6 + gx] = (255, 255, 255)

    text("VISIT OUR", 6)
    text("WEB SITE", 17)
    for x in range(width):  # a thin frame
        rows[0][x] = rows[height - 1][x] = OUTLINE
    for y in range(height):
        rows[y][0] = rows[y][width - 1] = OUTLINE
    return rows


def sample_strip():
    """220 x 22: ten cells, each a distinct colour square with a white dot that moves."""
    rows = [[BACKGROUND] * 220 for _ in range(22)]
    for cell in range(10):
        hue = cell / 10.0
        colour = tuple(int(127 + 127 * math.cos(2 * math.pi * (hue + k / 3.0))) for k in range(3))
        for y in range(2, 20):
            for x in range(2, 20):
                rows[y][cell * 22 + x] = colour
        dx = int(11 + 6 * math.cos(2 * math.pi * cell / 10))
        dy = int(11 + 6 * math.sin(2 * math.pi * cell / 10))
        for y in range(dy - 2, dy + 2):
            for x in range(dx - 2, dx + 2):
                rows[y][cell * 22 + x] = (255, 255, 255)
    return rows


def main():
    strip = []
    for frame in range(41):
        strip.extend(throbber_cell(frame))
    write_bmp8(os.path.join(HERE, "strip.bmp"), strip, keep=(BACKGROUND,))

    tool = [[BACKGROUND] * 16 for _ in range(15)]
    for y in range(15):
        for x in range(16):
            colour = globe_colour(x, y, 7.5, 7.0, 6.2, 0.6)
            if colour is not None:
                tool[y][x] = tuple(int(v) for v in colour)
    tool[1][13] = tool[1][14] = tool[2][13] = tool[2][14] = COMET
    write_bmp8(os.path.join(HERE, "toolbox.bmp"), tool, keep=(BACKGROUND,))

    write_ico(os.path.join(HERE, "Flintor.ico"), (32, 16))
    write_bmp24(os.path.join(HERE, "web.bmp"), web_banner())
    write_bmp24(os.path.join(HERE, "sample_strip.bmp"), sample_strip())


if __name__ == "__main__":
    main()

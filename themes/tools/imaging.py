"""Small picture toolkit for the sample themes: colours, anti-aliased rendering, BMP writing.

Plain Python (no imaging library is available where the themes are generated): pictures are
lists of rows of (r, g, b) integer triples, rendered by sampling a shape function several times
per pixel, and written as 24-bit or 8-bit (256-colour, median-cut palette) Windows bitmaps.
"""

import math
import struct


def hexc(text):
    """'#1673A8' -> (22, 115, 168) as floats."""
    text = text.lstrip("#")
    return tuple(float(int(text[i:i + 2], 16)) for i in (0, 2, 4))


def mix(a, b, t):
    """Linear blend of two colours; t=0 gives a, t=1 gives b."""
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def clamp(x, lo=0.0, hi=1.0):
    return lo if x < lo else hi if x > hi else x


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def ramp(stops, t):
    """Colour along a list of (position, colour) stops, positions ascending in [0, 1]."""
    t = clamp(t)
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, 0.0 if p1 == p0 else (t - p0) / (p1 - p0))
    return stops[-1][1]


def wrap_delta(d, period):
    """Shortest signed distance on a circle of the given period (for seamless tiling)."""
    d = math.fmod(d, period)
    if d > period / 2:
        d -= period
    elif d < -period / 2:
        d += period
    return d


def render(width, height, shade, samples=3):
    """Renders shade(x, y) -> colour, x and y in pixels, averaging samples x samples per pixel."""
    rows = []
    offsets = [(i + 0.5) / samples for i in range(samples)]
    count = float(samples * samples)
    for py in range(height):
        row = []
        for px in range(width):
            r = g = b = 0.0
            for oy in offsets:
                for ox in offsets:
                    c = shade(px + ox, py + oy)
                    r += c[0]
                    g += c[1]
                    b += c[2]
            row.append(tuple(int(round(clamp(v / count, 0.0, 255.0))) for v in (r, g, b)))
        rows.append(row)
    return rows


def stack(pictures):
    """Puts pictures of equal width one under the other (a vertical strip)."""
    rows = []
    for picture in pictures:
        rows.extend(picture)
    return rows


def _bmp_headers(width, height, bits, palette_size, image_size):
    offset = 14 + 40 + 4 * palette_size
    file_header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    # 2835 pixels per metre is 72 dots per inch.
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                              2835, 2835, palette_size, 0)
    return file_header + info_header


def write_bmp24(path, rows):
    """Writes a 24-bit bottom-up bitmap."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        body += line
    with open(path, "wb") as f:
        f.write(_bmp_headers(width, height, 24, 0, len(body)) + bytes(body))


def median_cut(colours, limit=256):
    """Palette of at most `limit` colours for a {colour: count} histogram, and the index of each
    colour in it. Boxes are split along their widest channel at the population median."""
    boxes = [list(colours.items())]
    while len(boxes) < limit:
        best, best_score = None, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spans = [max(c[k] for c, _ in box) - min(c[k] for c, _ in box) for k in range(3)]
            population = sum(n for _, n in box)
            score = max(spans) * math.sqrt(population)
            if score > best_score:
                best, best_score = i, score
        if best is None:
            break
        box = boxes.pop(best)
        spans = [max(c[k] for c, _ in box) - min(c[k] for c, _ in box) for k in range(3)]
        channel = spans.index(max(spans))
        box.sort(key=lambda item: item[0][channel])
        half, running, cut = sum(n for _, n in box) / 2.0, 0, 1
        for j, (_, n) in enumerate(box):
            running += n
            if running >= half:
                cut = min(max(j + 1, 1), len(box) - 1)
                break
        boxes.extend([box[:cut], box[cut:]])
    palette, index = [], {}
    for i, box in enumerate(boxes):
        population = float(sum(n for _, n in box))
        palette.append(tuple(int(round(sum(c[k] * n for c, n in box) / population))
                             for k in range(3)))
        for c, _ in box:
            index[c] = i
    return palette, index


def write_bmp8(path, rows):
    """Writes an 8-bit (256-colour) bottom-up bitmap with a median-cut palette of its own."""
    height, width = len(rows), len(rows[0])
    histogram = {}
    for row in rows:
        for c in row:
            histogram[c] = histogram.get(c, 0) + 1
    palette, index = median_cut(histogram)
    palette += [(0, 0, 0)] * (256 - len(palette))
    stride = (width + 3) & ~3
    body = bytearray()
    for row in reversed(rows):
        line = bytearray(index[c] for c in row)
        line += b"\0" * (stride - len(line))
        body += line
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    with open(path, "wb") as f:
        f.write(_bmp_headers(width, height, 8, 256, len(body)) + table + bytes(body))

"""The pictures of the sample themes, as shade functions.

Toolbar backgrounds: shade(x, y) in pixels of a TOOLBAR_W x TOOLBAR_H tile. The browser tiles
them in both directions, so every pattern is periodic in x and in y (whole numbers of waves per
tile, distances measured around the tile).

Throbbers: throbber(t, still) returns shade(u, v) with u, v in [0, 1] across one square frame;
t in [0, 1) is the animation phase, and every motion completes whole cycles as t goes round, so
the strip loops without a jump. `still` asks for the resting picture (the still throbber).
"""

import math
import random

from imaging import clamp, hexc, mix, ramp, smoothstep, wrap_delta

W, H = 256, 80
TAU = 2 * math.pi
WHITE = (255.0, 255.0, 255.0)


def band(y):
    """0 at the top and bottom of the tile, 1 in the middle: a gradient that tiles vertically."""
    return 0.5 - 0.5 * math.cos(TAU * y / H)


def leaf(du, dv, angle, length, width):
    """Where (du, dv), measured from a leaf's base, falls on a pointed leaf lying along `angle`:
    None outside, else (across, along) with across in [-1, 1] over the leaf's width."""
    ca, sa = math.cos(angle), math.sin(angle)
    along = du * ca + dv * sa
    if along <= 0.0 or along >= length:
        return None
    across = -du * sa + dv * ca
    half = width * math.sin(math.pi * (along / length) ** 0.8) ** 0.9
    if half <= 0.0 or abs(across) >= half:
        return None
    return across / half, along / length


# ---------------------------------------------------------------------------------------------
# Ocean: a sea-foam toolbar with rolling wave lines; a porthole where the sea rolls by.

def ocean_toolbar(x, y):
    c = mix(hexc("#DDF4FC"), hexc("#97D6EE"), band(y))
    for j in range(4):
        yc = H * (j + 0.5) / 4 + 4.0 * math.sin(TAU * 2 * x / W + j * 1.7) \
            + 1.5 * math.sin(TAU * 5 * x / W + j)
        d = wrap_delta(y - yc, H)
        c = mix(c, hexc("#2C8FBF"), 0.12 * math.exp(-((d - 2.6) / 2.2) ** 2))
        c = mix(c, WHITE, 0.5 * math.exp(-(d / 1.1) ** 2))
    return c


def ocean_explorer(x, y):
    c = mix(hexc("#E6F7FD"), hexc("#B3E3F3"), band(y))
    a = TAU * (3 * x / W + y / H)
    b = TAU * (-2 * x / W + 2 * y / H)
    d = TAU * (5 * x / W - y / H)
    s = (math.sin(a) + math.sin(b) + math.sin(d)) / 3.0
    net = math.exp(-(s * 5.0) ** 2)
    c = mix(c, hexc("#6CC2E2"), 0.18 * (1.0 - net) * (0.5 + 0.5 * math.sin(a - b)))
    return mix(c, WHITE, 0.6 * net)


def ocean_throbber(t, still):
    amp = 0.025 if still else 0.06
    bubbles = [] if still else [((t + i / 3.0) % 1.0, i) for i in range(3)]
    rivets = [(0.5 + 0.4225 * math.cos(a), 0.5 + 0.4225 * math.sin(a))
              for a in (math.pi / 4 + k * math.pi / 2 for k in range(4))]

    def shade(u, v):
        bg = mix(hexc("#CFEFFA"), hexc("#8ED3EC"), v)
        dx, dy = u - 0.5, v - 0.5
        r = math.hypot(dx, dy)
        outer, rim = 0.46, 0.075
        if r > outer:
            # A soft shadow of the porthole on the toolbar, lower right.
            s = math.hypot(dx - 0.03, dy - 0.04)
            return mix(bg, hexc("#3A7FA6"), 0.35 * smoothstep(0.52, 0.44, s))
        if r > outer - rim:
            light = 0.5 - 0.5 * (dx + dy) / (r * math.sqrt(2.0))
            c = mix(hexc("#1D4E78"), hexc("#B4E4F4"), light)
            for rx, ry in rivets:
                dr = math.hypot(u - rx, v - ry)
                if dr < rim * 0.32:
                    c = mix(hexc("#F4FDFF"), hexc("#5E8FB0"), dr / (rim * 0.32))
            return c
        wy = 0.5 + amp * math.sin(TAU * (1.5 * u - t))
        if not still:
            wy += 0.02 * math.sin(TAU * (3 * u + 2 * t))
        if v < wy:
            c = mix(hexc("#FFF8E1"), hexc("#BDEBFA"), v / wy)
            sun = math.hypot(u - 0.64, v - 0.29)
            c = mix(c, hexc("#FFE9A8"), 0.6 * math.exp(-(sun / 0.13) ** 2))
            c = mix(c, hexc("#FFD24F"), smoothstep(0.085, 0.07, sun))
        else:
            depth = (v - wy) / (1.0 - wy)
            c = ramp([(0.0, hexc("#52C3E6")), (0.45, hexc("#1F86BF")), (1.0, hexc("#0B3D6B"))],
                     depth)
            caustic = max(0.0, math.sin(TAU * (4 * u + 2 * t)) * math.sin(TAU * (3 * v - t)))
            c = mix(c, hexc("#9FE6F8"), 0.2 * caustic * (1.0 - depth))
            c = mix(c, hexc("#F2FDFF"), 0.85 * math.exp(-((v - wy) / 0.022) ** 2))
            for phase, i in bubbles:
                bx = 0.32 + 0.18 * i + 0.03 * math.sin(TAU * phase * 2)
                by = 0.92 - 0.45 * phase
                if by < wy + 0.03:
                    continue
                br = 0.03 + 0.025 * phase
                d = math.hypot(u - bx, v - by)
                c = mix(c, hexc("#E8FBFF"), 0.85 * math.exp(-((d - br) / 0.013) ** 2))
                c = mix(c, WHITE, 0.9 * math.exp(-(math.hypot(u - bx + br * 0.4,
                                                              v - by + br * 0.4) / 0.012) ** 2))
        shine = ((u - 0.38) / 0.22) ** 2 + ((v - 0.26) / 0.11) ** 2
        if shine < 1.0:
            c = mix(c, WHITE, 0.4 * (1.0 - shine))
        return mix(c, hexc("#0B3D6B"), 0.35 * smoothstep(outer - rim - 0.08, outer - rim, r))

    return shade


# ---------------------------------------------------------------------------------------------
# Autumn: a cream-and-amber toolbar with faint fallen leaves; a wreath of leaves lighting up.

AUTUMN_LEAVES = [hexc("#C0392B"), hexc("#D9661F"), hexc("#E8A33D"), hexc("#9A7B2F")]


def _scattered_leaves(seed, count):
    rng = random.Random(seed)
    return [(rng.uniform(0, W), rng.uniform(0, H), rng.uniform(16, 27), rng.uniform(0, TAU),
             AUTUMN_LEAVES[i % len(AUTUMN_LEAVES)]) for i in range(count)]


_AUTUMN_TOOLBAR_LEAVES = _scattered_leaves(1979, 14)


def autumn_toolbar(x, y):
    c = mix(hexc("#FBEBCB"), hexc("#F0C98C"), band(y))
    for cx, cy, size, angle, colour in _AUTUMN_TOOLBAR_LEAVES:
        du, dv = wrap_delta(x - cx, W), wrap_delta(y - cy, H)
        if abs(du) > size or abs(dv) > size:
            continue
        hit = leaf(du + math.cos(angle) * size / 2, dv + math.sin(angle) * size / 2, angle,
                   size, size * 0.32)
        if hit:
            tone = mix(colour, hexc("#6B2E0E"), 0.45) if abs(hit[0]) < 0.12 else colour
            c = mix(c, tone, 0.3)
    return c


def autumn_explorer(x, y):
    g = 5 * y / H + 0.35 * math.sin(TAU * 2 * x / W) + 0.15 * math.sin(TAU * (5 * x / W + y / H))
    grain = (0.5 + 0.5 * math.sin(TAU * g)) ** 3
    return mix(hexc("#F6E4C2"), hexc("#D9AE73"), 0.5 * grain + 0.25 * band(y))


def autumn_throbber(t, still):
    count = 8
    head = t * count

    def shade(u, v):
        c = mix(hexc("#FBEBC8"), hexc("#EEC384"), v)
        du, dv = u - 0.5, v - 0.5
        for i in range(count):
            angle = TAU * i / count - math.pi / 2
            base = 0.09
            hit = leaf(du - base * math.cos(angle), dv - base * math.sin(angle), angle, 0.36,
                       0.095)
            if not hit:
                continue
            if still:
                colour = AUTUMN_LEAVES[i % len(AUTUMN_LEAVES)]
            else:
                age = ((head - i) % count) / count
                colour = ramp([(0.0, hexc("#B22A12")), (0.25, hexc("#E0621B")),
                               (0.55, hexc("#F2A93B")), (1.0, hexc("#F6DDA8"))], age)
            across, along = hit
            colour = mix(colour, hexc("#5A260B"), 0.3 * abs(across) ** 4)
            if abs(across) < 0.14 and along < 0.9:
                colour = mix(colour, hexc("#6B2E0E"), 0.45)
            return colour
        r = math.hypot(du, dv)
        if r < 0.07:
            c = mix(hexc("#C98A4B"), hexc("#6E3A12"), smoothstep(0.0, 0.07, math.hypot(du + 0.02,
                                                                                       dv + 0.02)))
        return c

    return shade


# ---------------------------------------------------------------------------------------------
# Aqua: glassy pinstripes; a glossy gel orb with a droplet orbiting it.

def aqua_toolbar(x, y):
    c = mix(hexc("#EEF7FC"), hexc("#CDEAF7"), band(y))
    if int(y) % 4 < 2:
        c = mix(c, WHITE, 0.45)
    sheen = math.exp(-(wrap_delta(y - H * 0.25, H) / (H * 0.12)) ** 2)
    c = mix(c, WHITE, 0.3 * sheen)
    return mix(c, hexc("#7CC8EA"), 0.12 * (0.5 + 0.5 * math.sin(TAU * (x / W + 2 * y / H))))


_AQUA_ROWS = random.Random(7).choices(range(1000), k=H)


def aqua_explorer(x, y):
    row = int(y) % H
    rng = random.Random(_AQUA_ROWS[row])
    streak = sum(rng.uniform(0.2, 1.0) * math.sin(TAU * (k * x / W) + rng.uniform(0, TAU))
                 for k in (1, 3, 7)) / 3.0
    level = rng.uniform(0.0, 1.0)
    c = mix(hexc("#EEF4F7"), hexc("#C4DCE8"), clamp(0.45 * level + 0.3 * streak + 0.35 * band(y)))
    return mix(c, hexc("#8FD3EE"), 0.15)


def aqua_throbber(t, still):
    radius = 0.24 + (0.0 if still else 0.015 * math.sin(TAU * t))
    head = TAU * t - math.pi / 2
    hx, hy = 0.5 + 0.37 * math.cos(head), 0.5 + 0.37 * math.sin(head)

    def shade(u, v):
        c = mix(hexc("#E9F7FD"), hexc("#BCE5F6"), v)
        du, dv = u - 0.5, v - 0.5
        r = math.hypot(du, dv)
        c = mix(c, hexc("#9ED7EE"), 0.55 * math.exp(-((r - 0.37) / 0.028) ** 2))
        if not still:
            behind = (head - math.atan2(dv, du)) % TAU
            tail = math.exp(-behind * 1.4) * math.exp(-((r - 0.37) / 0.045) ** 2)
            c = mix(c, hexc("#18A6E0"), 0.9 * tail)
            d = math.hypot(u - hx, v - hy)
            if d < 0.075:
                c = mix(WHITE, hexc("#22B4EA"), smoothstep(0.0, 0.075,
                                                          math.hypot(u - hx + 0.02, v - hy + 0.02)))
        shadow = ((du / radius) ** 2 + ((dv - radius * 0.95) / 0.16) ** 2)
        c = mix(c, hexc("#5E9FBF"), 0.35 * math.exp(-shadow * 2.0))
        if r < radius:
            n = r / radius
            c = mix(hexc("#0B6FB3"), hexc("#3CC3F0"), (dv / radius + 1.0) / 2.0)
            c = mix(c, hexc("#064A80"), 0.6 * n ** 4)
            glow = ((du / (0.7 * radius)) ** 2 + ((dv - 0.55 * radius) / (0.35 * radius)) ** 2)
            c = mix(c, hexc("#A8F0FF"), 0.6 * math.exp(-glow))
            glint = (du / (0.62 * radius)) ** 2 + ((dv + 0.5 * radius) / (0.36 * radius)) ** 2
            if glint < 1.0:
                fade = clamp(1.0 - (dv + 0.86 * radius) / (0.72 * radius))
                c = mix(c, WHITE, 0.9 * (1.0 - glint) ** 0.5 * (0.35 + 0.65 * fade))
        return c

    return shade


# ---------------------------------------------------------------------------------------------
# Blue: satin stripes in soft blues; the classic ring of twelve dots.

def blue_toolbar(x, y):
    c = mix(hexc("#E1EAF9"), hexc("#A8C0EB"), band(y))
    satin = 0.5 + 0.5 * math.sin(TAU * (4 * x / W + y / H))
    c = mix(c, WHITE, 0.22 * satin ** 4)
    if int(y) % 4 == 0:
        c = mix(c, hexc("#6F8FD0"), 0.1)
    return c


def blue_throbber(t, still):
    count = 12
    head = round(t * count) % count

    def shade(u, v):
        c = mix(hexc("#DCE7F8"), hexc("#AFC6EA"), v)
        for i in range(count):
            angle = TAU * i / count - math.pi / 2
            cx, cy = 0.5 + 0.34 * math.cos(angle), 0.5 + 0.34 * math.sin(angle)
            age = ((head - i) % count) / count
            if still:
                age = 0.25 + 0.5 * (i % 2)
            size = 0.09 - 0.035 * age
            d = math.hypot(u - cx, v - cy)
            if d < size:
                dot = ramp([(0.0, hexc("#0A2A78")), (0.35, hexc("#2F5FC0")),
                            (1.0, hexc("#A9C0EA"))], age)
                lit = math.hypot(u - cx + size * 0.35, v - cy + size * 0.35) / size
                return mix(dot, WHITE, 0.35 * clamp(1.0 - lit))
        return c

    return shade

"""Short synthesised event sounds for the sample themes, written as 16-bit mono PCM WAV files.

Every sound is a sum of decaying partials or noise; 11025 samples per second keeps the files
to a few kilobytes, which is plenty for chimes below 4 kHz.
"""

import math
import random
import struct
import wave

RATE = 11025


def tone(freq, length, decay=6.0, partials=((1.0, 1.0),), start_freq=None, vibrato=0.0):
    """A note of `length` seconds: partials are (frequency ratio, amplitude) pairs; the pitch
    glides from start_freq to freq over the note when start_freq is given; amplitude decays
    exponentially at `decay` per second."""
    n = int(RATE * length)
    out = [0.0] * n
    phase = [0.0] * len(partials)
    for i in range(n):
        t = i / RATE
        f = freq
        if start_freq is not None:
            f = start_freq * (freq / start_freq) ** (t / length)
        if vibrato:
            f *= 1.0 + vibrato * math.sin(2 * math.pi * 7.0 * t)
        env = math.exp(-decay * t)
        s = 0.0
        for k, (ratio, amp) in enumerate(partials):
            phase[k] += 2 * math.pi * f * ratio / RATE
            s += amp * math.sin(phase[k])
        out[i] = s * env
    return out


def noise(length, seed, cutoff=0.1, decay=4.0, swell=0.3):
    """Soft low-passed noise that swells in then fades (a wash, a swoosh)."""
    rng = random.Random(seed)
    n = int(RATE * length)
    out, y = [0.0] * n, 0.0
    for i in range(n):
        t = i / RATE
        y += cutoff * (rng.uniform(-1.0, 1.0) - y)
        env = min(1.0, t / swell) * math.exp(-decay * max(0.0, t - swell))
        out[i] = y * env * 3.0
    return out


def silence(length):
    return [0.0] * int(RATE * length)


def seq(*parts):
    """Parts one after the other."""
    out = []
    for p in parts:
        out.extend(p)
    return out


def overlay(*parts):
    """Parts (sample lists) mixed from the same start."""
    n = max(len(p) for p in parts)
    out = [0.0] * n
    for p in parts:
        for i, v in enumerate(p):
            out[i] += v
    return out


def at(offset, part):
    """A part delayed by `offset` seconds."""
    return silence(offset) + part


def write_wav(path, samples, peak=0.55):
    """Normalises to `peak`, fades the ends by 4 ms against clicks, writes 16-bit mono PCM."""
    top = max(1e-9, max(abs(v) for v in samples))
    fade = int(RATE * 0.004)
    n = len(samples)
    frames = bytearray()
    for i, v in enumerate(samples):
        g = min(1.0, i / fade, (n - 1 - i) / fade) if fade else 1.0
        frames += struct.pack("<h", int(round(v / top * peak * g * 32767)))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))

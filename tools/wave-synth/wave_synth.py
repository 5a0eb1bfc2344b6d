#!/usr/bin/env python3
"""wave_synth: renders a sound recipe into a 16-bit mono PCM WAVE file.

    wave_synth.py <recipe.sound> <out.wav>

A recipe is a list of layers, one per line, mixed together:

    length 0.6                         total length in seconds (the file is exactly this long)
    seed 7                             seed of the random layers (the output is reproducible)
    <wave> key=value ...               one layer

Waves: sine, triangle, square, saw, noise; and the textures `crackle` (random clicks),
`bubbles` (random rising blips) and `strokes` (bursts of noise at a steady pace).
Keys (seconds, hertz, linear gain):
    at, for        start and duration of the layer
    freq, to       start and end frequency (a linear glide); ratio=r adds a partial at freq*r
    gain           peak level
    attack         rise time; decay=t makes the level fall exponentially with time constant t,
                   otherwise the level holds and release=t fades the end
    vibrato=hz     with depth=cents
    lowpass, highpass   one-pole filters on the layer
    rate           events per second of the textures
"""

import math
import random
import struct
import sys

RATE = 44100


def parse(text):
    length, seed, layers = 1.0, 1, []
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        word, *args = line.split()
        if word == "length":
            length = float(args[0])
        elif word == "seed":
            seed = int(args[0])
        else:
            try:
                keys = dict(a.split("=", 1) for a in args)
                layers.append((word, {k: float(v) for k, v in keys.items()}))
            except ValueError:
                raise SystemExit(f"line {number}: bad layer {line!r}")
    return length, seed, layers


def oscillator(kind, phase):
    p = phase % 1.0
    if kind == "sine":
        return math.sin(2 * math.pi * p)
    if kind == "triangle":
        return 4 * p - 1 if p < 0.5 else 3 - 4 * p
    if kind == "square":
        return 1.0 if p < 0.5 else -1.0
    if kind == "saw":
        return 2 * p - 1
    raise SystemExit(f"unknown wave {kind!r}")


def envelope(t, dur, k):
    attack = k.get("attack", 0.002)
    level = t / attack if t < attack else 1.0
    if "decay" in k and t >= attack:
        level *= math.exp(-(t - attack) / k["decay"])
    release = k.get("release", 0.004)
    if t > dur - release:
        level *= max(0.0, (dur - t) / release)
    return level


def filtered(samples, k):
    if "lowpass" in k:
        a = 1 - math.exp(-2 * math.pi * k["lowpass"] / RATE)
        y = 0.0
        for i, x in enumerate(samples):
            y += a * (x - y)
            samples[i] = y
    if "highpass" in k:
        a = math.exp(-2 * math.pi * k["highpass"] / RATE)
        prev_x = prev_y = 0.0
        for i, x in enumerate(samples):
            prev_y = a * (prev_y + x - prev_x)
            prev_x = x
            samples[i] = prev_y
    return samples


def tone(kind, k, rnd):
    dur = k.get("for", 0.1)
    n = int(dur * RATE)
    f0 = k.get("freq", 440.0)
    f1 = k.get("to", f0)
    ratio = k.get("ratio")
    vib, depth = k.get("vibrato", 0.0), k.get("depth", 0.0)
    out, phase, phase2 = [0.0] * n, 0.0, 0.0
    for i in range(n):
        t = i / RATE
        f = f0 + (f1 - f0) * t / dur
        if vib:
            f *= 2 ** (depth * math.sin(2 * math.pi * vib * t) / 1200)
        if kind == "noise":
            v = rnd.uniform(-1, 1)
        else:
            v = oscillator(kind, phase)
            if ratio:
                v = 0.7 * v + 0.3 * math.sin(2 * math.pi * phase2)
        phase += f / RATE
        phase2 += f * (ratio or 1) / RATE
        out[i] = v * envelope(t, dur, k)
    return out


def texture(kind, k, rnd):
    dur = k.get("for", 0.5)
    n = int(dur * RATE)
    out = [0.0] * n
    rate = k.get("rate", 20)
    count = max(1, int(rate * dur))
    for e in range(count):
        if kind == "strokes":
            start = e / rate
        else:
            start = rnd.uniform(0, dur)
        if kind == "crackle":
            length, amp = rnd.uniform(0.001, 0.004), rnd.uniform(0.3, 1.0)
            for i in range(int(length * RATE)):
                j = int(start * RATE) + i
                if j < n:
                    out[j] += rnd.uniform(-1, 1) * amp * (1 - i / (length * RATE))
        elif kind == "bubbles":
            length = rnd.uniform(0.02, 0.05)
            f0 = rnd.uniform(k.get("freq", 300), k.get("to", 900))
            phase = 0.0
            for i in range(int(length * RATE)):
                j = int(start * RATE) + i
                if j >= n:
                    break
                t = i / RATE
                phase += f0 * (1 + 2.5 * t / length) / RATE
                out[j] += math.sin(2 * math.pi * phase) * math.sin(math.pi * t / length)
        elif kind == "strokes":
            length = min(1 / rate * 0.8, 0.25)
            for i in range(int(length * RATE)):
                j = int(start * RATE) + i
                if j >= n:
                    break
                t = i / RATE
                out[j] += rnd.uniform(-1, 1) * math.sin(math.pi * t / length) ** 2
    for i in range(n):
        out[i] *= envelope(i / RATE, dur, k)
    return out


def render(length, seed, layers):
    rnd = random.Random(seed)
    mix = [0.0] * int(length * RATE)
    for kind, k in layers:
        if kind in ("crackle", "bubbles", "strokes"):
            samples = texture(kind, k, rnd)
        else:
            samples = tone(kind, k, rnd)
        samples = filtered(samples, k)
        gain = k.get("gain", 0.5)
        start = int(k.get("at", 0.0) * RATE)
        for i, v in enumerate(samples):
            if start + i < len(mix):
                mix[start + i] += v * gain
    peak = max((abs(v) for v in mix), default=0.0)
    if peak > 0.95:  # keep clear of clipping whatever the layers add up to
        mix = [v * 0.95 / peak for v in mix]
    fade = min(len(mix), int(0.004 * RATE))  # the last samples reach silence: no click
    for i in range(fade):
        mix[len(mix) - 1 - i] *= i / fade
    return mix


def write_wave(path, samples):
    data = b"".join(struct.pack("<h", int(round(max(-1.0, min(1.0, v)) * 32767))) for v in samples)
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE * 2, 2, 16)
    header += b"data" + struct.pack("<I", len(data))
    with open(path, "wb") as f:
        f.write(header + data)


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: wave_synth.py <recipe.sound> <out.wav>")
    with open(sys.argv[1], encoding="utf-8") as f:
        length, seed, layers = parse(f.read())
    write_wave(sys.argv[2], render(length, seed, layers))


if __name__ == "__main__":
    main()

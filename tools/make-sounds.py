#!/usr/bin/env python3
"""Synthesises the game's four default sounds into data/sounds/ (16-bit mono, 22050 Hz).

ahooga.wav  hint: a two-tone horn whose pitch swoops up
clap.wav    win: a short round of applause from band-passed noise bursts
tada.wav    a quote file starts over: a rising major arpeggio and chord
uhoh.wav    error: two soft falling tones

Only the standard library is used; the noise comes from a fixed seed, so every run writes the
same bytes. Usage: python3 tools/make-sounds.py [output folder]
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
PEAK = 0.7  # of full scale, leaving headroom


def envelope(i, n, attack, release):
    """Linear fade in over `attack` seconds and out over `release` seconds."""
    t = i / RATE
    left = (n - i) / RATE
    return min(1.0, t / attack if attack else 1.0, left / release if release else 1.0)


def tone(freq_start, freq_end, seconds, harmonics=(1.0,), attack=0.01, release=0.05):
    """A tone gliding from freq_start to freq_end, built from the given harmonic weights."""
    n = int(seconds * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        f = freq_start + (freq_end - freq_start) * (i / n)
        phase += 2 * math.pi * f / RATE
        s = sum(w * math.sin(k * phase) for k, w in enumerate(harmonics, 1))
        out.append(s * envelope(i, n, attack, release))
    return out


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix(into, samples, at_seconds, gain=1.0):
    start = int(at_seconds * RATE)
    need = start + len(samples)
    if len(into) < need:
        into.extend([0.0] * (need - len(into)))
    for i, s in enumerate(samples):
        into[start + i] += s * gain
    return into


def ahooga():
    # A horn: rich odd-heavy harmonics, each note gliding upward like a squeeze bulb horn.
    horn = (1.0, 0.6, 0.45, 0.3, 0.2, 0.12)
    first = tone(180, 260, 0.32, horn, attack=0.03, release=0.06)
    second = tone(240, 350, 0.42, horn, attack=0.03, release=0.12)
    return first + silence(0.05) + second


def clap():
    # Applause: many short claps of noise, each through a simple band-pass, at random moments.
    rng = random.Random(1992)
    out = silence(1.2)
    for _ in range(34):
        at = rng.uniform(0.0, 1.05)
        n = int(rng.uniform(0.025, 0.05) * RATE)
        low = high = 0.0
        burst = []
        for i in range(n):
            x = rng.uniform(-1.0, 1.0)
            high += 0.55 * (x - high)       # low-pass
            low += 0.08 * (high - low)      # minus a slower low-pass: band-pass
            burst.append((high - low) * math.exp(-i / (0.012 * RATE)))
        # Claps thin out towards the end.
        mix(out, burst, at, gain=rng.uniform(0.5, 1.0) * (1.2 - at) / 1.2 + 0.15)
    return out


def tada():
    # C major: C E G then the chord with the octave, bright and short.
    brass = (1.0, 0.5, 0.3, 0.15)
    notes = [261.63, 329.63, 392.00]
    out = []
    for k, f in enumerate(notes):
        mix(out, tone(f, f, 0.16, brass, release=0.04), 0.13 * k)
    for f in notes + [523.25]:
        mix(out, tone(f, f, 0.7, brass, attack=0.02, release=0.4), 0.42, gain=0.5)
    return out


def uhoh():
    # Two soft tones, the second a minor third lower, each sagging a little.
    soft = (1.0, 0.25, 0.08)
    return (tone(440, 420, 0.22, soft, attack=0.02, release=0.06) + silence(0.06) +
            tone(370, 330, 0.36, soft, attack=0.02, release=0.2))


def write(path, samples):
    top = max(1e-9, max(abs(s) for s in samples))
    frames = b"".join(
        struct.pack("<h", int(round(s / top * PEAK * 32767))) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "sounds")
    os.makedirs(folder, exist_ok=True)
    for name, make in (("ahooga", ahooga), ("clap", clap), ("tada", tada), ("uhoh", uhoh)):
        samples = make()
        write(os.path.join(folder, name + ".wav"), samples)
        print(f"{name}.wav: {len(samples) / RATE:.2f} s")


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Writes the three alarm sounds of the monitor into resources/sounds/.

SND_NEWEVENT1  Very High alarm, looped: PCM mono 11025 Hz  8-bit, 1.7 s
SND_NEWEVENT2  High alarm, looped:      PCM mono 22050 Hz 16-bit, 1.2 s
SND_NEWEVENT3  other events, once:      PCM mono 11025 Hz 16-bit, 0.9 s

Every tone starts and ends with a short fade so that neither the tone edges
nor the loop point click. The output is deterministic: running the script
again writes the same bytes.

Usage: /usr/bin/python3 scripts/make-sounds.py [output-folder]
"""

import math
import os
import struct
import sys
import wave

FADE_S = 0.012


def tone(freq, length_s, rate, level, decay=0.0):
    """One note with a few soft harmonics, faded in and out."""
    count = int(round(length_s * rate))
    fade = max(1, int(FADE_S * rate))
    samples = []
    for i in range(count):
        t = i / rate
        value = (math.sin(2 * math.pi * freq * t)
                 + 0.30 * math.sin(2 * math.pi * 2 * freq * t)
                 + 0.12 * math.sin(2 * math.pi * 3 * freq * t)) / 1.42
        envelope = 1.0
        if i < fade:
            envelope = 0.5 - 0.5 * math.cos(math.pi * i / fade)
        elif i >= count - fade:
            envelope = 0.5 - 0.5 * math.cos(math.pi * (count - 1 - i) / fade)
        if decay:
            envelope *= math.exp(-decay * t)
        samples.append(level * envelope * value)
    return samples


def silence(length_s, rate):
    return [0.0] * int(round(length_s * rate))


def fit(samples, length_s, rate):
    """Pads with silence (or cuts) to exactly the stated length."""
    count = int(round(length_s * rate))
    return (samples + [0.0] * count)[:count]


def write_wav(path, rate, bits, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(bits // 8)
        out.setframerate(rate)
        if bits == 8:
            # 8-bit PCM is unsigned, silence at 128.
            data = bytes(max(0, min(255, int(round(128 + 127 * s)))) for s in samples)
        else:
            data = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(32767 * s)))))
                            for s in samples)
        out.writeframes(data)


def very_high(rate):
    # Urgent hi-lo alternation, four notes, then a short breath before the loop.
    s = []
    for freq in (988.0, 740.0, 988.0, 740.0):
        s += tone(freq, 0.34, rate, 0.80) + silence(0.04, rate)
    return fit(s, 1.7, rate)


def high(rate):
    # Double beep, then a pause: insistent but calmer than Very High.
    s = tone(880.0, 0.22, rate, 0.70) + silence(0.08, rate)
    s += tone(880.0, 0.22, rate, 0.70)
    return fit(s, 1.2, rate)


def notice(rate):
    # Rising two-note chime that dies away, played once.
    s = tone(660.0, 0.30, rate, 0.60, decay=2.0) + silence(0.03, rate)
    s += tone(880.0, 0.50, rate, 0.60, decay=3.0)
    return fit(s, 0.9, rate)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "sounds")
    os.makedirs(folder, exist_ok=True)
    write_wav(os.path.join(folder, "SND_NEWEVENT1.wav"), 11025, 8, very_high(11025))
    write_wav(os.path.join(folder, "SND_NEWEVENT2.wav"), 22050, 16, high(22050))
    write_wav(os.path.join(folder, "SND_NEWEVENT3.wav"), 11025, 16, notice(11025))


if __name__ == "__main__":
    main()

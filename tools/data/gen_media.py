#!/usr/bin/env python3
"""Synthesises the program's sounds into modules/media/.

    python3 tools/data/gen_media.py

    00.mp3  background tune: a calm 32 s loop of soft chords (Cmaj7 Am7
            Fmaj7 G6, then Cmaj7 Em7 Fmaj7 Gsus4) with a bell melody; quiet
            (peak about -15 dBFS) because it plays under everything else,
            and it starts and ends in near silence so that the restart at
            the end of each loop (and the small gap an MP3 decoder adds)
            is not heard as a click
    01.wav  opening sound: a rising C major 9 arpeggio of bells, 1.4 s,
            ending in silence (the tune starts when it ends)
    02.wav  page change: two soft notes, G5 then C6, 0.25 s
    03.wav  logo click: three quick high notes, E6 G6 C7, 0.3 s
    04.wav  button click: a 45 ms soft tick (it plays on every click, so
            it is short: a repeated click restarts it cleanly)

Everything is computed here in plain Python (wave module), mono, 16 bit,
22050 Hz; the tune is encoded with lame (Debian package "lame", needed only
to regenerate) as 64 kbit/s constant bit rate mono MP3. The output is
deterministic.
"""

import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

RATE = 22050
HERE = os.path.dirname(os.path.abspath(__file__))
MEDIA = os.path.normpath(os.path.join(HERE, "..", "..", "modules", "media"))


def hz(note):
    """MIDI note number -> frequency."""
    return 440.0 * 2 ** ((note - 69) / 12.0)


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(buf, start, samples, gain=1.0):
    i0 = int(round(start * RATE))
    need = i0 + len(samples)
    if need > len(buf):
        buf.extend([0.0] * (need - len(buf)))
    for i, s in enumerate(samples):
        buf[i0 + i] += gain * s


def bell(freq, seconds, decay=3.0, bright=0.35):
    """A soft bell: fundamental, a quiet octave and a faint fifth above it,
    5 ms attack, exponential decay."""
    n = int(seconds * RATE)
    out = []
    w = 2 * math.pi * freq / RATE
    attack = 0.005 * RATE
    for i in range(n):
        env = math.exp(-decay * i / RATE) * min(1.0, i / attack)
        s = (math.sin(w * i) + bright * math.sin(2 * w * i) * math.exp(-4 * i / RATE)
             + 0.12 * math.sin(3 * w * i) * math.exp(-8 * i / RATE))
        out.append(env * s)
    # release the last 20 ms to zero
    tail = int(0.02 * RATE)
    for i in range(min(tail, n)):
        out[n - 1 - i] *= i / tail
    return out


def pad(freqs, seconds, attack=1.2, release=1.2):
    """A soft chord: detuned sine pairs with slow attack and release."""
    n = int(seconds * RATE)
    ws = [(2 * math.pi * f / RATE, 2 * math.pi * f * 1.003 / RATE) for f in freqs]
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / attack, (seconds - t) / release)
        env = env * env * (3 - 2 * env)          # smooth step
        s = 0.0
        for w1, w2 in ws:
            s += math.sin(w1 * i) + 0.6 * math.sin(w2 * i)
        out.append(env * s / len(ws))
    return out


def normalise(buf, peak_db):
    peak = max(abs(s) for s in buf) or 1.0
    g = 10 ** (peak_db / 20.0) / peak
    return [s * g for s in buf]


def fade_edges(buf, fade_in, fade_out):
    a, b = int(fade_in * RATE), int(fade_out * RATE)
    for i in range(a):
        buf[i] *= i / a
    n = len(buf)
    for i in range(b):
        buf[n - 1 - i] *= i / b
    return buf


def write_wav(path, buf):
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * 32767)))))
                      for s in buf)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


# ---------------------------------------------------------------------------

def opening():
    buf = silence(1.4)
    for i, note in enumerate([60, 64, 67, 71, 74]):       # C E G B D
        mix_into(buf, 0.07 * i, bell(hz(note), 1.4 - 0.07 * i, decay=3.2))
    mix_into(buf, 0.35, bell(hz(84), 1.05, decay=4.0, bright=0.2), 0.35)  # C7 sparkle
    return fade_edges(normalise(buf, -4.0), 0.002, 0.15)


def page_change():
    buf = silence(0.25)
    mix_into(buf, 0.0, bell(hz(79), 0.12, decay=18.0, bright=0.2))
    mix_into(buf, 0.07, bell(hz(84), 0.18, decay=16.0, bright=0.2))
    return fade_edges(normalise(buf, -8.0), 0.002, 0.03)


def logo_click():
    buf = silence(0.3)
    for i, note in enumerate([88, 91, 96]):             # E6 G6 C7
        mix_into(buf, 0.05 * i, bell(hz(note), 0.3 - 0.05 * i, decay=14.0, bright=0.15))
    return fade_edges(normalise(buf, -8.0), 0.002, 0.04)


def button_click():
    rnd = random.Random(7)
    n = int(0.045 * RATE)
    buf = []
    w = 2 * math.pi * 1650.0 / RATE
    for i in range(n):
        env = math.exp(-120.0 * i / RATE)
        noise = (rnd.random() * 2 - 1) * math.exp(-400.0 * i / RATE)
        buf.append(env * math.sin(w * i) + 0.25 * noise)
    return fade_edges(normalise(buf, -10.0), 0.0005, 0.01)


def tune():
    bar = 4.0
    chords = [[48, 55, 59, 64],     # Cmaj7 (C3 G3 B3 E4)
              [45, 52, 55, 60],     # Am7   (A2 E3 G3 C4)
              [41, 48, 52, 57],     # Fmaj7 (F2 C3 E3 A3)
              [43, 50, 52, 59],     # G6    (G2 D3 E3 B3)
              [48, 55, 59, 64],     # Cmaj7
              [40, 47, 50, 55],     # Em7   (E2 B2 D3 G3)
              [41, 48, 52, 57],     # Fmaj7
              [43, 48, 50, 55]]     # Gsus4 (G2 C3 D3 G3)
    # melody: (bar, beat, note, length in beats); C major pentatonic
    melody = [(0, 0.0, 76, 1.5), (0, 1.5, 79, 0.5), (0, 2.0, 81, 1.0), (0, 3.0, 79, 1.0),
              (1, 0.0, 76, 1.0), (1, 1.0, 72, 1.0), (1, 2.0, 74, 2.0),
              (2, 0.0, 72, 1.5), (2, 1.5, 74, 0.5), (2, 2.0, 76, 1.0), (2, 3.0, 81, 1.0),
              (3, 0.0, 79, 2.0), (3, 2.0, 74, 1.0), (3, 3.0, 71, 1.0),
              (4, 0.0, 72, 1.0), (4, 1.0, 76, 1.0), (4, 2.0, 79, 2.0),
              (5, 0.0, 79, 1.0), (5, 1.0, 76, 1.0), (5, 2.0, 74, 1.5), (5, 3.5, 76, 0.5),
              (6, 0.0, 81, 1.5), (6, 1.5, 79, 0.5), (6, 2.0, 76, 2.0),
              (7, 0.0, 74, 1.0), (7, 1.0, 72, 1.0), (7, 2.0, 74, 1.0), (7, 3.0, 72, 1.0)]
    total = bar * len(chords)
    buf = silence(total)
    for b, chord in enumerate(chords):
        # each chord overlaps the next a little so the harmony flows
        length = bar + (0.6 if b < len(chords) - 1 else 0.0)
        mix_into(buf, b * bar, pad([hz(n) for n in chord], length,
                                   attack=1.0 if b else 1.6, release=1.4), 0.55)
    beat = bar / 4.0
    for b, pos, note, beats in melody:
        start = b * bar + pos * beat
        length = min(beats * beat + 0.8, total - start)
        mix_into(buf, start, bell(hz(note), length, decay=2.2, bright=0.25), 0.32)
    del buf[int(total * RATE):]
    return fade_edges(normalise(buf, -15.0), 0.3, 1.0)


def encode_mp3(wav_path, mp3_path):
    lame = shutil.which("lame")
    if not lame:
        sys.exit("lame is needed for the MP3 (apt-get install lame)")
    subprocess.check_call([lame, "--quiet", "-m", "m", "--cbr", "-b", "64",
                           "--noreplaygain", wav_path, mp3_path])


def check(name, buf, max_seconds, edge_db=-40.0):
    """No clipping, the intended length, and silent edges (no click when the
    sound starts, is cut off by a restart, or loops)."""
    def level(part):
        return 20 * math.log10(max(max(abs(s) for s in part), 1e-9))
    edge = int(0.003 * RATE)
    problems = []
    if max(abs(s) for s in buf) > 1.0:
        problems.append("clips")
    if len(buf) > max_seconds * RATE:
        problems.append("longer than %.2f s" % max_seconds)
    if level(buf[:1]) > edge_db or level(buf[-edge:]) > edge_db:
        problems.append("edges not silent")
    if problems:
        sys.exit("%s: %s" % (name, ", ".join(problems)))


def main():
    os.makedirs(MEDIA, exist_ok=True)
    sounds = [("01.wav", opening(), 1.5), ("02.wav", page_change(), 0.3),
              ("03.wav", logo_click(), 0.35), ("04.wav", button_click(), 0.05)]
    for name, buf, limit in sounds:
        check(name, buf, limit)
        write_wav(os.path.join(MEDIA, name), buf)
    music = tune()
    check("00.mp3", music, 33.0)
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "00.wav")
        write_wav(wav, music)
        encode_mp3(wav, os.path.join(MEDIA, "00.mp3"))
    for name in sorted(os.listdir(MEDIA)):
        print("%-7s %7d bytes" % (name, os.path.getsize(os.path.join(MEDIA, name))))


if __name__ == "__main__":
    main()

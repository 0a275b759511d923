#!/usr/bin/env python3
# Makes the program's event sounds in data/media/: every file is synthesised here from
# oscillators, plucked strings (Karplus-Strong), bell partials and filtered noise, using only
# the Python standard library. Files are 16-bit mono 22050 Hz PCM WAV named
# "<event>_<scheme>_<variant>.wav" for the events w (wrong), r (right), card, tranz
# (transition whoosh), hint (soft chime), happy (celebration jingle) and anim (swoosh/blip),
# in the schemes 1 "Cartoons" (boings, slide whistles, pops, plucks), 2 "Simple" (plain
# beeps and chimes) and 3 "Cartoons-2" (toy instruments: kalimba, ocarina, music box).
# Each sound is peak-normalised to -3 dBFS with short fades so it never clicks or clips.
# Random parts are seeded per file, so running the script again writes identical files.
# Usage: scripts/make-sounds.py [output folder]   (default: data/media next to scripts/)

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
PEAK = 10 ** (-3 / 20)  # -3 dBFS
LOUD = 10 ** (-10 / 20)  # short-term RMS ceiling, keeps sustained tones level with plucks
SOFT = 10 ** (-13 / 20)  # ceiling for the gentle hint chimes
TWO_PI = 2 * math.pi
NYQ_SAFE = RATE * 0.45


def note_hz(name):
    """Frequency of a note name such as 'C5', 'F#3' or 'Bb4' (A4 = 440 Hz)."""
    steps = {'C': -9, 'D': -7, 'E': -5, 'F': -4, 'G': -2, 'A': 0, 'B': 2}
    semis = steps[name[0]]
    rest = name[1:]
    if rest[0] == '#':
        semis += 1
        rest = rest[1:]
    elif rest[0] == 'b':
        semis -= 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((semis + 12 * (octave - 4)) / 12)


def count(dur):
    return max(1, int(round(dur * RATE)))


def tail_fade(out, seconds=0.012):
    """Every generator ends on a short fade, so notes cut short inside a mix never click."""
    n = min(len(out) // 4, int(seconds * RATE))
    for i in range(n):
        out[len(out) - 1 - i] *= i / n
    return out


def mix(dst, src, at=0.0, gain=1.0):
    """Adds src into dst starting at time `at`, growing dst as needed."""
    start = int(round(at * RATE))
    need = start + len(src)
    if len(dst) < need:
        dst.extend([0.0] * (need - len(dst)))
    for i, s in enumerate(src):
        dst[start + i] += s * gain
    return dst


# ---------------------------------------------------------------- envelopes

def perc(attack, tau):
    """Fast attack, exponential decay with time constant tau."""
    def env(t):
        if t < attack:
            return t / attack
        return math.exp(-(t - attack) / tau)
    return env


def adsr(a, d, s, r, dur):
    def env(t):
        if t < a:
            return t / a
        if t < a + d:
            return 1 - (1 - s) * (t - a) / d
        if t < dur - r:
            return s
        return max(0.0, s * (dur - t) / r)
    return env


def swell(dur, peak_at=0.5):
    """Rises and falls smoothly, peak at peak_at * dur (for whooshes)."""
    def env(t):
        x = t / dur
        if x <= peak_at:
            return math.sin(0.5 * math.pi * x / peak_at) ** 2
        return math.cos(0.5 * math.pi * (x - peak_at) / (1 - peak_at)) ** 2
    return env


# ---------------------------------------------------------------- generators

def partials_saw(n, tilt=1.3):
    return [(k, 1.0 / k ** tilt) for k in range(1, n + 1)]


def partials_square(n, tilt=1.4):
    return [(k, 1.0 / k ** tilt) for k in range(1, n + 1, 2)]


SINE = [(1, 1.0)]
WARM = [(1, 1.0), (2, 0.35), (3, 0.12), (4, 0.05)]
HOLLOW = partials_square(7, 1.6)
REED = partials_saw(8, 1.5)


def glide(f0, f1, dur, curve='exp'):
    """Frequency function moving from f0 to f1 over dur."""
    def f(t):
        x = min(1.0, t / dur)
        if curve == 'exp':
            return f0 * (f1 / f0) ** x
        if curve == 'ease':
            x = 0.5 - 0.5 * math.cos(math.pi * x)
            return f0 * (f1 / f0) ** x
        return f0 + (f1 - f0) * x
    return f


def with_vibrato(freq, rate, depth, delay=0.0):
    """Wraps a frequency (number or function) with a sine vibrato of `depth` (ratio)."""
    base = freq if callable(freq) else (lambda t: freq)

    def f(t):
        d = depth if t >= delay else depth * t / delay if delay else depth
        return base(t) * (1 + d * math.sin(TWO_PI * rate * t))
    return f


def osc(dur, freq, partials=SINE, env=None, bright=None):
    """Additive oscillator. freq is Hz or a function of time; bright(t) in 0..1 darkens the
    upper partials when low (a wah / filter sweep); partials above Nyquist are skipped."""
    n = count(dur)
    out = [0.0] * n
    fn = freq if callable(freq) else None
    ph = 0.0
    for i in range(n):
        t = i / RATE
        f = fn(t) if fn else freq
        b = bright(t) if bright else 1.0
        s = 0.0
        for k, a in partials:
            if k * f >= NYQ_SAFE:
                break
            w = a if b >= 1.0 or k == 1 else a * math.exp(-(k - 1) * (1 - b) * 1.2)
            s += w * math.sin(k * ph)
        out[i] = s * (env(t) if env else 1.0)
        ph += TWO_PI * f / RATE
    return tail_fade(out)


def bell(freq, dur, ratios=(1.0, 2.0, 2.76, 5.4, 8.93), amps=(1.0, 0.5, 0.35, 0.2, 0.1),
         tau=0.35, attack=0.003):
    """Struck bar/bell: inharmonic partials, upper ones die away faster."""
    out = [0.0] * count(dur)
    for r, a in zip(ratios, amps):
        if freq * r >= NYQ_SAFE:
            continue
        part = osc(dur, freq * r, SINE, perc(attack, tau / r ** 0.7))
        mix(out, part, 0, a)
    return out


def marimba(freq, dur=0.35):
    return bell(freq, dur, ratios=(1.0, 3.93, 9.2), amps=(1.0, 0.35, 0.08), tau=0.16)


def xylo(freq, dur=0.3):
    return bell(freq, dur, ratios=(1.0, 3.0, 6.0), amps=(1.0, 0.25, 0.06), tau=0.09)


def chime(freq, dur=0.8):
    return bell(freq, dur, ratios=(1.0, 2.0, 3.0, 4.2), amps=(1.0, 0.25, 0.1, 0.04), tau=0.35,
                attack=0.008)


def kalimba(freq, dur=0.45):
    body = bell(freq, dur, ratios=(1.0, 5.9), amps=(1.0, 0.22), tau=0.22)
    click = osc(0.012, freq * 7.1, SINE, perc(0.0005, 0.003))
    return mix(body, click, 0, 0.3)


def music_box(freq, dur=0.5):
    return bell(freq, dur, ratios=(1.0, 3.0, 5.04), amps=(1.0, 0.2, 0.06), tau=0.25)


def toy_piano(freq, dur=0.45):
    return bell(freq, dur, ratios=(1.0, 2.0, 3.01, 4.3), amps=(1.0, 0.55, 0.2, 0.15), tau=0.14)


def pluck(freq, dur, rng, damp=0.995, soft=0.5):
    """Karplus-Strong string; soft pre-filters the excitation for a rounder tone."""
    period = max(2, int(round(RATE / freq - 0.5)))
    buf = [rng.uniform(-1, 1) for _ in range(period)]
    for _ in range(int(soft * 4)):
        buf = [0.5 * (buf[i] + buf[i - 1]) for i in range(period)]
    out = []
    idx = 0
    for _ in range(count(dur)):
        cur = buf[idx]
        nxt = buf[(idx + 1) % period]
        out.append(cur)
        buf[idx] = damp * 0.5 * (cur + nxt)
        idx = (idx + 1) % period
    return tail_fade(out)


def noise(dur, rng, centre, q=0.5, env=None, stages=2):
    """Band-passed noise: `stages` state-variable filters in a row; centre is Hz or a
    function of time; q is the damping (smaller = narrower band). Scaled to a fixed RMS
    before the envelope so that mixing gains mean the same for any band."""
    n = count(dur)
    raw = [0.0] * n
    fn = centre if callable(centre) else None
    low = [0.0] * stages
    band = [0.0] * stages
    for i in range(n):
        fc = min(fn(i / RATE) if fn else centre, RATE / 6)
        f = 2 * math.sin(math.pi * fc / RATE)
        x = rng.uniform(-1, 1)
        for st in range(stages):
            low[st] += f * band[st]
            high = x - low[st] - q * band[st]
            band[st] += f * high
            x = band[st]
        raw[i] = x
    scale = 0.35 / (math.sqrt(sum(v * v for v in raw) / n) or 1.0)
    out = [v * scale * (env(i / RATE) if env else 1.0) for i, v in enumerate(raw)]
    return tail_fade(out)


def lowpass(samples, fc):
    """One-pole low-pass, to take the edge off bright plucks."""
    a = 1 - math.exp(-TWO_PI * fc / RATE)
    y = 0.0
    out = []
    for x in samples:
        y += a * (x - y)
        out.append(y)
    return out


def pop(f_start, f_end, dur=0.06):
    """Water-drop / cork pop: a quick pitch chirp with a fast decay."""
    return osc(dur, glide(f_start, f_end, dur * 0.7), WARM, perc(0.004, dur / 4))


def boing(f0, dur, depth=0.3, rate=11.0, drift=1.0, partials=HOLLOW):
    """Jaw-harp spring: pitch wobbles around f0 and settles; drift < 1 sinks the pitch."""
    def f(t):
        wob = depth * math.exp(-t / (dur * 0.45)) * math.sin(TWO_PI * rate * t)
        return f0 * drift ** (t / dur) * (1 + wob)
    return osc(dur, f, partials, perc(0.004, dur / 2.2), bright=lambda t: 1 - 0.6 * t / dur)


def slide_whistle(f0, f1, dur, rng, curve='ease', vib=0.015):
    freq = with_vibrato(glide(f0, f1, dur, curve), 6.5, vib, delay=0.05)
    tone = osc(dur, freq, [(1, 1.0), (2, 0.08), (3, 0.03)], adsr(0.03, 0.05, 0.85, 0.08, dur))
    breath = noise(dur, rng, freq, 0.25, adsr(0.02, 0.05, 0.5, 0.08, dur))
    return mix(tone, breath, 0, 0.12)


def sequence(notes, maker, step, overlap_dur):
    """Plays maker(freq, overlap_dur) at each note, `step` seconds apart."""
    out = []
    for i, name in enumerate(notes):
        f = note_hz(name) if isinstance(name, str) else name
        mix(out, maker(f, overlap_dur), i * step)
    return out


def chord(names, maker, dur, gains=None):
    out = []
    for i, name in enumerate(names):
        mix(out, maker(note_hz(name), dur), 0, gains[i] if gains else 1.0 / len(names))
    return out


# ---------------------------------------------------------------- finishing

def loudest_rms(s, window=0.05):
    """Highest RMS over any 50 ms stretch: a rough measure of how loud a sound seems."""
    win = min(len(s), int(window * RATE))
    best = 0.0
    for start in range(0, len(s) - win + 1, 256):
        best = max(best, sum(x * x for x in s[start:start + win]) / win)
    return math.sqrt(best)


def finish(samples, ceiling=LOUD, fade_in=0.004, fade_out=0.02):
    """Removes DC, adds short fades, normalises the peak to -3 dBFS, but lowers sustained
    sounds further so that no 50 ms stretch is louder than `ceiling` RMS."""
    n = len(samples)
    mean = sum(samples) / n
    s = [x - mean for x in samples]
    fi = max(1, int(fade_in * RATE))
    fo = max(1, int(fade_out * RATE))
    for i in range(min(fi, n)):
        s[i] *= i / fi
    for i in range(min(fo, n)):
        s[n - 1 - i] *= i / fo
    peak = max(abs(x) for x in s) or 1.0
    gain = min(PEAK / peak, ceiling / (loudest_rms(s) or 1.0))
    return [x * gain for x in s]


def write_wav(path, samples):
    data = struct.pack('<%dh' % len(samples),
                       *(max(-32767, min(32767, int(round(x * 32767)))) for x in samples))
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data)


# ---------------------------------------------------------------- scheme 1 "Cartoons"

def cartoon_wrong(v, rng):
    if v == 0:  # "uh-oh": two hollow notes down a minor third
        a = osc(0.2, with_vibrato(note_hz('G4'), 5, 0.01), HOLLOW, adsr(0.01, 0.05, 0.8, 0.05, 0.2))
        b = osc(0.3, with_vibrato(glide(note_hz('E4'), note_hz('D4'), 0.3), 5, 0.015), HOLLOW,
                adsr(0.01, 0.08, 0.7, 0.12, 0.3))
        return mix(a, b, 0.19)
    if v == 1:  # slide whistle going down
        return slide_whistle(900, 330, 0.6, rng)
    if v == 2:  # low boing
        return boing(190, 0.5)
    if v == 3:  # short sad trombone: three wah notes sinking
        out = []
        for i, name in enumerate(['D4', 'C#4', 'C4']):
            last = i == 2
            d = 0.36 if last else 0.17
            f = with_vibrato(glide(note_hz(name), note_hz(name) * (0.94 if last else 1), d), 5.5,
                             0.02 if last else 0.0)
            tone = osc(d, f, REED, adsr(0.015, 0.05, 0.8, 0.06, d),
                       bright=lambda t, d=d: 0.35 + 0.5 * math.sin(math.pi * min(1, t / d)))
            mix(out, tone, i * 0.17)
        return out
    if v == 4:  # bloop down
        return osc(0.3, glide(520, 150, 0.25), WARM, perc(0.005, 0.09))
    if v == 5:  # bonk: wood knock with a sinking thud
        knock = noise(0.05, rng, 900, 0.2, perc(0.001, 0.012))
        thud = osc(0.3, glide(260, 120, 0.3), SINE, perc(0.003, 0.08))
        return mix(thud, knock, 0, 0.6)
    if v == 6:  # two plucked notes falling
        out = pluck(note_hz('E3'), 0.25, rng, 0.993, 1.0)
        return lowpass(mix(out, pluck(note_hz('C3'), 0.4, rng, 0.993, 1.0), 0.18), 1800)
    if v == 7:  # balloon letting go: wobbling, sinking buzz
        f = with_vibrato(glide(520, 170, 0.7, 'lin'), 14, 0.06)
        return osc(0.7, f, partials_saw(6, 1.8), adsr(0.02, 0.1, 0.7, 0.15, 0.7))
    if v == 8:  # tuba "duh-dunk"
        out = osc(0.16, note_hz('C3'), REED, adsr(0.01, 0.04, 0.8, 0.04, 0.16),
                  bright=lambda t: 0.5)
        low = osc(0.34, note_hz('G2'), REED, adsr(0.01, 0.1, 0.6, 0.14, 0.34),
                  bright=lambda t: 0.5 - 0.4 * t / 0.34)
        return mix(out, low, 0.17)
    if v == 9:  # doink: a spring sinking in pitch
        return boing(380, 0.45, depth=0.22, rate=14, drift=0.55)
    if v == 10:  # kazoo "bwaa" bending down at the end
        f = with_vibrato(lambda t: note_hz('A3') * (1 if t < 0.3 else 0.85 ** ((t - 0.3) / 0.25)),
                         6, 0.02)
        return osc(0.55, f, partials_saw(7, 1.6), adsr(0.02, 0.1, 0.8, 0.12, 0.55),
                   bright=lambda t: 0.6 - 0.4 * t / 0.55)  # darkened: a soft buzz
    if v == 11:  # womp: deep wobbling sine
        f = with_vibrato(glide(240, 120, 0.5), 7, 0.05)
        return osc(0.5, f, WARM, adsr(0.01, 0.1, 0.7, 0.15, 0.5))
    if v == 12:  # three falling xylophone notes
        return sequence(['E5', 'C5', 'A4'], xylo, 0.13, 0.35)
    if v == 13:  # slide whistle: little hop up, then down
        def f(t):
            if t < 0.12:
                return 600 * (760 / 600) ** (t / 0.12)
            return 760 * (300 / 760) ** ((t - 0.12) / 0.58) ** 0.8
        freq = with_vibrato(f, 6, 0.012, 0.1)
        tone = osc(0.7, freq, [(1, 1.0), (2, 0.08)], adsr(0.03, 0.05, 0.85, 0.1, 0.7))
        return mix(tone, noise(0.7, rng, f, 0.25, adsr(0.02, 0.05, 0.5, 0.1, 0.7)), 0, 0.1)
    # v == 14: bubbles sinking
    out = []
    for i, (a, b) in enumerate([(700, 480), (560, 380), (430, 290), (330, 200)]):
        mix(out, pop(a, b, 0.09), i * 0.1, 1 - 0.12 * i)
    return out


def cartoon_right(v, rng):
    if v == 0:  # rising xylophone arpeggio
        return sequence(['C5', 'E5', 'G5', 'C6'], xylo, 0.075, 0.35)
    if v == 1:  # slide whistle up with a ding on top
        out = slide_whistle(420, 1150, 0.38, rng, 'ease', 0.008)
        return mix(out, chime(note_hz('E6'), 0.4), 0.34, 0.5)
    if v == 2:  # coin: two bright notes up a fourth
        a = osc(0.07, note_hz('B5'), partials_square(5, 1.8), adsr(0.003, 0.02, 0.8, 0.01, 0.07))
        b = osc(0.38, note_hz('E6'), partials_square(5, 1.8), perc(0.003, 0.11))
        return mix(a, b, 0.07)
    if v == 3:  # plucked fifth plus a sparkle
        out = pluck(note_hz('C5'), 0.4, rng, 0.996)
        mix(out, pluck(note_hz('G5'), 0.45, rng, 0.996), 0.1)
        return mix(out, chime(note_hz('G6'), 0.4), 0.2, 0.25)
    if v == 4:  # three bubbles rising
        out = []
        for i, (a, b) in enumerate([(400, 800), (550, 1100), (700, 1450)]):
            mix(out, pop(a, b, 0.1), i * 0.09, 0.8 + 0.1 * i)
        return out
    # v == 5: "ta-da": a lead-in chord resolving upward
    brass = partials_saw(6, 1.7)
    pre = []
    for name in ['G4', 'B4', 'D5']:
        mix(pre, osc(0.12, note_hz(name), brass, adsr(0.01, 0.03, 0.8, 0.03, 0.12)), 0, 0.33)
    post = []
    for name in ['C5', 'E5', 'G5']:
        f = with_vibrato(note_hz(name), 5.5, 0.006, 0.15)
        mix(post, osc(0.55, f, brass, adsr(0.012, 0.1, 0.7, 0.25, 0.55)), 0, 0.33)
    return mix(pre, post, 0.14)


def cartoon_card(v, rng):
    if v == 0:  # cork pop
        return pop(1300, 380, 0.15)
    if v == 1:  # paper flick with a light pluck
        flick = noise(0.06, rng, glide(2500, 3600, 0.06), 0.9, perc(0.002, 0.015))
        return mix(pluck(note_hz('A5'), 0.2, rng, 0.99), flick, 0, 0.8)
    if v == 2:  # wood block tick-tock
        tick = noise(0.02, rng, 2000, 0.3, perc(0.001, 0.004))
        out = mix(marimba(note_hz('G5') * 1.5, 0.1), tick, 0, 0.3)
        return mix(out, marimba(note_hz('D5') * 1.5, 0.12), 0.09)
    if v == 3:  # single high pluck
        return pluck(note_hz('C6'), 0.3, rng, 0.994, 1.0)
    # v == 4: rising blip
    return osc(0.16, glide(600, 1500, 0.08), WARM, perc(0.004, 0.04))


def whoosh(dur, rng, f0, f1, f2, q=0.6, peak_at=0.45):
    """Air rush: band-passed noise whose centre sweeps f0 -> f1 -> f2."""
    def centre(t):
        x = t / dur
        if x < peak_at:
            return f0 * (f1 / f0) ** (x / peak_at)
        return f1 * (f2 / f1) ** ((x - peak_at) / (1 - peak_at))
    return noise(dur, rng, centre, q, swell(dur, peak_at))


def cartoon_tranz(v, rng):
    if v == 0:
        return whoosh(0.5, rng, 300, 2200, 500)
    if v == 1:  # the plain one (also used by the other schemes)
        return whoosh(0.45, rng, 400, 1600, 700, 0.8, 0.5)
    if v == 2:  # whoosh with a whistling edge
        out = whoosh(0.55, rng, 350, 2600, 600, 0.35)
        tone = osc(0.55, glide(500, 1400, 0.55, 'ease'), SINE, swell(0.55, 0.6))
        return mix(out, tone, 0, 0.12)
    if v == 3:  # double swish
        out = whoosh(0.25, rng, 600, 2800, 900, 0.5)
        return mix(out, whoosh(0.35, rng, 500, 2000, 500, 0.5), 0.18)
    if v == 4:  # low, soft rush
        return whoosh(0.65, rng, 200, 1000, 300, 0.7, 0.4)
    # v == 5: whoosh landing on a pop
    out = whoosh(0.4, rng, 300, 2400, 1200, 0.5, 0.7)
    return mix(out, pop(900, 400, 0.12), 0.36, 0.5)


def cartoon_hint(v, rng):
    if v == 0:
        return chime(note_hz('E6'), 0.75)
    if v == 1:  # two soft chimes
        out = chime(note_hz('G5'), 0.6)
        return mix(out, chime(note_hz('D6'), 0.6), 0.14, 0.8)
    # v == 2: a small shimmer of three chimes
    out = []
    for i, name in enumerate(['C6', 'E6', 'G6']):
        mix(out, chime(note_hz(name), 0.55), i * 0.07, 0.8 - 0.15 * i)
    return out


def cartoon_happy(rng):
    """Celebration jingle, about 2.4 s: xylophone tune over plucked bass, bell chord at the end."""
    step = 0.13
    tune = ['C5', 'E5', 'G5', 'C6', None, 'G5', 'C6', 'E6', None, 'D6', 'E6', 'F6', 'E6', 'D6']
    out = []
    for i, name in enumerate(tune):
        if name:
            mix(out, xylo(note_hz(name), 0.35), i * step, 0.55)
    bass = [('C3', 0), ('G3', 2), ('C4', 4), ('E3', 6), ('G3', 8), ('G2', 10), ('B2', 12)]
    for name, at in bass:
        mix(out, pluck(note_hz(name), 0.4, rng, 0.993), at * step, 0.35)
    end = len(tune) * step
    for name in ['C5', 'E5', 'G5', 'C6']:
        mix(out, chime(note_hz(name), 0.9), end, 0.2)
    mix(out, pluck(note_hz('C3'), 0.9, rng, 0.996), end, 0.4)
    sparkle = ['C7', 'G6', 'E7', 'C7', 'G7']
    for i, name in enumerate(sparkle):
        mix(out, chime(note_hz(name), 0.3), end + 0.05 + i * 0.06, 0.06)
    return out


def cartoon_anim(v, rng):
    if v == 0:  # swoosh ending in a blip (also used by the other schemes)
        out = whoosh(0.25, rng, 500, 2500, 1500, 0.5, 0.6)
        return mix(out, osc(0.12, glide(900, 1500, 0.05), WARM, perc(0.003, 0.03)), 0.2, 0.6)
    # v == 1: blip then a short swoosh
    out = osc(0.1, glide(700, 1200, 0.05), WARM, perc(0.003, 0.025))
    return mix(out, whoosh(0.28, rng, 800, 2600, 700, 0.5, 0.4), 0.05, 1.2)


# ---------------------------------------------------------------- scheme 2 "Simple"

def simple_sound(event, v, rng):
    if event == 'w':  # plain low two-tone beep going down
        a = osc(0.14, 440, [(1, 1.0), (2, 0.1)], adsr(0.008, 0.02, 0.9, 0.02, 0.14))
        b = osc(0.2, 330, [(1, 1.0), (2, 0.1)], adsr(0.008, 0.04, 0.85, 0.06, 0.2))
        return mix(a, b, 0.16)
    if v == 0:  # two clean rising chimes
        out = chime(note_hz('E5'), 0.4)
        return mix(out, chime(note_hz('B5'), 0.45), 0.12)
    return chime(note_hz('C6'), 0.45)  # one bright chime


# ---------------------------------------------------------------- scheme 3 "Cartoons-2"

def ocarina(f, dur, rng, vib=0.012):
    freq = with_vibrato(f, 5.5, vib, 0.08)
    tone = osc(dur, freq, [(1, 1.0), (2, 0.05), (3, 0.04)], adsr(0.025, 0.05, 0.85, 0.07, dur))
    return mix(tone, noise(dur, rng, freq, 0.3, adsr(0.02, 0.04, 0.4, 0.07, dur)), 0, 0.1)


def toy_wrong(v, rng):
    if v == 0:  # two low kalimba notes falling
        out = kalimba(note_hz('A3'), 0.3)
        return mix(out, kalimba(note_hz('E3'), 0.45), 0.16)
    if v == 1:  # ocarina sighing downward
        return ocarina(glide(note_hz('E5'), note_hz('A4'), 0.5, 'ease'), 0.55, rng)
    if v == 2:  # music box, falling minor triad
        return sequence(['E5', 'C5', 'A4'], music_box, 0.12, 0.4)
    if v == 3:  # toy drum thump with a sinking tone
        thump = osc(0.2, glide(180, 90, 0.15), SINE, perc(0.002, 0.06))
        tone = osc(0.35, glide(330, 220, 0.35), WARM, adsr(0.01, 0.08, 0.6, 0.12, 0.35))
        return mix(mix(thump, noise(0.04, rng, 1200, 0.5, perc(0.001, 0.01)), 0, 0.4), tone,
                   0.08, 0.7)
    if v == 4:  # "hmm?" ocarina dipping in pitch
        def f(t):
            return note_hz('A4') * (1 - 0.12 * math.sin(math.pi * min(1, t / 0.5)))
        return ocarina(f, 0.5, rng, 0.02)
    if v == 5:  # kalimba falling minor third, then the low root
        return sequence(['C4', 'A3', 'F3'], kalimba, 0.14, 0.4)
    # v == 6: toy horn "honk-honk", low and soft
    out = []
    for i, name in enumerate(['D4', 'A3']):
        d = 0.14 if i == 0 else 0.26
        mix(out, osc(d, note_hz(name), partials_square(5, 1.9), adsr(0.01, 0.04, 0.75, 0.06, d),
                     bright=lambda t: 0.5), i * 0.17)
    return out


def toy_right(v, rng):
    if v == 0:  # kalimba major triad rising
        return sequence(['C5', 'E5', 'G5'], kalimba, 0.09, 0.45)
    if v == 1:  # ocarina rising into a trill
        def f(t):
            if t < 0.15:
                return note_hz('E5') * (note_hz('A5') / note_hz('E5')) ** (t / 0.15)
            return note_hz('A5') if int((t - 0.15) / 0.05) % 2 == 0 else note_hz('B5')
        return ocarina(f, 0.5, rng, 0.0)
    if v == 2:  # music box sparkle arpeggio
        return sequence(['G5', 'B5', 'D6', 'G6'], music_box, 0.07, 0.4)
    if v == 3:  # toy piano rising fifth
        out = toy_piano(note_hz('C5'), 0.35)
        return mix(out, toy_piano(note_hz('G5'), 0.45), 0.12)
    # v == 4: kalimba "ting-ting" with a bell on top
    out = kalimba(note_hz('G5'), 0.3)
    mix(out, kalimba(note_hz('C6'), 0.4), 0.1)
    return mix(out, chime(note_hz('E7'), 0.35), 0.12, 0.15)


# ---------------------------------------------------------------- driver

CARTOON_EVENTS = {
    'w': (15, cartoon_wrong),
    'r': (6, cartoon_right),
    'card': (5, cartoon_card),
    'tranz': (6, cartoon_tranz),
    'hint': (3, cartoon_hint),
    'happy': (1, lambda v, rng: cartoon_happy(rng)),
    'anim': (2, cartoon_anim),
}


def all_sounds():
    """Yields (file name, sample maker) for every event sound of every scheme."""
    for event, (n, maker) in CARTOON_EVENTS.items():
        for v in range(n):
            yield '%s_1_%d.wav' % (event, v), (lambda rng, m=maker, v=v: m(v, rng))
    for event, n in (('w', 1), ('r', 2)):
        for v in range(n):
            yield '%s_2_%d.wav' % (event, v), (lambda rng, e=event, v=v: simple_sound(e, v, rng))
    for event, n, maker in (('w', 7, toy_wrong), ('r', 5, toy_right)):
        for v in range(n):
            yield '%s_3_%d.wav' % (event, v), (lambda rng, m=maker, v=v: m(v, rng))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'data', 'media')
    os.makedirs(out_dir, exist_ok=True)
    for name, make in all_sounds():
        rng = random.Random(name)  # seeded by file name: reruns are byte-identical
        samples = finish(make(rng), SOFT if name.startswith('hint') else LOUD)
        write_wav(os.path.join(out_dir, name), samples)
        print('%-16s %.3f s' % (name, len(samples) / RATE))


if __name__ == '__main__':
    main()

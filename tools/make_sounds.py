#!/usr/bin/python3
"""Synthesises the game's sound effects and music and writes the two lists.

Everything is made from sine partials and filtered noise with a fixed random
seed, then encoded as mono Ogg Vorbis with a fixed stream serial, so running
the script again gives the same files.

    /usr/bin/python3 tools/make_sounds.py [resource-folder]

Needs numpy and oggenc (vorbis-tools); neither is needed to build or play.
Music tracks are loops: every note that rings past the end of the loop is
folded back onto its start, so the loop has no seam. A level's drum track has
the same tempo and exactly the same length in samples as its music, so the
two stay in step however often they loop.
"""
import os
import subprocess
import sys
import tempfile
import wave

import numpy as np

SR = 44100
SAMPLES_PER_MINUTE = SR * 60
TAU = 2.0 * np.pi


# ---------------------------------------------------------------- basics ---

def seconds(n):
    return np.arange(int(n)) / SR


def length(duration):
    return int(round(duration * SR))


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def phase_of(freq):
    """Phase of an oscillator whose frequency may change per sample."""
    return TAU * np.cumsum(freq) / SR


def harmonics(phase, f_top, amps):
    """Sum of harmonic partials, dropping those above 10 kHz."""
    out = np.zeros_like(phase)
    for k, amp in enumerate(amps, start=1):
        if amp and k * f_top < 10000.0:
            out += amp * np.sin(k * phase)
    return out


def saw_amps(count, rolloff=1.0):
    return [1.0 / k ** rolloff for k in range(1, count + 1)]


def decay(n, tau):
    return np.exp(-seconds(n) / tau)


def adsr(n, attack, release, tau=None):
    """Attack ramp, optional exponential decay, and a release at the end."""
    env = np.ones(n)
    a = min(length(attack), n)
    if a:
        env[:a] = np.linspace(0.0, 1.0, a, endpoint=False)
    if tau:
        env *= decay(n, tau)
    r = min(length(release), n)
    if r:
        env[n - r:] *= np.linspace(1.0, 0.0, r)
    return env


def spectral_filter(x, low=None, high=None, order=2, circular=False):
    """Butterworth-shaped low/high pass in the frequency domain. Circular
    filtering is what a loop wants; one-shots get room for the ringing."""
    pad = 0 if circular else 4096
    n = len(x) + pad
    spectrum = np.fft.rfft(x, n)
    freqs = np.fft.rfftfreq(n, 1.0 / SR)
    gain = np.ones_like(freqs)
    if high:
        gain /= np.sqrt(1.0 + (freqs / high) ** (2 * order))
    if low:
        with np.errstate(divide="ignore"):
            gain /= np.sqrt(1.0 + (low / np.maximum(freqs, 1e-3)) ** (2 * order))
    return np.fft.irfft(spectrum * gain, n)[:len(x)]


def normalise(x, peak):
    top = np.max(np.abs(x))
    return x * (peak / top) if top > 0 else x


def fade_edges(x, fade_in=0.002, fade_out=0.01):
    """One-shots start and end at zero so they never click."""
    x = x.copy()
    a, r = length(fade_in), length(fade_out)
    x[:a] *= np.linspace(0.0, 1.0, a)
    x[len(x) - r:] *= np.linspace(1.0, 0.0, r)
    return x


def place(target, start, sound):
    end = min(len(target), start + len(sound))
    target[start:end] += sound[:end - start]


# ---------------------------------------------------------------- voices ---

VOWELS = {  # formant centres and widths in Hz
    "ah": [(800, 110), (1200, 130), (2800, 200)],
    "oh": [(500, 90), (850, 110), (2500, 200)],
    "uh": [(600, 100), (1000, 120), (2500, 200)],
    "ee": [(320, 80), (2300, 180), (3000, 250)],
    "eh": [(550, 90), (1900, 150), (2600, 200)],
}


def formant_gain(freq, vowel_a, vowel_b, mix):
    gain = np.full_like(freq, 0.02)
    for (fa, wa), (fb, wb) in zip(VOWELS[vowel_a], VOWELS[vowel_b]):
        centre = fa + (fb - fa) * mix
        width = wa + (wb - wa) * mix
        gain += np.exp(-((freq - centre) / width) ** 2)
    return gain


def voice(rng, f0, vowels, brightness=1.0, breath=0.05):
    """A sung vowel: harmonics of f0 (per-sample array) shaped by formants
    that glide from the first vowel to the second."""
    n = len(f0)
    jitter = spectral_filter(rng.standard_normal(n), high=12.0) * 0.6
    f0 = f0 * (1.0 + 0.01 * jitter)
    phase = phase_of(f0)
    mix = np.linspace(0.0, 1.0, n)
    out = np.zeros(n)
    for k in range(1, 60):
        hf = k * f0
        if np.min(hf) > 5000.0:
            break
        gain = formant_gain(hf, vowels[0], vowels[1], mix) / k ** (1.0 / brightness)
        gain /= 1.0 + (hf / 4500.0) ** 8  # a smooth top: a hard cut would click
        out += gain * np.sin(k * phase)
    noise = spectral_filter(rng.standard_normal(n), low=500, high=3500, order=3)
    return out + breath * noise * np.max(np.abs(out)) / max(np.max(np.abs(noise)), 1e-9)


def glide(n, points):
    """Piecewise-linear curve through (fraction, value) points."""
    where = np.linspace(0.0, 1.0, n)
    xs, ys = zip(*points)
    return np.interp(where, xs, ys)


def vibrato(n, rate, depth):
    return 1.0 + depth * np.sin(TAU * rate * seconds(n))


# --------------------------------------------------------------- effects ---

def button_hover(rng):
    n = length(0.07)
    f = glide(n, [(0, 1100), (1, 1400)])
    return np.sin(phase_of(f)) * adsr(n, 0.003, 0.02, tau=0.03) * 0.5


def button_selected(rng):
    out = np.zeros(length(0.24))
    for start, note in ((0.0, 81), (0.07, 88)):
        n = length(0.16)
        tone = harmonics(phase_of(np.full(n, midi_hz(note))), midi_hz(note), [1, 0, 0.15])
        place(out, length(start), tone * adsr(n, 0.003, 0.03, tau=0.06))
    return out


def death(rng, low, high, vowels):
    n = length(1.1)
    f0 = glide(n, [(0, high), (0.25, high * 0.95), (1, low)]) * vibrato(n, 5.0, 0.015)
    env = glide(n, [(0, 0), (0.08, 1), (0.55, 0.8), (1, 0)])
    return voice(rng, f0, vowels, brightness=0.8, breath=0.03) * env


def scream(rng, base, peak, vowels):
    n = length(0.9)
    f0 = glide(n, [(0, base), (0.2, peak), (0.75, peak * 0.95), (1, base * 1.1)])
    f0 *= vibrato(n, 6.5, 0.03)
    env = glide(n, [(0, 0), (0.05, 1), (0.8, 0.9), (1, 0)])
    return voice(rng, f0, vowels, brightness=1.6, breath=0.06) * env


def punch(rng):
    n = length(0.3)
    thump = np.sin(phase_of(45 + 110 * decay(n, 0.025))) * decay(n, 0.09)
    slap = spectral_filter(rng.standard_normal(n), low=300, high=2500) * decay(n, 0.018)
    return thump + 0.5 * slap / np.max(np.abs(slap))


def explosion(rng):
    n = length(2.2)
    blast = spectral_filter(rng.standard_normal(n), high=3500) * adsr(n, 0.003, 0.1, tau=0.25)
    rumble = spectral_filter(rng.standard_normal(n), high=350, order=3) * adsr(n, 0.01, 0.3, tau=0.9)
    sub = np.sin(phase_of(30 + 50 * decay(n, 0.15))) * adsr(n, 0.005, 0.2, tau=0.6)
    return (normalise(blast, 0.7) + normalise(rumble, 1.0) + 0.6 * sub)


def alarm(rng):
    """An electric bell: a clapper striking about eighteen times a second."""
    out = np.zeros(length(1.6))
    strike = length(1.0 / 18.0)
    n = length(0.12)
    partials = [(1.0, 1.0), (2.32, 0.5), (4.25, 0.3), (5.4, 0.15)]
    for i, start in enumerate(range(0, len(out) - n, strike)):
        base = 1150.0 * (1.0 + 0.002 * (i % 2))
        ring = sum(a * np.sin(TAU * base * r * seconds(n)) * decay(n, 0.06 / r) for r, a in partials)
        place(out, start, ring * (0.8 + 0.2 * rng.random()))
    return out * adsr(len(out), 0.005, 0.15)


def siren(rng):
    n = length(2.6)
    sweep = 0.5 - 0.5 * np.cos(TAU * seconds(n) / 1.3)
    f = 650 + 650 * sweep
    return harmonics(phase_of(f), 1300, [1, 0.35, 0.2, 0.1]) * adsr(n, 0.15, 0.3)


def metal_click(rng, pitch):
    n = length(0.06)
    ring = sum(np.sin(TAU * pitch * r * seconds(n)) * a for r, a in ((1, 1), (1.47, 0.6), (2.09, 0.4)))
    tick = spectral_filter(rng.standard_normal(n), low=2500, high=9000) * decay(n, 0.004)
    return (0.5 * ring + tick) * decay(n, 0.015)


def handcuff(rng):
    out = np.zeros(length(0.38))  # ends with the last click
    for i, at in enumerate((0.0, 0.045, 0.09, 0.135, 0.18)):
        place(out, length(at), metal_click(rng, 3100 + 80 * i) * 0.6)
    place(out, length(0.3), metal_click(rng, 2400) * 1.0)
    place(out, length(0.31), metal_click(rng, 2600) * 0.8)
    return out


def detective_catch(rng):
    n = length(0.35)
    noise = rng.standard_normal(n)
    # a whoosh: noise through a band that sweeps up, built from short slices
    whoosh = np.zeros(n)
    step = length(0.025)
    for start in range(0, n, step):
        centre = 400 + 2400 * start / n
        band = spectral_filter(noise[start:start + 2 * step], low=centre * 0.8, high=centre * 1.25, order=4)
        window = np.hanning(len(band))
        place(whoosh, start, band * window)
    whoosh = normalise(whoosh * glide(n, [(0, 0.2), (0.7, 1), (1, 0)]), 0.6)
    grab = punch(rng)[:length(0.15)] * 0.7
    out = np.zeros(length(0.22) + len(grab))  # ends with the grab
    place(out, 0, whoosh)
    place(out, length(0.22), grab)
    return out


def detective_catch_successful(rng):
    out = np.zeros(length(1.4))
    for i, note in enumerate((72, 76, 79, 84)):
        n = length(1.1 if note == 84 else 0.35)
        tone = bell(midi_hz(note), n)
        place(out, length(0.09 * i), tone * (1.0 if note == 84 else 0.7))
    return out


EFFECTS = {
    "Button_Hover": button_hover,
    "Button_Selected": button_selected,
    "MaleDeath": lambda rng: death(rng, 70, 140, ("uh", "oh")),
    "FemaleDeath": lambda rng: death(rng, 170, 310, ("ah", "oh")),
    "Male_Scream": lambda rng: scream(rng, 240, 360, ("ah", "eh")),
    "Female_Scream": lambda rng: scream(rng, 620, 880, ("ee", "ah")),
    "Punch": punch,
    "Explosion": explosion,
    "Alarm": alarm,
    "Siren": siren,
    "Handcuff": handcuff,
    "Detective_Catch": detective_catch,
    "Detective_Catch_Successful": detective_catch_successful,
}


# ----------------------------------------------------------- instruments ---

def bell(f, n):
    partials = [(1.0, 1.0, 1.2), (2.0, 0.4, 0.6), (2.76, 0.25, 0.35), (5.4, 0.1, 0.15)]
    t = seconds(n)
    out = sum(a * np.sin(TAU * f * r * t) * np.exp(-t / tau) for r, a, tau in partials if f * r < 10000)
    return out * adsr(n, 0.002, 0.05)


def epiano(f, n):
    t = seconds(n)
    body = np.sin(TAU * f * t) + 0.4 * np.sin(TAU * 2 * f * t) * np.exp(-t / 0.25)
    body += 0.12 * np.sin(TAU * 3 * f * t) * np.exp(-t / 0.1)
    return body * adsr(n, 0.004, 0.08, tau=0.9)


def vibes(f, n):
    t = seconds(n)
    body = np.sin(TAU * f * t) + 0.2 * np.sin(TAU * 4.0 * f * t) * np.exp(-t / 0.2)
    return body * (1.0 + 0.25 * np.sin(TAU * 5.5 * t)) * adsr(n, 0.003, 0.1, tau=1.1)


def bass(f, n):
    t = seconds(n)
    body = np.sin(TAU * f * t) + 0.35 * np.sin(TAU * 2 * f * t) + 0.1 * np.sin(TAU * 3 * f * t)
    return body * adsr(n, 0.006, 0.05, tau=0.7)


def synth_bass(f, n):
    phase = TAU * f * seconds(n)
    return harmonics(phase, f, saw_amps(8, 1.3)) * adsr(n, 0.004, 0.03, tau=0.35)


def pad(f, n, attack=0.25, release=0.35, brightness=6):
    out = np.zeros(n)
    for cents in (-7, 0, 7):
        fd = f * 2 ** (cents / 1200)
        out += harmonics(TAU * fd * seconds(n) + cents, fd, saw_amps(brightness, 1.4))
    return out * adsr(n, attack, release) / 3


def strings(f, n):
    wobble = vibrato(n, 5.0, 0.004)
    out = harmonics(phase_of(f * wobble), f, saw_amps(7, 1.2))
    return out * adsr(n, 0.12, 0.2)


def stab(f, n):
    """A short bright chord hit (clavinet-like)."""
    phase = TAU * f * seconds(n)
    return harmonics(phase, f, [1, 0.6, 0.5, 0.3, 0.25, 0.15]) * adsr(n, 0.002, 0.03, tau=0.12)


def brass(f, n):
    out = np.zeros(n)
    bright = adsr(n, 0.06, 0.12)
    for k, amp in enumerate(saw_amps(9, 1.0), start=1):
        if k * f < 9000:
            out += amp * bright ** (0.5 + 0.3 * k) * np.sin(TAU * k * f * seconds(n))
    return out


def pluck(f, n):
    phase = TAU * f * seconds(n)
    return harmonics(phase, f, [1, 0.5, 0.3, 0.15]) * adsr(n, 0.002, 0.05, tau=0.18)


# ----------------------------------------------------------------- drums ---

class DrumKit:
    """Drum hits rendered once per kit, a few variants each."""

    def __init__(self, rng):
        self.rng = rng
        self.cache = {}

    def hit(self, name):
        variants = self.cache.setdefault(name, [getattr(self, "_" + name)() for _ in range(3)])
        return variants[self.rng.integers(len(variants))]

    def _noise(self, seconds_long, low=None, high=None):
        return spectral_filter(self.rng.standard_normal(length(seconds_long)), low=low, high=high)

    def _kick(self):
        n = length(0.45)
        body = np.sin(phase_of(45 + 95 * decay(n, 0.03))) * decay(n, 0.22)
        return body + 0.15 * self._noise(0.45, low=1000, high=5000) * decay(n, 0.004)

    def _snare(self):
        n = length(0.3)
        rattle = normalise(self._noise(0.3, low=1500, high=8000), 1.0) * decay(n, 0.08)
        return 0.8 * rattle + 0.6 * np.sin(TAU * 190 * seconds(n)) * decay(n, 0.05)

    def _brush(self):
        n = length(0.3)
        return normalise(self._noise(0.3, low=1500, high=6000), 1.0) * adsr(n, 0.02, 0.05, tau=0.1) * 0.6

    def _rim(self):
        n = length(0.08)
        tone = np.sin(TAU * 1700 * seconds(n)) + 0.5 * np.sin(TAU * 820 * seconds(n))
        return tone * decay(n, 0.012) * 0.7

    def _hat(self):
        n = length(0.08)
        return normalise(self._noise(0.08, low=7000), 1.0) * decay(n, 0.018) * 0.45

    def _open_hat(self):
        n = length(0.35)
        return normalise(self._noise(0.35, low=6500), 1.0) * adsr(n, 0.001, 0.08, tau=0.12) * 0.4

    def _shaker(self):
        n = length(0.09)
        return normalise(self._noise(0.09, low=5000), 1.0) * adsr(n, 0.015, 0.02, tau=0.03) * 0.3

    def _ride(self):
        n = length(0.9)
        t = seconds(n)
        ping = sum(np.sin(TAU * f * t) * a for f, a in ((3150, 0.5), (4410, 0.4), (5230, 0.3)))
        wash = normalise(self._noise(0.9, low=5000), 1.0) * 0.5
        return (ping + wash) * decay(n, 0.25) * 0.3

    def _crash(self):
        n = length(1.8)
        return normalise(self._noise(1.8, low=4000), 1.0) * adsr(n, 0.002, 0.3, tau=0.6) * 0.5

    def _tom(self):
        n = length(0.4)
        return np.sin(phase_of(95 + 40 * decay(n, 0.05))) * decay(n, 0.18)


# ------------------------------------------------------------ sequencing ---

CHORDS = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
    "maj7": (0, 4, 7, 11), "m9": (0, 3, 7, 10, 14), "m7b5": (0, 3, 6, 10),
    "7b9": (0, 4, 7, 10, 13), "dim": (0, 3, 6, 9), "maj9": (0, 4, 7, 11, 14),
}
NOTE_NAMES = {"C": 0, "Db": 1, "D": 2, "Eb": 3, "E": 4, "F": 5, "Gb": 6, "G": 7,
              "Ab": 8, "A": 9, "Bb": 10, "B": 11}


def parse_chord(symbol):
    root = symbol[:2] if symbol[:2] in NOTE_NAMES else symbol[:1]
    return NOTE_NAMES[root], CHORDS[symbol[len(root):]]


def chord_notes(symbol, low=53):
    """The chord's tones (without the root when it has five) voiced from low up."""
    root, intervals = parse_chord(symbol)
    if len(intervals) >= 5:
        intervals = intervals[1:]
    notes = []
    for interval in intervals:
        note = low + (root + interval - low) % 12
        while notes and note <= notes[-1]:
            note += 12
        notes.append(note)
    return notes


def bass_note(symbol, low=36):
    root, _ = parse_chord(symbol)
    return low + (root - low) % 12


class Loop:
    """A loop of whole bars; sounds ringing past the end wrap to the start."""

    def __init__(self, bpm, bars, beats_per_bar=4):
        assert SAMPLES_PER_MINUTE % bpm == 0, "a beat must be a whole number of samples"
        self.beat = SAMPLES_PER_MINUTE // bpm
        self.beats = bars * beats_per_bar
        self.buffer = np.zeros(self.beat * self.beats)

    def add(self, at_beat, sound, gain=1.0):
        start = int(round(at_beat * self.beat)) % len(self.buffer)
        indices = (start + np.arange(len(sound))) % len(self.buffer)
        np.add.at(self.buffer, indices, sound * gain)

    def note(self, instrument, at_beat, beats, midi, gain=1.0):
        self.add(at_beat, instrument(midi_hz(midi), int(beats * self.beat)), gain)

    def chord(self, instrument, at_beat, beats, symbol, gain=1.0, low=53):
        notes = chord_notes(symbol, low)
        for midi in notes:
            self.note(instrument, at_beat, beats, midi, gain / len(notes) ** 0.5)

    def melody(self, instrument, line, gain=1.0, offset=0.0):
        """line: (beat, length in beats, midi) triples."""
        for at, beats, midi in line:
            self.note(instrument, offset + at, beats, midi, gain)

    def pattern(self, kit, name, steps, per_beat, gain=1.0, bars=None):
        """A one-bar step pattern ('x' hit, 'o' soft hit) repeated over the loop."""
        bar_beats = len(steps) / per_beat
        for bar in range(int(self.beats / bar_beats)):
            if bars is not None and bar not in bars:
                continue
            for i, step in enumerate(steps):
                if step in "xo":
                    level = gain * (1.0 if step == "x" else 0.5)
                    self.add(bar * bar_beats + i / per_beat, kit.hit(name), level)


def melody_from(text):
    """'beat:length:midi' words, separated by spaces."""
    line = []
    for word in text.split():
        at, beats, midi = word.split(":")
        line.append((float(at), float(beats), int(midi)))
    return line


def chord_at(symbols, at):
    """The chord sounding at beat `at` of a bar written as one chord symbol,
    or two separated by '/', each taking half the bar."""
    halves = symbols.split("/")
    return halves[min(int(at * len(halves) / 4), len(halves) - 1)]


def comp(loop, instrument, progression, rhythm, gain, low=53):
    """Chords on the given beats of each bar."""
    for bar, symbols in enumerate(progression):
        for at, beats in rhythm:
            loop.chord(instrument, bar * 4 + at, beats, chord_at(symbols, at), gain, low)


def bass_line(loop, instrument, progression, rhythm, gain, fifth_on=(), low=36):
    for bar, symbols in enumerate(progression):
        for at, beats in rhythm:
            note = bass_note(chord_at(symbols, at), low) + (7 if at in fifth_on else 0)
            loop.note(instrument, bar * 4 + at, beats, note, gain)


# ----------------------------------------------------------------- music ---

def main_menu(rng):
    loop = Loop(98, 8)
    kit = DrumKit(rng)
    progression = ["Dm9", "Gm7", "Bbmaj7", "A7b9", "Dm9", "Gm7", "Ebmaj7", "A7"]
    comp(loop, pad, progression, [(0, 4)], 0.5)
    comp(loop, epiano, progression, [(0, 1.5), (2.5, 1.5)], 0.25, low=57)
    bass_line(loop, bass, progression, [(0, 1.5), (1.5, 1), (2.5, 1.5)], 0.6, fifth_on=(2.5,))
    loop.melody(vibes, melody_from(
        "0:1.5:69 1.5:0.5:72 2:1:74 3:1:77 4:2:76 6:0.5:74 6.5:1.5:72 "
        "8:1.5:74 9.5:0.5:69 10:2:65 12:1:64 13:1:67 14:1:70 15:1:73 "
        "16:1.5:74 17.5:0.5:77 18:2:81 20:1:79 21:1:77 22:1:76 23:1:74 "
        "24:2:75 26:1:74 27:1:70 28:3:69"), 0.45)
    loop.pattern(kit, "brush", "..x...x.", 2, 0.35)
    loop.pattern(kit, "shaker", "oxoxoxox", 2, 0.5)
    loop.pattern(kit, "kick", "x.......", 2, 0.45)
    return loop.buffer


def loading(rng):
    loop = Loop(120, 4)
    kit = DrumKit(rng)
    progression = ["Am", "F", "Dm", "E"]
    comp(loop, pad, progression, [(0, 4)], 0.5)
    bass_line(loop, pluck, progression, [(i * 0.5, 0.45) for i in range(8)], 0.35)
    loop.pattern(kit, "rim", "x.o.x.o.", 2, 0.5)
    loop.melody(bell, melody_from("0:2:81 4:2:77 8:2:74 12:2:76"), 0.25)
    return loop.buffer


def tutorial(rng):
    loop = Loop(108, 8)
    kit = DrumKit(rng)
    progression = ["Fmaj7", "Dm7", "Gm7", "C7", "Fmaj7", "Am7/D7", "Gm7/C7", "Fmaj7"]
    comp(loop, epiano, progression, [(0, 1), (1.5, 0.5), (2.5, 1)], 0.3, low=57)
    comp(loop, pad, progression, [(0, 4)], 0.25)
    bass_line(loop, pluck, progression, [(0, 1), (1, 1), (2, 1), (3, 1)], 0.6, fifth_on=(2,))
    loop.melody(vibes, melody_from(
        "0:1:72 1:1:76 2:2:77 4:1:74 5:1:72 6:2:69 8:1:70 9:1:74 10:1:79 11:1:77 "
        "12:3:76 16:1:72 17:1:76 18:2:81 20:1:79 21:1:76 22:1:78 23:1:74 "
        "24:1:77 25:1:74 26:1:76 27:1:72 28:3:72"), 0.45)
    loop.pattern(kit, "kick", "x...x...", 2, 0.45)
    loop.pattern(kit, "rim", "..x...x.", 2, 0.35)
    loop.pattern(kit, "shaker", "oxoxoxox", 2, 0.5)
    return loop.buffer


# Each level: its tempo, bars and progression are shared by music and drums.
LEVELS = {
    1: (100, ["Am7", "Dm7", "G7", "Cmaj7", "Fmaj7", "Bm7b5", "E7", "Am7/E7"]),
    2: (120, ["Em7", "Em7", "Am7", "B7", "Em7", "Em7", "Cmaj7", "B7"]),
    3: (140, ["Cm", "Cm", "Ab", "G", "Cm", "Cm", "Ab", "Bdim/G"]),
}


def level_loop(level):
    """An empty loop of the level's length, and the level's progression."""
    bpm, progression = LEVELS[level]
    return Loop(bpm, len(progression)), progression


def level_drums(rng, level, patterns):
    """The level's drum track: (drum, steps, steps per beat, gain[, bars])."""
    loop, _ = level_loop(level)
    kit = DrumKit(rng)
    for name, steps, per_beat, gain, *bars in patterns:
        loop.pattern(kit, name, steps, per_beat, gain, bars=bars[0] if bars else None)
    return loop.buffer


def level1(rng):
    loop, progression = level_loop(1)
    # bossa comping and the bass on the kick's dotted rhythm
    comp(loop, epiano, progression, [(0, 1), (1.5, 1), (3, 0.5), (3.5, 0.5)], 0.3, low=55)
    bass_line(loop, bass, progression, [(0, 1.5), (1.5, 0.5), (2, 1.5), (3.5, 0.5)], 0.6,
              fifth_on=(1.5, 2, 3.5))
    loop.melody(vibes, melody_from(
        "0:1:76 1:1:77 2:2:79 4:1:77 5:1:76 6:2:74 8:1:74 9:1:76 10:2:77 12:1:76 13:1:74 "
        "14:2:72 16:1:72 17:1:74 18:2:76 20:1:75 21:1:74 22:2:72 24:1:71 25:1:72 26:2:68 "
        "28:3:69"), 0.4)
    return loop.buffer


def level1_drums(rng):
    return level_drums(rng, 1, [
        ("kick", "x..xx..x", 2, 0.7),
        ("rim", "x..x..x...x..x..", 4, 0.45),  # bossa clave
        ("shaker", "xoxoxoxoxoxoxoxo", 4, 0.6),
        ("ride", "x.x.x.x.", 2, 0.5),
    ])


def level2(rng):
    loop, progression = level_loop(2)
    # disco octaves in the bass, off-beat stabs and strings over them
    for bar, symbol in enumerate(progression):
        root = bass_note(symbol, 40)
        for i in range(8):
            loop.note(synth_bass, bar * 4 + i * 0.5, 0.4, root + (12 if i % 2 else 0), 0.5)
    comp(loop, stab, progression, [(0.5, 0.25), (1.5, 0.25), (2.5, 0.25), (3.5, 0.25)], 0.3, low=60)
    comp(loop, strings, progression, [(0, 4)], 0.22, low=55)
    loop.melody(epiano, melody_from(
        "0:0.5:76 0.5:0.5:79 1:1:81 2.5:1.5:79 4:0.5:76 4.5:0.5:74 5:1:76 6:2:71 "
        "8:0.5:72 8.5:0.5:76 9:1:79 10:1:81 11:1:79 12:1:78 13:1:75 14:2:71 "
        "16:0.5:76 16.5:0.5:79 17:1:81 18.5:1.5:83 20:1:81 21:1:79 22:2:76 "
        "24:1:79 25:1:76 26:2:72 28:1:75 29:1:78 30:2:71"), 0.4)
    return loop.buffer


def level2_drums(rng):
    return level_drums(rng, 2, [
        ("kick", "x...x...x...x...", 4, 0.8),
        ("snare", "....x.......x...", 4, 0.55),
        ("hat", "xoxoxoxoxoxoxoxo", 4, 0.7),
        ("open_hat", "..x...x...x...x.", 4, 0.35),
    ])


def level3(rng):
    loop, progression = level_loop(3)
    bass_line(loop, synth_bass, progression, [(i * 0.5, 0.45) for i in range(8)], 0.5)
    # a staccato string ostinato climbing through each chord
    for bar, symbols in enumerate(progression):
        for i in range(8):
            tones = chord_notes(chord_at(symbols, i * 0.5), 60)
            loop.note(pluck, bar * 4 + i * 0.5, 0.4, tones[i % len(tones)] + (12 if i >= 4 else 0), 0.3)
    comp(loop, brass, progression, [(0, 0.75), (1.5, 0.5)], 0.35, low=55)
    comp(loop, strings, progression, [(0, 4)], 0.2, low=48)
    return loop.buffer


def level3_drums(rng):
    return level_drums(rng, 3, [
        ("kick", "x.x...x.x.x...x.", 4, 0.8),
        ("snare", "....x.......x...", 4, 0.6, range(7)),
        ("snare", "....x...x.x.xxxx", 4, 0.55, [7]),  # a fill into the loop's start
        ("hat", "x.x.x.x.x.x.x.x.", 4, 0.7),
        ("tom", "........x.x.x...", 4, 0.5, [3]),
        ("crash", "x...............", 4, 0.55, [0]),
    ])


def victory_killer(rng):
    loop = Loop(90, 4)
    progression = ["Dm", "Bb", "Gm", "A7"]
    comp(loop, strings, progression, [(0, 4)], 0.45, low=45)
    bass_line(loop, bass, progression, [(0, 2), (2, 2)], 0.5, low=31)
    loop.melody(bell, melody_from(
        "0:1:81 1:1:77 2:1:74 3:1:73 4:1:74 5:1:77 6:2:70 8:1:79 9:1:74 10:1:70 11:1:67 "
        "12:1:69 13:1:73 14:2:76"), 0.35)
    return loop.buffer


def victory_detective(rng):
    loop = Loop(120, 4)
    kit = DrumKit(rng)
    progression = ["Bb", "Eb", "F", "Bb"]
    comp(loop, brass, progression, [(0, 1.5), (1.5, 0.5), (2, 2)], 0.45, low=58)
    bass_line(loop, bass, progression, [(0, 1), (1, 1), (2, 1), (3, 1)], 0.5, fifth_on=(1, 3))
    loop.melody(brass, melody_from(
        "0:0.5:65 0.5:0.5:70 1:0.5:74 1.5:2.5:77 4:1:79 5:1:75 6:2:79 8:1:81 9:1:77 10:2:72 "
        "12:1:74 13:1:77 14:2:82"), 0.4)
    loop.pattern(kit, "tom", "x.x.x.xx", 2, 0.5)
    loop.pattern(kit, "crash", "x.......", 2, 0.35, bars=[0, 2])
    return loop.buffer


MUSIC = {
    "MainMenu": main_menu,
    "Loading": loading,
    "Tutorial": tutorial,
    "Level1": level1,
    "Level2": level2,
    "Level3": level3,
    "Level1Drum": level1_drums,
    "Level2Drum": level2_drums,
    "Level3Drum": level3_drums,
    "Victory_Killer": victory_killer,
    "Victory_Detective": victory_detective,
}


# ---------------------------------------------------------------- output ---

def encode(samples, path, quality, serial):
    samples = np.clip(samples, -1.0, 1.0)
    pcm = (samples * 32767.0).astype("<i2")
    with tempfile.TemporaryDirectory() as work:
        wav_path = os.path.join(work, "sound.wav")
        with wave.open(wav_path, "wb") as wav:
            wav.setnchannels(1)
            wav.setsampwidth(2)
            wav.setframerate(SR)
            wav.writeframes(pcm.tobytes())
        subprocess.run(["oggenc", "-Q", "-q", str(quality), "--serial", str(serial),
                        "-o", path, wav_path], check=True)


def write_list(path, folder, names):
    with open(path, "w", encoding="ascii") as out:
        for name in names:
            out.write(f"{name} Resources/{folder}/{name}.ogg\n")


def main():
    resources = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "Resources")
    groups = (("sounds", EFFECTS, 0.7, 3, "Sound.txt"), ("music", MUSIC, 0.5, 1, "BGM.txt"))
    serial = 1000
    for folder, makers, peak, quality, list_name in groups:
        os.makedirs(os.path.join(resources, folder), exist_ok=True)
        for name, make in makers.items():
            serial += 1
            rng = np.random.default_rng(serial)
            samples = make(rng)
            samples = normalise(samples, peak)
            if folder == "sounds":
                samples = fade_edges(samples)
            encode(samples, os.path.join(resources, folder, name + ".ogg"), quality, serial)
            print(f"{folder}/{name}.ogg  {len(samples) / SR:.2f} s")
        write_list(os.path.join(resources, list_name), folder, makers)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""smf_writer: turns a song's note data into a General MIDI Standard MIDI File (format 1).

    smf_writer.py <song.txt> <out.mid>

A song file holds lines of the form

    tempo 96                      beats per minute
    meter 4/4                     4/4, 3/4 or 6/8 (6/8 counts dotted quarters)
    melody <program> <volume>     GM program (0-127) of the tune
    harmony <program> <volume> <style>   block | arpeggio | comp | waltz | broken
    bass <program> <volume> <style>      root | fifths | eighths | walk | waltz
    drums <style> <volume>               none | soft | rock | march | shuffle | waltz | sixeight
    section <name>                then, until the next section:
    chords <chord> ... | <chord> ... | ...     one bar per '|' group; a bar's chords share it
    notes  <note> ... | ...                     the melody (several lines add up)
    form <name> <name> ...        the order the sections play in; the file ends there and
                                  starts again, so a piece loops on a bar line

Notes are <pitch><octave>:<length>, e.g. E5:4, F#4:8., Bb3:2, r:4 (a rest); the length is the
fraction of a whole note (4 a quarter, 8 an eighth, 12 an eighth triplet, '.' dotted). Chords are
a root (C, F#, Bb ...) with an optional quality (m 7 m7 maj7 6 m6 dim sus4 9 add9 aug) and an
optional /bass. Every bar is checked against the meter, and every note ends by the loop point.
"""

import re
import struct
import sys

TPQ = 480
NOTE_BASE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
QUALITIES = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
    "maj7": (0, 4, 7, 11), "6": (0, 4, 7, 9), "m6": (0, 3, 7, 9), "dim": (0, 3, 6),
    "sus4": (0, 5, 7), "9": (0, 4, 7, 10, 14), "add9": (0, 4, 7, 14), "aug": (0, 4, 8),
    "m7b5": (0, 3, 6, 10),
}


class SongError(Exception):
    pass


def pitch_class(name):
    if not name or name[0] not in NOTE_BASE:
        raise SongError(f"bad pitch {name!r}")
    pc = NOTE_BASE[name[0]]
    for accidental in name[1:]:
        pc += {"#": 1, "b": -1}.get(accidental, 0)
        if accidental not in "#b":
            raise SongError(f"bad pitch {name!r}")
    return pc % 12


def parse_note(token, whole):
    head, _, length = token.partition(":")
    if not length:
        raise SongError(f"note without length: {token!r}")
    dotted = length.endswith(".")
    ticks = whole * (3 if dotted else 2) // (2 * int(length.rstrip(".")))
    if head.lower() == "r":
        return None, ticks
    octave = int(head[-1]) if head[-1].isdigit() else None
    if octave is None:
        raise SongError(f"note without octave: {token!r}")
    return 12 * (octave + 1) + pitch_class(head[:-1]), ticks


def parse_chord(token):
    body, _, bass = token.partition("/")
    root_len = 2 if len(body) > 1 and body[1] in "#b" else 1
    root = pitch_class(body[:root_len])
    quality = body[root_len:]
    if quality not in QUALITIES:
        raise SongError(f"unknown chord {token!r}")
    return root, QUALITIES[quality], pitch_class(bass) if bass else root


class Song:
    def __init__(self, text):
        self.tempo, self.meter = 100, (4, 4)
        self.parts, self.sections, self.form = {}, {}, []
        current = None
        for number, raw in enumerate(text.splitlines(), 1):
            line = re.sub(r"(^|\s)#.*", "", raw).strip()  # '#' also marks sharps: C#5
            if not line:
                continue
            word, *args = line.split()
            try:
                if word == "tempo":
                    self.tempo = float(args[0])
                elif word == "meter":
                    top, bottom = args[0].split("/")
                    self.meter = (int(top), int(bottom))
                elif word in ("melody", "harmony", "bass"):
                    self.parts[word] = (int(args[0]), int(args[1]), args[2] if len(args) > 2 else "")
                elif word == "drums":
                    self.parts["drums"] = (0, int(args[1]) if len(args) > 1 else 90, args[0])
                elif word == "section":
                    current = self.sections.setdefault(args[0], {"chords": [], "notes": []})
                elif word in ("chords", "notes"):
                    if current is None:
                        raise SongError("chords or notes outside a section")
                    bars = [b.split() for b in " ".join(args).split("|")]
                    current[word].extend(b for b in bars if b)
                elif word == "form":
                    self.form = args
                else:
                    raise SongError(f"unknown word {word!r}")
            except (SongError, ValueError, IndexError) as e:
                raise SongError(f"line {number}: {e}")
        if not self.form:
            raise SongError("no form")

    @property
    def bar_ticks(self):
        top, bottom = self.meter
        return TPQ * 4 * top // bottom


# ---------------------------------------------------------------- accompaniment patterns


def voicing(root, intervals, low=55):
    """Close voicing of the chord from the first chord tone at or above `low`."""
    notes = sorted({(root + i) % 12 for i in intervals})
    out = []
    for pc in notes:
        n = low + ((pc - low) % 12)
        out.append(n)
    return sorted(out)[:4]


def harmony_notes(style, chord, start, length, meter):
    root, intervals, _ = chord
    v = voicing(root, intervals)
    beat = TPQ if meter[1] == 4 else TPQ // 2
    events = []
    if style == "block":
        events += [(start, length, n, 62) for n in v]
    elif style == "arpeggio":
        step = TPQ // 2
        seq = v + [v[0] + 12] + v[1:][::-1]
        for i, t in enumerate(range(0, length, step)):
            events.append((start + t, min(step, length - t), seq[i % len(seq)], 60 if i % 2 else 70))
    elif style == "broken":  # a gentle low-high pattern on quarters
        seq = [v[0], v[-1], v[1], v[-1]]
        for i, t in enumerate(range(0, length, TPQ)):
            events.append((start + t, min(TPQ, length - t), seq[i % 4], 58))
    elif style == "comp":  # chords on the off-beats
        for t in range(0, length, TPQ):
            events += [(start + t + TPQ // 2, TPQ // 2 - 20, n, 64) for n in v]
    elif style == "waltz":  # beats 2 and 3 (of 3/4), or 2-3 and 5-6 (of 6/8)
        for t in range(beat, length, beat):
            if meter == (6, 8) and t == 3 * beat:
                continue
            events += [(start + t, beat - 20, n, 58) for n in v]
    else:
        raise SongError(f"unknown harmony style {style!r}")
    return events


def bass_notes(style, chord, next_chord, start, length, meter):
    root, intervals, bass = chord
    low = 36 + ((bass - 36) % 12)  # C2 ... B2
    fifth = low + 7 if low + 7 <= 52 else low - 5
    third = low + intervals[1]
    events = []
    if style == "root":
        events.append((start, length - 20, low, 90))
    elif style == "fifths":
        half = length // 2
        events += [(start, half - 20, low, 92), (start + half, length - half - 20, fifth, 84)]
    elif style == "eighths":
        for i, t in enumerate(range(0, length, TPQ // 2)):
            n = low if (i % 8) not in (6,) else fifth
            events.append((start + t, TPQ // 2 - 30, n, 92 if i % 2 == 0 else 76))
    elif style == "walk":
        target = 36 + ((next_chord[2] - 36) % 12)
        approach = target - 1 if target - 1 > low else target + 1
        seq = [low, third, fifth, approach]
        beats = length // TPQ
        for i in range(beats):
            n = seq[i] if beats == 4 else (low if i == 0 else approach)
            events.append((start + i * TPQ, TPQ - 30, n, 92 if i % 2 == 0 else 82))
    elif style == "waltz":
        beat = TPQ if meter[1] == 4 else TPQ // 2
        events.append((start, beat * 2 - 20, low, 92))
        if meter == (6, 8) and length >= 6 * beat:
            events.append((start + 3 * beat, beat * 2 - 20, fifth, 84))
    else:
        raise SongError(f"unknown bass style {style!r}")
    return events


KICK, SNARE, HAT, OPEN_HAT, RIDE, BRUSH, CRASH, TOM, SHAKER = 36, 38, 42, 46, 51, 40, 49, 45, 70


def drum_notes(style, start, length, meter, first_bar):
    e = []
    q = TPQ
    if style == "none":
        return e
    if style in ("soft", "rock"):
        hat_v, kick_v, snare_v = (44, 70, 46) if style == "soft" else (70, 100, 90)
        for t in range(0, length, q // 2):
            e.append((start + t, 60, HAT if style == "rock" else SHAKER, hat_v + (10 if t % q == 0 else 0)))
        for t in range(0, length, q):
            beat = t // q
            if beat % 2 == 0:
                e.append((start + t, 60, KICK, kick_v))
            else:
                e.append((start + t, 60, SNARE if style == "rock" else BRUSH, snare_v))
    elif style == "march":
        for t in range(0, length, q):
            e.append((start + t, 60, KICK if (t // q) % 2 == 0 else SNARE, 84))
            e.append((start + t + q // 2, 60, SNARE, 50))
    elif style == "shuffle":
        for t in range(0, length, q):
            e.append((start + t, 60, RIDE, 70))
            e.append((start + t + q * 2 // 3, 60, RIDE, 52))
            e.append((start + t, 60, KICK if (t // q) % 2 == 0 else SNARE, 72 if (t // q) % 2 == 0 else 62))
    elif style in ("waltz", "sixeight"):
        beat = q if meter[1] == 4 else q // 2
        for t in range(0, length, beat):
            b = t // beat
            group_start = b % 3 == 0
            e.append((start + t, 60, KICK if b == 0 or (style == "sixeight" and b == 3) else HAT,
                      78 if group_start else 46))
    else:
        raise SongError(f"unknown drum style {style!r}")
    if first_bar:
        e.append((start, 120, CRASH, 70 if style != "soft" else 40))
    return e


# ---------------------------------------------------------------- assembly


def arrange(song):
    """Returns {part: [(tick, length, note, velocity)]} and the loop length in ticks."""
    bar = song.bar_ticks
    whole = TPQ * 4
    out = {name: [] for name in song.parts}
    bars = []  # (start tick, chord list) over the whole form
    tick = 0
    for name in song.form:
        if name not in song.sections:
            raise SongError(f"form names unknown section {name!r}")
        section = song.sections[name]
        if not section["chords"]:
            raise SongError(f"section {name!r} has no chords")
        for chords in section["chords"]:
            bars.append((tick, [parse_chord(c) for c in chords]))
            tick += bar
        # melody: must fill the section bar by bar
        mtick = bars[-len(section["chords"])][0]
        notes = section["notes"]
        if notes and len(notes) != len(section["chords"]):
            raise SongError(f"section {name!r}: {len(notes)} melody bars for "
                            f"{len(section['chords'])} chord bars")
        for index, tokens in enumerate(notes):
            used = 0
            for token in tokens:
                pitch, ticks = parse_note(token, whole)
                if pitch is not None and "melody" in out:
                    out["melody"].append((mtick + used, ticks - 12, pitch, 96 if used % TPQ == 0 else 84))
                used += ticks
            if used != bar:
                raise SongError(f"section {name!r}, melody bar {index + 1}: "
                                f"{used} ticks instead of {bar}")
            mtick += bar
    total = tick
    for i, (start, chords) in enumerate(bars):
        span = bar // len(chords)
        following = bars[(i + 1) % len(bars)][1][0]
        for j, chord in enumerate(chords):
            nxt = chords[j + 1] if j + 1 < len(chords) else following
            s = start + j * span
            if "harmony" in out:
                out["harmony"] += harmony_notes(song.parts["harmony"][2], chord, s, span, song.meter)
            if "bass" in out:
                out["bass"] += bass_notes(song.parts["bass"][2], chord, nxt, s, span, song.meter)
        if "drums" in out:
            out["drums"] += drum_notes(song.parts["drums"][2], start, bar, song.meter, i == 0)
    for events in out.values():
        for t, length, _, _ in events:
            if t + length > total:
                raise SongError("a note rings past the loop point")
    return out, total


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def track(events, end_tick):
    """events: (tick, order, bytes); an end-of-track at the loop point closes it."""
    data = b""
    now = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        data += vlq(tick - now) + message
        now = tick
    data += vlq(end_tick - now) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + data


CHANNELS = {"melody": 0, "harmony": 1, "bass": 2, "drums": 9}


def write_smf(song, path):
    parts, total = arrange(song)
    top, bottom = song.meter
    tempo_us = int(round(60_000_000 / song.tempo))
    conductor = [
        (0, 0, b"\xff\x51\x03" + tempo_us.to_bytes(3, "big")),
        (0, 1, bytes([0xFF, 0x58, 0x04, top, {4: 2, 8: 3}[bottom], 24, 8])),
    ]
    chunks = [track(conductor, total)]
    for name, events in parts.items():
        ch = CHANNELS[name]
        program, volume, _ = song.parts[name]
        msgs = [(0, 0, bytes([0xB0 | ch, 7, volume])), (0, 0, bytes([0xB0 | ch, 91, 40])),
                (0, 0, bytes([0xB0 | ch, 10, {0: 64, 1: 52, 2: 64, 9: 64}[ch]]))]
        if ch != 9:
            msgs.append((0, 1, bytes([0xC0 | ch, program])))
        for t, length, note, velocity in events:
            if not 0 <= note <= 127:
                raise SongError(f"note {note} out of range")
            msgs.append((t, 3, bytes([0x90 | ch, note, velocity])))
            msgs.append((t + max(length, 10), 2, bytes([0x80 | ch, note, 0])))
        chunks.append(track(msgs, total))
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), TPQ)
    with open(path, "wb") as f:
        f.write(header + b"".join(chunks))
    return total * 60.0 / (TPQ * song.tempo)


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: smf_writer.py <song.txt> <out.mid>")
    with open(sys.argv[1], encoding="utf-8") as f:
        text = f.read()
    try:
        seconds = write_smf(Song(text), sys.argv[2])
    except SongError as e:
        raise SystemExit(f"{sys.argv[1]}: {e}")
    if not 40 <= seconds <= 90:
        raise SystemExit(f"{sys.argv[1]}: {seconds:.1f} s, outside 40 to 90 s")


if __name__ == "__main__":
    main()

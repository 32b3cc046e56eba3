#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads what SDL's disk driver recorded during sound_demo and the demo's event list, and
reports whether each effect was heard and how soon one song followed the last.

    python3 analyze_disk_audio.py out.raw events.txt

The recording is raw signed 16-bit stereo at 44100 Hz, as the game opens the device."""
import array
import math
import sys

RATE = 44100
CHANNELS = 2
WINDOW = 0.01  # seconds
SILENT_DB = -60.0


def windows_db(raw_path):
    samples = array.array("h")
    with open(raw_path, "rb") as f:
        samples.frombytes(f.read())
    if sys.byteorder != "little":
        samples.byteswap()
    per = int(RATE * WINDOW) * CHANNELS
    levels = []
    for start in range(0, len(samples) - per + 1, per):
        chunk = samples[start:start + per]
        rms = math.sqrt(sum(s * s for s in chunk) / len(chunk)) / 32768.0
        levels.append(20 * math.log10(rms) if rms > 0 else -120.0)
    return levels


def loudest(levels, t_from, t_to):
    a, b = int(t_from / WINDOW), int(t_to / WINDOW)
    part = levels[a:b]
    return max(part) if part else -120.0


def onsets(levels, t_from, t_to, quiet_windows=5):
    """Times where sound starts after at least `quiet_windows` silent windows."""
    found = []
    a, b = int(t_from / WINDOW), int(t_to / WINDOW)
    for i in range(max(a, quiet_windows), min(b, len(levels))):
        if levels[i] > SILENT_DB and all(l <= SILENT_DB for l in levels[i - quiet_windows:i]):
            found.append(i * WINDOW)
    return found


def jumps(levels, t_from, t_to):
    """Times where the level leaps up: a new sound starting, even over the end of another."""
    a, b = max(1, int(t_from / WINDOW)), min(len(levels), int(t_to / WINDOW))
    return [i * WINDOW for i in range(a, b)
            if levels[i] > -40 and levels[i] - levels[i - 1] > 12]


def clock_to_recording(levels, events):
    """The disk driver does not keep exact time: fit recording time = a * clock + b from the
    moments each effect was started and first heard."""
    pairs = []
    for t, what in events:
        if what.startswith("sfx"):
            heard = jumps(levels, t - 1.0, t + 0.5)
            if heard:
                pairs.append((t, min(heard, key=lambda h: abs(h - t))))
    n = len(pairs)
    mx = sum(p[0] for p in pairs) / n
    my = sum(p[1] for p in pairs) / n
    sxx = sum((p[0] - mx) ** 2 for p in pairs)
    a = sum((p[0] - mx) * (p[1] - my) for p in pairs) / sxx if sxx else 1.0
    b = my - a * mx
    return lambda t: a * t + b, a, b


def main():
    raw_path, events_path = sys.argv[1], sys.argv[2]
    levels = windows_db(raw_path)
    events = []
    song_length = None
    for line in open(events_path):
        parts = line.split()
        if len(parts) >= 3 and parts[0] == "event":
            events.append((float(parts[1]), " ".join(parts[2:])))
            if parts[2] == "song-length":
                song_length = float(parts[3])
    to_rec, a, b = clock_to_recording(levels, events)
    events = [(to_rec(t), what) for t, what in events]
    print(f"recording: {len(levels) * WINDOW:.1f} s; recording time = {a:.4f} x clock {b:+.3f} s")
    silent = sum(1 for l in levels if l <= SILENT_DB)
    print(f"windows above {SILENT_DB:.0f} dBFS: {len(levels) - silent} of {len(levels)}")

    print("\neffects (loudest 10 ms near each, times in the recording):")
    for t, what in events:
        if what.startswith("sfx"):
            print(f"  {what:7s} at {t:6.2f} s: {loudest(levels, t - 0.3, t + 0.4):6.1f} dBFS")

    music_on = next(t for t, w in events if w == "music on")
    jukebox = next(t for t, w in events if w.startswith("jukebox"))
    starts = onsets(levels, music_on - 0.2, jukebox)
    print(f"\nshort song ({song_length:.3f} s to its last event) starts heard at: "
          + ", ".join(f"{s:.2f}" for s in starts))
    for a, b in zip(starts, starts[1:]):
        print(f"  last note ended at {a + song_length:.2f} s, next song heard at {b:.2f} s:"
              f" gap {b - a - song_length:.2f} s")
    dones = [t for t, w in events if w == "done 1" and music_on < t < jukebox]
    plays = [t for t, w in events if w.startswith("midi play") and music_on < t < jukebox]
    print("  by the clock: plays at " + ", ".join(f"{p:.2f}" for p in plays)
          + "; ends reported at " + ", ".join(f"{d:.2f}" for d in dones))
    for p, q in zip(plays, plays[1:]):
        print(f"  play to next play {q - p:.2f} s: gap after the last event {q - p - song_length:.2f} s")

    end = next(t for t, w in events if w == "end")
    minimise = next(t for t, w in events if w == "minimise")
    restore = next(t for t, w in events if w == "restore")
    print(f"\njukebox tunes {jukebox:.1f}-{minimise:.1f} s: loudest "
          f"{loudest(levels, jukebox + 0.3, minimise):.1f} dBFS")
    a, b = int((minimise - 0.5) / WINDOW), int((restore + 0.5) / WINDOW)
    longest, run, run_end = 0, 0, a
    for i in range(a, b):
        run = run + 1 if levels[i] <= SILENT_DB else 0
        if run > longest:
            longest, run_end = run, i
    print(f"minimised at {minimise:.2f} s, restored at {restore:.2f} s: silent (paused) from "
          f"{(run_end - longest + 1) * WINDOW:.2f} to {(run_end + 1) * WINDOW:.2f} s")
    print(f"after the restore: loudest {loudest(levels, restore + 0.5, end - 1):.1f} dBFS")


if __name__ == "__main__":
    main()

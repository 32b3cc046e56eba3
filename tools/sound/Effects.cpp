// SPDX-License-Identifier: GPL-3.0-or-later
#include "Effects.h"

#include "WaveSynth.h"

namespace tessary::tools {

namespace {

// Timbres: (frequency ratio, level) of each partial.
const WaveSynth::Partials kBell{{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.12}, {4.2, 0.08}};
const WaveSynth::Partials kMarimba{{1.0, 1.0}, {4.0, 0.25}, {9.9, 0.05}};
const WaveSynth::Partials kWood{{1.0, 1.0}, {2.0, 0.5}, {3.0, 0.35}, {4.0, 0.2}};
const WaveSynth::Partials kSoft{{1.0, 1.0}, {3.0, 0.11}, {5.0, 0.04}};

// Picking a piece: a short woody tick.
void click(const std::string& path) {
    WaveSynth s(0.07);
    s.tick(0, 0.5);
    s.tone(0, 0.07, 1500, 0.6, 0.008, {{1.0, 1.0}, {2.7, 0.3}});
    s.tone(0, 0.07, 620, 0.4, 0.012, {{1.0, 1.0}});
    s.finish(0.7);
    s.write(path);
}

// Refused: two low, round notes stepping down.
void refuse(const std::string& path) {
    WaveSynth s(0.34);
    s.tone(0.0, 0.13, 196.0, 1.0, 0.09, kWood);
    s.tone(0.14, 0.2, 164.8, 1.0, 0.1, kWood);
    s.finish(0.7);
    s.write(path);
}

// A piece home at the target, and the finished puzzle: a rising bell arpeggio.
void arpeggio(const std::string& path) {
    WaveSynth s(0.9);
    const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};
    for (int i = 0; i < 4; ++i)
        s.tone(0.07 * i, 0.9 - 0.07 * i, notes[i], 1.0 - 0.1 * i, 0.28, kBell);
    s.finish(0.75);
    s.write(path);
}

// The selected piece home: two marimba notes a fifth apart.
void ding(const std::string& path) {
    WaveSynth s(0.55);
    s.tone(0.0, 0.55, 784.0, 1.0, 0.16, kMarimba);
    s.tone(0.09, 0.46, 1174.7, 1.0, 0.18, kMarimba);
    s.finish(0.75);
    s.write(path);
}

// Sound effects switched on: one clear bell.
void chime(const std::string& path) {
    WaveSynth s(1.6);
    s.tone(0, 1.6, 880.0, 1.0, 0.6,
           {{1.0, 1.0}, {2.0, 0.6}, {2.76, 0.4}, {5.4, 0.25}, {8.93, 0.1}});
    s.finish(0.7);
    s.write(path);
}

// Slide asked for with nothing selected: a soft falling bloop.
void noSlide(const std::string& path) {
    WaveSynth s(0.2);
    s.glide(0, 0.2, 660, 330, 1.0);
    s.finish(0.65);
    s.write(path);
}

// Fetch asked for with nothing selected: two soft notes a minor third down.
void noFetch(const std::string& path) {
    WaveSynth s(0.26);
    s.tone(0.0, 0.11, 392.0, 1.0, 0.12, kSoft);
    s.tone(0.12, 0.14, 311.1, 1.0, 0.12, kSoft);
    s.finish(0.65);
    s.write(path);
}

// A place in the Hall of Fame after a solved puzzle: a short brass fanfare.
void fanfare(const std::string& path) {
    WaveSynth s(1.9);
    s.brass(0.00, 0.13, 392.0, 0.8);
    s.brass(0.15, 0.13, 392.0, 0.8);
    s.brass(0.30, 0.13, 392.0, 0.8);
    s.brass(0.45, 0.48, 523.3, 0.9);
    s.brass(0.95, 0.95, 523.3, 0.6);
    s.brass(0.95, 0.95, 659.3, 0.5);
    s.brass(0.95, 0.95, 784.0, 0.5);
    s.brass(0.95, 0.95, 261.6, 0.5);
    s.finish(0.8);
    s.write(path);
}

// A new board laid out: a quick cascade of bells up a pentatonic scale.
void newBoard(const std::string& path) {
    WaveSynth s(0.95);
    const double notes[] = {1046.5, 1174.7, 1318.5, 1568.0, 1760.0, 2093.0, 2349.3, 2637.0};
    for (int i = 0; i < 8; ++i)
        s.tone(0.045 * i, 0.95 - 0.045 * i, notes[i], 1.0 - 0.07 * i, 0.2, kBell);
    s.tone(0, 0.95, 261.6, 0.5, 0.35, {{1.0, 1.0}, {2.0, 0.3}});
    s.finish(0.7);
    s.write(path);
}

// A piece sliding home: a whoosh rising and settling.
void whoosh(const std::string& path) {
    WaveSynth s(0.5);
    s.whoosh(0, 0.5, 300, 2500, 600, 1.0);
    s.finish(0.7);
    s.write(path);
}

// The right piece fetched into place (and the About box): a rising whoosh with a glint.
void whooshUp(const std::string& path) {
    WaveSynth s(0.6);
    s.whoosh(0, 0.45, 400, 1500, 4000, 1.0);
    s.glide(0.3, 0.3, 1500, 3000, 0.25);
    s.finish(0.7);
    s.write(path);
}

} // namespace

const std::vector<Effect>& effects() {
    static const std::vector<Effect> all{
        {"click.wav", click},     {"refuse.wav", refuse},     {"arpeggio.wav", arpeggio},
        {"ding.wav", ding},       {"chime.wav", chime},       {"noslide.wav", noSlide},
        {"nofetch.wav", noFetch}, {"fanfare.wav", fanfare},   {"newboard.wav", newBoard},
        {"whoosh.wav", whoosh},   {"whooshup.wav", whooshUp},
    };
    return all;
}

const std::vector<std::string>& effectFilesByNumber() {
    // Effects 1, 8, 10, 14 and 15 are never played; they share files.
    static const std::vector<std::string> files{
        "click.wav",    // 0 a piece selected; a swap that puts no piece home
        "click.wav",    // 1
        "refuse.wav",   // 2 a refused click
        "arpeggio.wav", // 3 the target's piece home; the finished puzzle
        "ding.wav",     // 4 the selected piece home
        "chime.wav",    // 5 effects switched on
        "noslide.wav",  // 6 F7 with nothing selected
        "nofetch.wav",  // 7 F8 with nothing selected
        "chime.wav",    // 8
        "fanfare.wav",  // 9 the Hall of Fame name entry
        "chime.wav",    // 10
        "newboard.wav", // 11 a board laid out
        "whoosh.wav",   // 12 F7 slides a piece
        "whooshup.wav", // 13 F8 slides a piece; the About box
        "chime.wav",    // 14
        "chime.wav",    // 15
    };
    return files;
}

} // namespace tessary::tools

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tunes.h"

#include "MidiWriter.h"

#include <sstream>
#include <stdexcept>

namespace tessary::tools {

namespace {

// "E4" is key 64; "R" is a rest (-1).
int keyOf(const std::string& name) {
    if (name == "R")
        return -1;
    static const int semitone[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int key = semitone[name.at(0) - 'A'];
    std::size_t i = 1;
    if (name.at(i) == '#') {
        ++key;
        ++i;
    } else if (name.at(i) == 'b') {
        --key;
        ++i;
    }
    return key + 12 * (std::stoi(name.substr(i)) + 1);
}

// A melody written as "E4:1 F#4:0.5 R:1 ..." (note, length in beats). Returns its length.
double melody(MidiWriter& song, int track, double start, const std::string& notes, int velocity,
              int transpose = 0) {
    std::istringstream in(notes);
    std::string word;
    double beat = start;
    while (in >> word) {
        const auto colon = word.find(':');
        const int key = keyOf(word.substr(0, colon));
        const double length = std::stod(word.substr(colon + 1));
        if (key >= 0)
            song.note(track, beat, length, key + transpose, velocity);
        beat += length;
    }
    return beat - start;
}

// The three notes of a chord named like "C", "Am", "G7" (the seventh replaces the fifth),
// root in octave 3.
std::vector<int> chord(const std::string& name) {
    int root = keyOf(name.substr(0, name.size() > 1 && name[1] == '#' ? 2 : 1) + "3");
    const bool minor = name.find('m') != std::string::npos;
    const bool seventh = name.find('7') != std::string::npos;
    return {root, root + (minor ? 3 : 4), root + (seventh ? 10 : 7)};
}

// "Ode to Joy" (Beethoven, Ninth Symphony): flute over an oom-pah guitar.
void odeToJoy(const std::string& path) {
    MidiWriter song("Ode to Joy", 120, 4);
    const int flute = song.addTrack("Flute", 0, 73, 110);
    const int guitar = song.addTrack("Guitar", 1, 24, 85);
    const int bass = song.addTrack("Bass", 2, 32, 95);
    const std::string a = "E5:1 E5:1 F5:1 G5:1 G5:1 F5:1 E5:1 D5:1 C5:1 C5:1 D5:1 E5:1 ";
    const std::string first = a + "E5:1.5 D5:0.5 D5:2 ";
    const std::string second = a + "D5:1.5 C5:0.5 C5:2 ";
    const std::string bridge = "D5:1 D5:1 E5:1 C5:1 D5:1 E5:0.5 F5:0.5 E5:1 C5:1 "
                               "D5:1 E5:0.5 F5:0.5 E5:1 D5:1 C5:1 D5:1 G4:2 ";
    melody(song, flute, 0, first + second + bridge + second, 96);

    // One chord a half bar.
    const char* halves[] = {"C", "C", "G", "G", "C", "C", "G", "G",  // first
                            "C", "C", "G", "G", "C", "C", "G", "C",  // second
                            "G", "C", "G", "C", "G", "G", "C", "G7", // bridge
                            "C", "C", "G", "G", "C", "C", "G", "C"}; // second again
    for (int h = 0; h < 32; ++h) {
        const auto notes = chord(halves[h]);
        const double beat = 2.0 * h;
        song.note(bass, beat, 1, notes[0] - 12, 90);
        for (int key : notes)
            song.note(guitar, beat + 1, 0.9, key + 12, 60);
    }
    song.write(path);
}

// "Frère Jacques": the old round, three voices entering two bars apart.
void frereJacques(const std::string& path) {
    MidiWriter song("Frere Jacques", 112, 4);
    const std::string round = "C:1 D:1 E:1 C:1 C:1 D:1 E:1 C:1 E:1 F:1 G:2 E:1 F:1 G:2 "
                              "G:0.5 A:0.5 G:0.5 F:0.5 E:1 C:1 G:0.5 A:0.5 G:0.5 F:0.5 E:1 C:1 "
                              "C:1 g:1 C:2 C:1 g:1 C:2 ";
    struct Voice {
        const char* name;
        int program;
        int octave;
        int velocity;
    };
    const Voice voices[] = {{"Clarinet", 71, 5, 100}, {"Oboe", 68, 4, 92}, {"Bassoon", 70, 3, 96}};
    for (int v = 0; v < 3; ++v) {
        const int track = song.addTrack(voices[v].name, v, voices[v].program);
        // Spell each note with the voice's octave; lower-case "g" is the G below.
        std::string spelled;
        std::istringstream in(round + round);
        std::string word;
        while (in >> word) {
            const auto colon = word.find(':');
            std::string name = word.substr(0, colon);
            int octave = voices[v].octave;
            if (name == "g") {
                name = "G";
                --octave;
            }
            spelled += name + std::to_string(octave) + word.substr(colon) + " ";
        }
        melody(song, track, 8.0 * v, spelled, voices[v].velocity);
    }
    song.write(path);
}

// "Greensleeves" (English, sixteenth century): recorder over a broken-chord guitar.
void greensleeves(const std::string& path) {
    MidiWriter song("Greensleeves", 150, 3);
    const int recorder = song.addTrack("Recorder", 0, 74, 110);
    const int guitar = song.addTrack("Guitar", 1, 24, 90);
    const std::string verse = "C5:2 D5:1 E5:1.5 F5:0.5 E5:1 D5:2 B4:1 G4:1.5 A4:0.5 B4:1 "
                              "C5:2 A4:1 A4:1.5 G#4:0.5 A4:1 B4:2 G#4:1 E4:2 A4:1 "
                              "C5:2 D5:1 E5:1.5 F5:0.5 E5:1 D5:2 B4:1 G4:1.5 A4:0.5 B4:1 "
                              "C5:1.5 B4:0.5 A4:1 G#4:1.5 F#4:0.5 G#4:1 A4:3 A4:2 R:1 ";
    const std::string refrain = "G5:3 G5:1.5 F#5:0.5 E5:1 D5:2 B4:1 G4:1.5 A4:0.5 B4:1 "
                                "C5:2 A4:1 A4:1.5 G#4:0.5 A4:1 B4:2 G#4:1 E4:3 "
                                "G5:3 G5:1.5 F#5:0.5 E5:1 D5:2 B4:1 G4:1.5 A4:0.5 B4:1 "
                                "C5:1.5 B4:0.5 A4:1 G#4:1.5 F#4:0.5 G#4:1 A4:3 A4:3 ";
    melody(song, recorder, 0, "A4:1 " + verse + refrain, 92);

    const char* bars[] = {"Am", "C",  "G", "Em", "Am", "Am", "E",  "E", "Am", "C",  "G",
                          "Em", "Am", "E", "Am", "Am", "C",  "C",  "G", "Em", "Am", "Am",
                          "E",  "E",  "C", "C",  "G",  "Em", "Am", "E", "Am", "Am"};
    for (int b = 0; b < 32; ++b) {
        const auto notes = chord(bars[b]);
        const double start = 1.0 + 3.0 * b; // after the pick-up note
        const int pattern[] = {notes[0] - 12, notes[2] - 12, notes[0],
                               notes[1],      notes[0],      notes[2] - 12};
        for (int i = 0; i < 6; ++i)
            song.note(guitar, start + 0.5 * i, i == 0 ? 3.0 : 0.5, pattern[i], i == 0 ? 75 : 55);
    }
    song.write(path);
}

// "Ah, vous dirai-je, maman" (French, eighteenth century; "Twinkle, Twinkle"): music box
// over a broken-chord piano.
void twinkle(const std::string& path) {
    MidiWriter song("Ah vous dirai-je maman", 100, 4);
    const int box = song.addTrack("Music box", 0, 10, 110);
    const int piano = song.addTrack("Piano", 1, 0, 80);
    const std::string outer = "C5:1 C5:1 G5:1 G5:1 A5:1 A5:1 G5:2 F5:1 F5:1 E5:1 E5:1 "
                              "D5:1 D5:1 C5:2 ";
    const std::string middle = "G5:1 G5:1 F5:1 F5:1 E5:1 E5:1 D5:2 ";
    melody(song, box, 0, outer + middle + middle + outer, 100);

    const char* halves[] = {"C", "C", "F", "C", "F", "C", "G", "C", "C", "F", "C", "G",
                            "C", "F", "C", "G", "C", "C", "F", "C", "F", "C", "G", "C"};
    for (int h = 0; h < 24; ++h) {
        const auto notes = chord(halves[h]);
        const int pattern[] = {notes[0], notes[2], notes[1], notes[2]}; // low, high, middle, high
        for (int i = 0; i < 4; ++i)
            song.note(piano, 2.0 * h + 0.5 * i, 0.5, pattern[i], i == 0 ? 70 : 52);
    }
    song.write(path);
}

} // namespace

const std::vector<Tune>& tunes() {
    static const std::vector<Tune> all{{"ode_to_joy.mid", odeToJoy},
                                       {"frere_jacques.mid", frereJacques},
                                       {"greensleeves.mid", greensleeves},
                                       {"twinkle.mid", twinkle}};
    return all;
}

void writeShortSong(const std::string& path) {
    MidiWriter song("Short test song", 120, 4);
    const int piano = song.addTrack("Piano", 0, 0, 110);
    melody(song, piano, 0, "C5:0.5 E5:0.5 G5:0.5 C6:1.5", 100);
    song.write(path);
}

} // namespace tessary::tools

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessary::tools {

// Writes a Standard MIDI File (format 1, 480 ticks a beat): one tempo track, then one track
// per instrument. Every track ends together, right after the last note.
class MidiWriter {
  public:
    static constexpr int kTicksPerBeat = 480;

    MidiWriter(std::string title, double beatsPerMinute, int beatsPerBar);

    // A new instrument on its own channel; returns its track number.
    int addTrack(const std::string& name, int channel, int program, int volume = 100);

    // A note starting at `beat` (from the song's start) lasting `beats`.
    void note(int track, double beat, double beats, int key, int velocity);

    std::vector<uint8_t> bytes() const;
    bool write(const std::string& path) const;

  private:
    struct Event {
        uint32_t tick;
        int order; // at the same tick: set-up first, then note ends, then note starts
        std::vector<uint8_t> data;
    };
    struct Track {
        std::string name;
        int channel;
        std::vector<Event> events;
    };

    static uint32_t toTick(double beat);
    uint32_t lastTick() const;

    std::string title_;
    double beatsPerMinute_;
    int beatsPerBar_;
    std::vector<Track> tracks_;
};

} // namespace tessary::tools

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace tessary::testing {

// Builds Standard MIDI File bytes by hand, so tests can make exact, short or broken songs.
using Bytes = std::vector<uint8_t>;

inline Bytes varLength(uint32_t value) {
    Bytes out{static_cast<uint8_t>(value & 0x7F)};
    while (value >>= 7)
        out.insert(out.begin(), static_cast<uint8_t>(0x80 | (value & 0x7F)));
    return out;
}

inline Bytes& operator+=(Bytes& a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes midiHeader(uint16_t format, uint16_t tracks, uint16_t division) {
    return {'M',
            'T',
            'h',
            'd',
            0,
            0,
            0,
            6,
            static_cast<uint8_t>(format >> 8),
            static_cast<uint8_t>(format),
            static_cast<uint8_t>(tracks >> 8),
            static_cast<uint8_t>(tracks),
            static_cast<uint8_t>(division >> 8),
            static_cast<uint8_t>(division)};
}

inline Bytes midiTrack(const Bytes& events) {
    const auto n = static_cast<uint32_t>(events.size());
    Bytes out{'M',
              'T',
              'r',
              'k',
              static_cast<uint8_t>(n >> 24),
              static_cast<uint8_t>(n >> 16),
              static_cast<uint8_t>(n >> 8),
              static_cast<uint8_t>(n)};
    return out += events;
}

// One event: delta time in ticks, then its bytes.
inline Bytes ev(uint32_t delta, std::initializer_list<uint8_t> body) {
    Bytes out = varLength(delta);
    out.insert(out.end(), body);
    return out;
}

inline Bytes tempoEvent(uint32_t delta, uint32_t microsPerQuarter) {
    return ev(delta, {0xFF, 0x51, 0x03, static_cast<uint8_t>(microsPerQuarter >> 16),
                      static_cast<uint8_t>(microsPerQuarter >> 8),
                      static_cast<uint8_t>(microsPerQuarter)});
}

inline Bytes endOfTrack(uint32_t delta) {
    return ev(delta, {0xFF, 0x2F, 0x00});
}

// A one-track song: a piano note held for `ticks` at 120 beats a minute, 480 ticks a beat.
inline Bytes oneNoteSong(uint32_t ticks, uint8_t note = 72) {
    Bytes events = ev(0, {0xC0, 0x00});
    events += ev(0, {0x90, note, 100});
    events += ev(ticks, {0x80, note, 0});
    events += endOfTrack(0);
    Bytes file = midiHeader(0, 1, 480);
    return file += midiTrack(events);
}

inline void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace tessary::testing

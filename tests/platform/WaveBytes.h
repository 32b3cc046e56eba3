// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace tessary::testing {

// A mono 16-bit PCM wave file of a plain tone.
inline std::string toneWave(double seconds, double hertz = 440, int rate = 22050) {
    const auto frames = static_cast<uint32_t>(seconds * rate);
    std::string out;
    auto put32 = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>(v >> (8 * i)));
    };
    auto put16 = [&out](uint16_t v) {
        out.push_back(static_cast<char>(v));
        out.push_back(static_cast<char>(v >> 8));
    };
    out += "RIFF";
    put32(36 + frames * 2);
    out += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(static_cast<uint32_t>(rate));
    put32(static_cast<uint32_t>(rate) * 2);
    put16(2);
    put16(16);
    out += "data";
    put32(frames * 2);
    for (uint32_t i = 0; i < frames; ++i)
        put16(static_cast<uint16_t>(
            static_cast<int16_t>(8000 * std::sin(2 * M_PI * hertz * i / rate))));
    return out;
}

} // namespace tessary::testing

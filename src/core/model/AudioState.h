// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace tessary {

// What the sound effects and the music keep while the game runs. The player's remembered
// choices (soundOn, jukeMode, jukeFile) live in Settings.
struct AudioState {
    static constexpr int kEffects = 17;

    // The wave file of each effect: 0..15 from the sound list, 16 never named.
    std::array<std::string, kEffects> sfxFile;

    // Background music is off at every start; the choice is never remembered.
    bool musicOn = false;
    // The tune picked at random; empty when the folder holds no MIDI file.
    std::string randomMidi;
};

} // namespace tessary

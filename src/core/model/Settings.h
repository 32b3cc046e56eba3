// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace tessary {

// The player's remembered choices that are not part of the puzzle itself. The puzzle's size,
// type and fit mode live in PuzzleDescription and are remembered alongside these.
struct Settings {
    std::string playerName;
    std::string playerEmail;
    int16_t spareSetting = 0; // carried through files without other use
    int16_t spareFlag = 0;
    bool soundOn = false;
    std::string aboutLine1;
    std::string aboutLine2;
    int16_t jukeMode = 0; // 0 always jukeFile, 1 random at start-up, 2 random every song
    std::string jukeFile;
    int32_t spareLong = 0;
};

} // namespace tessary

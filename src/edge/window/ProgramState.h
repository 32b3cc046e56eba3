// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/AudioState.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "score/HallOfFame.h"

namespace tessary {

// Everything the game keeps while it runs, owned by the application object in main and
// handed to the windows by reference.
struct ProgramState {
    GameState game;
    Settings settings;
    HallOfFame hall;
    AudioState audio;
    int aboutFrame = 0; // the About box's animation frame, kept for the whole run
};

} // namespace tessary

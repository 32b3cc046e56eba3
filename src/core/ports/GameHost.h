// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/BoardOverlays.h"
#include "ports/BoardView.h"
#include "ports/GameDialogs.h"
#include "ports/GameKeeping.h"
#include "ports/PuzzleFiles.h"
#include "ports/PuzzleResults.h"
#include "ports/SoundPlayer.h"
#include "ports/ToolbarView.h"
#include "ports/WindowControls.h"

namespace tessary {

// Everything the rules ask of the edge, one small role each. The engine never draws, plays or
// opens anything itself; the edge changes the game only through the engine's operations.
struct GameHost {
    BoardView& board;
    BoardOverlays& overlays;
    SoundPlayer& sounds;
    ToolbarView& toolbar;
    WindowControls& window;
    GameDialogs& dialogs;
    PuzzleFiles& files;
    PuzzleResults& results;
    GameKeeping& keeping;
};

} // namespace tessary

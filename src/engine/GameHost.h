#pragma once

#include "engine/BoardOverlays.h"
#include "engine/BoardView.h"
#include "engine/GameDialogs.h"
#include "engine/PuzzleFiles.h"
#include "engine/PuzzleResults.h"
#include "engine/SoundPlayer.h"
#include "engine/ToolbarView.h"
#include "engine/WindowControls.h"

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
};

} // namespace tessary

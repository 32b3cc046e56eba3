// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace tessary {

// What the player does, as the rules take it: cells and commands, never pixels or key codes.

// The mouse button pressed on the board.
enum class Button { Left, Right, Middle };

// The function keys F2 to F10 and the toolbar's buttons after help, in their order.
enum class Command {
    ToggleGrid,    // F2: the yellow outlines of misplaced pieces
    ShowSolution,  // F3: the solved picture over the board
    SmallImage,    // F4: the small solved picture in the toolbar
    ShowMissing,   // F5: a blue mark on every cell whose piece is home
    ShowPlaced,    // F6: a green mark on every cell whose piece is not
    FetchPiece,    // F7: brings the selected cell its own piece
    SendHome,      // F8: sends the selected piece home
    ToggleToolbar, // F9
    Minimize,      // F10
};

// The keys of play: the arrows, Home and End move the cursor; Select is Space, Swap is Enter.
enum class PlayKey { Left, Right, Up, Down, Home, End, Select, Swap };

// A key press as the game sees it: the key of play or the command it stands for (neither for
// any other key), and whether it only repeats a key held down.
struct GameKey {
    std::optional<PlayKey> play{};
    std::optional<Command> command{};
    bool autoRepeat = false;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "ports/GameHost.h"
#include "rules/Board.h"
#include "rules/PlayerInput.h"

#include <cstdint>
#include <optional>

namespace tessary {

// The play itself: board clicks, the one swap routine, and the end of a puzzle.
class Play {
  public:
    Play(GameState& state, GameHost host) : s_(state), host_(host), board_(state, host.board) {}

    // A press on the board: on `cell`, or on no cell at all (the strip past the last cell,
    // or before any puzzle). The left button selects, the right one swaps with the selection.
    void press(std::optional<GridPos> cell, Button button);

    // A press on the window outside the board only brings the toolbar back.
    void Form_MouseDown();

    // Every exchange during play passes here: scores it, swaps, plays the sound, moves the
    // selection (selCol/selRow are updated in place) and finishes the puzzle when none is left.
    void doSwap(int16_t& selCol, int16_t& selRow, int targetCol, int targetRow);

    // Builds the performance text, stores netScore, shows the Score window, then the toolbar.
    void MenuPerformance_Click();

    Board& board() { return board_; }

  private:
    void finishPuzzle();

    GameState& s_;
    GameHost host_;
    Board board_;
};

} // namespace tessary

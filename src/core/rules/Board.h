// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "model/RandomSource.h"
#include "ports/BoardView.h"

namespace tessary {

// The board operations: the piece exchange, home placement, the shuffle and the recount.
class Board {
  public:
    Board(GameState& state, BoardView& view) : s_(state), view_(view) {}

    // Sets the board's columns and rows; a board above 50 either way (or empty) is refused.
    bool setSize(int across, int down);

    // Exchanges the pieces shown at two cells and, when asked, redraws both (first, second).
    void swapCells(int c1, int r1, int c2, int r2, bool redraw);

    // Every piece at home.
    void placeHome();

    // One exchange per cell, column by column, each cell with a partner drawn at random
    // (column before row). Nothing is drawn: the exchanges are handed back, in order, so the
    // player can be shown them.
    ShuffleMoves shuffle(RandomSource& random);

    // Recomputes leftToMove: the cells whose piece is not at home.
    void countLeft();

  private:
    GameState& s_;
    BoardView& view_;
};

} // namespace tessary

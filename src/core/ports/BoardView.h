// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/BoardMotion.h"

namespace tessary {

// The board on screen, as the rules see it: cells, outlines and marks. Positions are cells.
class BoardView {
  public:
    enum class MarkColor { Blue, Green };

    virtual ~BoardView() = default;

    virtual void drawCell(int col, int row) = 0;
    virtual void Picture1_Paint() = 0; // full repaint; also hides the solution picture
    virtual void drawSelectionOutline(int col, int row) = 0; // red dotted outline
    virtual void drawMark(int col, int row, MarkColor fill) = 0;
    virtual void bringBoardToFront() = 0;
    // Shows the board picture again as it was last drawn (the idle timer may have hidden it).
    virtual void showBoard() = 0;
    // The shuffle just made, exchange by exchange from the board as it was before it, for the
    // player to watch; the game is already in its shuffled state.
    virtual void showShuffle(const ShuffleMoves& moves) = 0;
    virtual void setBoardInputEnabled(bool on) = 0;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GridPos.h"

#include <cstdint>

namespace tessary {

// The keyboard's cursor on the board: the cell that Space and Enter act on. It starts hidden at
// the top-left cell of every game, shows itself once a cursor key moves it, and is never saved.
class KeyboardCursor {
  public:
    enum class Move { Left, Right, Up, Down, First, Last };

    // One cell in the given direction, or to the first or last cell of a board of
    // across x down cells, stopping at the board's edges; the cursor is shown afterwards.
    void move(Move step, int across, int down);

    void hide() { shown_ = false; }

    bool shown() const { return shown_; }
    int col() const { return col_; }
    int row() const { return row_; }
    GridPos cell() const { return {col_, row_}; }
    // True when the cursor is shown on cell (col, row).
    bool isAt(int col, int row) const { return shown_ && col == col_ && row == row_; }

  private:
    int16_t col_ = 1;
    int16_t row_ = 1;
    bool shown_ = false;
};

} // namespace tessary

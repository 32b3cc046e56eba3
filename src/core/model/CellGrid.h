// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GridPos.h"

#include <array>
#include <stdexcept>

namespace tessary {

// The 51 x 51 table behind pieceAt and cellOf. Indexes run 0..50 (0 is never used by a
// board); any other index is refused, so a bad cell can never reach memory.
class CellGrid {
  public:
    static constexpr int kLimit = 50;

    static bool inRange(int col, int row) {
        return col >= 0 && col <= kLimit && row >= 0 && row <= kLimit;
    }

    GridPos& at(int col, int row) { return cells_[index(col, row)]; }
    const GridPos& at(int col, int row) const { return cells_[index(col, row)]; }
    GridPos& operator()(int col, int row) { return at(col, row); }
    const GridPos& operator()(int col, int row) const { return at(col, row); }
    GridPos& at(GridPos p) { return at(p.x, p.y); }
    const GridPos& at(GridPos p) const { return at(p.x, p.y); }

  private:
    static std::size_t index(int col, int row) {
        if (!inRange(col, row))
            throw std::out_of_range("cell index outside 0..50");
        return static_cast<std::size_t>(col) * (kLimit + 1) + static_cast<std::size_t>(row);
    }

    std::array<GridPos, (kLimit + 1) * (kLimit + 1)> cells_{};
};

} // namespace tessary

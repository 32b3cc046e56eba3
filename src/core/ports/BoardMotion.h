// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GridPos.h"

#include <cmath>
#include <vector>

namespace tessary {

// One exchange of the shuffle: the pieces shown at two cells trade places; `first` is drawn
// first.
struct CellExchange {
    GridPos first;
    GridPos second;

    friend bool operator==(const CellExchange&, const CellExchange&) = default;
};

// The exchanges of a shuffle, in the order they were made.
using ShuffleMoves = std::vector<CellExchange>;

// A point on the board, in board pixels from its top-left corner.
struct BoardPixel {
    int x = 0;
    int y = 0;

    friend bool operator==(const BoardPixel&, const BoardPixel&) = default;
};

// An assist's slide: the piece whose home is `to` travels there from cell `from` in equal
// steps along a straight line, `sound` starting with it.
struct SlidePath {
    static constexpr int kSteps = 25;

    GridPos from;
    GridPos to;
    int sound = 0;

    // The tile's top-left corner after `step` of kSteps: over `from` at 0, and exactly over
    // `to` at kSteps, each step rounded to the nearest pixel.
    BoardPixel tileAt(int step, int pieceW, int pieceH) const {
        const double col = double(to.x - from.x) * step / kSteps + from.x - 1;
        const double row = from.y + double(to.y - from.y) * step / kSteps - 1;
        return {static_cast<int>(std::lround(col * pieceW)),
                static_cast<int>(std::lround(row * pieceH))};
    }
};

} // namespace tessary

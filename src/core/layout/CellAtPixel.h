// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GridPos.h"

#include <optional>

namespace tessary {

// The cell under board pixel (x, y) with pieces of pieceW x pieceH. Along each axis the cell
// is ((pixel - 1) \ pieceSize) + 1, the pixel rounded first: a press on a cell's first pixel
// counts for the cell before it. No piece size yet, a pixel that is not a number or one far
// beyond any board gives no cell. The cell found may still lie off the board.
std::optional<GridPos> cellAtPixel(float x, float y, int pieceW, int pieceH);

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/CellAtPixel.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tessary {

namespace {

std::optional<int16_t> cellIndex(float pixel, int pieceSize) {
    if (pieceSize <= 0 || !std::isfinite(pixel))
        return std::nullopt;
    const double rounded = std::nearbyint(static_cast<double>(pixel) - 1.0);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    // Integer division truncates towards zero, as the game always has.
    const int index = static_cast<int>(rounded) / pieceSize + 1;
    if (index > std::numeric_limits<int16_t>::max())
        return std::nullopt; // beyond any board
    return static_cast<int16_t>(index);
}

} // namespace

std::optional<GridPos> cellAtPixel(float x, float y, int pieceW, int pieceH) {
    const auto col = cellIndex(x, pieceW);
    const auto row = cellIndex(y, pieceH);
    if (!col || !row)
        return std::nullopt;
    return GridPos{*col, *row};
}

} // namespace tessary

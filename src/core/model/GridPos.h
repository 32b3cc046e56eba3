// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tessary {

// A board cell: column then row, both counted from 1 at the top left.
struct GridPos {
    int16_t x = 0;
    int16_t y = 0;

    friend bool operator==(const GridPos&, const GridPos&) = default;
};

} // namespace tessary

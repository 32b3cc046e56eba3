// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KeyboardCursor.h"

#include <algorithm>

namespace tessary {

void KeyboardCursor::move(Move step, int across, int down) {
    across = std::max(across, 1);
    down = std::max(down, 1);
    int col = col_;
    int row = row_;
    switch (step) {
    case Move::Left:
        --col;
        break;
    case Move::Right:
        ++col;
        break;
    case Move::Up:
        --row;
        break;
    case Move::Down:
        ++row;
        break;
    case Move::First:
        col = row = 1;
        break;
    case Move::Last:
        col = across;
        row = down;
        break;
    }
    col_ = static_cast<int16_t>(std::clamp(col, 1, across));
    row_ = static_cast<int16_t>(std::clamp(row, 1, down));
    shown_ = true;
}

} // namespace tessary

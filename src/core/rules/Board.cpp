// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Board.h"

#include <algorithm>

namespace tessary {

bool Board::setSize(int across, int down) {
    if (across < 1 || across > CellGrid::kLimit || down < 1 || down > CellGrid::kLimit)
        return false;
    s_.board.boardAcross = static_cast<int16_t>(across);
    s_.board.boardDown = static_cast<int16_t>(down);
    return true;
}

void Board::swapCells(int c1, int r1, int c2, int r2, bool redraw) {
    std::swap(s_.pieceAt(c1, r1), s_.pieceAt(c2, r2));
    s_.cellOf.at(s_.pieceAt(c1, r1)) = GridPos{int16_t(c1), int16_t(r1)};
    s_.cellOf.at(s_.pieceAt(c2, r2)) = GridPos{int16_t(c2), int16_t(r2)};
    if (redraw) {
        view_.drawCell(c1, r1);
        view_.drawCell(c2, r2);
    }
}

void Board::placeHome() {
    for (int c = 1; c <= s_.board.boardAcross; ++c)
        for (int r = 1; r <= s_.board.boardDown; ++r) {
            s_.pieceAt(c, r) = GridPos{int16_t(c), int16_t(r)};
            s_.cellOf(c, r) = GridPos{int16_t(c), int16_t(r)};
        }
}

namespace {
// Int(R * n) + 1, kept inside 1..n even if rounding of R * n reaches n.
int drawIndex(RandomSource& random, int n) {
    const int i = static_cast<int>(random.next() * n) + 1;
    return std::clamp(i, 1, n);
}
} // namespace

ShuffleMoves Board::shuffle(RandomSource& random) {
    const int across = s_.board.boardAcross;
    const int down = s_.board.boardDown;
    ShuffleMoves moves;
    moves.reserve(static_cast<std::size_t>(std::max(0, across * down)));
    for (int c = 1; c <= across; ++c)
        for (int r = 1; r <= down; ++r) {
            const int x = drawIndex(random, across);
            const int y = drawIndex(random, down);
            swapCells(c, r, x, y, false);
            moves.push_back({GridPos{int16_t(c), int16_t(r)}, GridPos{int16_t(x), int16_t(y)}});
        }
    return moves;
}

void Board::countLeft() {
    int16_t left = 0;
    for (int c = 1; c <= s_.board.boardAcross; ++c)
        for (int r = 1; r <= s_.board.boardDown; ++r)
            if (!s_.isSolved(c, r))
                ++left;
    s_.play.leftToMove = left;
}

} // namespace tessary

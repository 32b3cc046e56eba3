// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tessary::testing {

// A board of across x down cells with every piece at home; the game is not in play.
inline void solvedBoard(GameState& s, int across, int down, int pieceW = 10, int pieceH = 10) {
    s.board.boardAcross = static_cast<int16_t>(across);
    s.board.boardDown = static_cast<int16_t>(down);
    s.board.pieceW = static_cast<int16_t>(pieceW);
    s.board.pieceH = static_cast<int16_t>(pieceH);
    for (int c = 1; c <= across; ++c)
        for (int r = 1; r <= down; ++r)
            s.pieceAt(c, r) = s.cellOf(c, r) = GridPos{int16_t(c), int16_t(r)};
}

// Lays out a board from rows of home cells written "c,r" (e.g. {{"2,1", "1,1"}}: the top row
// holds piece (2,1) then piece (1,1)), fills cellOf to match, and starts play.
inline void arrangeBoard(GameState& s, const std::vector<std::vector<std::string>>& rows,
                         int pieceW = 10, int pieceH = 10) {
    s.board.boardDown = static_cast<int16_t>(rows.size());
    s.board.boardAcross = static_cast<int16_t>(rows.front().size());
    s.board.pieceW = static_cast<int16_t>(pieceW);
    s.board.pieceH = static_cast<int16_t>(pieceH);
    for (int r = 1; r <= s.board.boardDown; ++r)
        for (int c = 1; c <= s.board.boardAcross; ++c) {
            const std::string& text = rows[r - 1][c - 1];
            const auto comma = text.find(',');
            const GridPos home{int16_t(std::stoi(text.substr(0, comma))),
                               int16_t(std::stoi(text.substr(comma + 1)))};
            s.pieceAt(c, r) = home;
            s.cellOf.at(home) = GridPos{int16_t(c), int16_t(r)};
        }
    s.play.gameOn = true;
}

// The invariants every move must keep: pieceAt is a permutation, cellOf its inverse.
inline ::testing::AssertionResult boardConsistent(const GameState& s) {
    int unsolved = 0;
    for (int c = 1; c <= s.board.boardAcross; ++c)
        for (int r = 1; r <= s.board.boardDown; ++r) {
            const GridPos home = s.pieceAt(c, r);
            if (!s.onBoard(home.x, home.y))
                return ::testing::AssertionFailure() << "piece off board at " << c << "," << r;
            if (!(s.cellOf.at(home) == GridPos{int16_t(c), int16_t(r)}))
                return ::testing::AssertionFailure() << "cellOf not inverse at " << c << "," << r;
            if (!s.isSolved(c, r))
                ++unsolved;
        }
    if (unsolved != s.play.leftToMove)
        return ::testing::AssertionFailure()
               << "leftToMove " << s.play.leftToMove << " but " << unsolved << " unsolved";
    return ::testing::AssertionSuccess();
}

} // namespace tessary::testing

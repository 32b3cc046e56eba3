// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Board.h"
#include "fakes/RecordingHost.h"
#include "fakes/ScriptedRandom.h"
#include "fakes/TestBoards.h"

#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

TEST(Board, SizeAbove50IsRefusedAndLeavesTheBoardAlone) {
    GameState s;
    RecordingHost host;
    Board board(s, host);
    EXPECT_TRUE(board.setSize(50, 50));
    EXPECT_FALSE(board.setSize(51, 10));
    EXPECT_FALSE(board.setSize(10, 51));
    EXPECT_FALSE(board.setSize(0, 10));
    EXPECT_EQ(s.board.boardAcross, 50);
    EXPECT_EQ(s.board.boardDown, 50);
}

TEST(Board, CellGridRefusesIndexesOutside0To50) {
    CellGrid grid;
    EXPECT_NO_THROW(grid.at(0, 50));
    EXPECT_THROW(grid.at(51, 1), std::out_of_range);
    EXPECT_THROW(grid.at(1, -1), std::out_of_range);
}

TEST(Board, ShuffleOf2x2GoesColumnByColumnAndHandsBackItsExchangesUndrawn) {
    GameState s;
    RecordingHost host;
    Board board(s, host);
    ASSERT_TRUE(board.setSize(2, 2));
    board.placeHome();
    // Partners: (2,1) for (1,1), (1,2) for (1,2), (1,1) for (2,1), (2,2) for (2,2).
    ScriptedRandom random({0.6, 0.1, 0.2, 0.9, 0.3, 0.4, 0.99, 0.5});
    const ShuffleMoves moves = board.shuffle(random);
    EXPECT_EQ(moves, (ShuffleMoves{
                         {{1, 1}, {2, 1}}, {{1, 2}, {1, 2}}, {{2, 1}, {1, 1}}, {{2, 2}, {2, 2}}}));
    EXPECT_TRUE(host.calls.empty()); // the player is shown the exchanges afterwards
    board.countLeft();
    // (1,1) and (2,1) were exchanged twice: every piece is home again.
    EXPECT_EQ(s.play.leftToMove, 0);
    EXPECT_TRUE(boardConsistent(s));
}

TEST(Board, SwapWithItselfKeepsTheArraysAndRedrawsTwice) {
    GameState s;
    RecordingHost host;
    Board board(s, host);
    arrangeBoard(s, {{"2,1", "1,1"}});
    board.swapCells(1, 1, 1, 1, true);
    EXPECT_EQ(s.pieceAt(1, 1), (GridPos{2, 1}));
    EXPECT_EQ(s.cellOf(2, 1), (GridPos{1, 1}));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"drawCell 1,1", "drawCell 1,1"}));
}

TEST(Board, ASmallerPuzzleLeavesOldEntriesUnreadAndCountsOnlyItsOwnCells) {
    GameState s;
    RecordingHost host;
    Board board(s, host);
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}, {"1,2", "2,2", "3,2"}});
    ASSERT_TRUE(board.setSize(2, 1));
    board.placeHome();
    board.countLeft();
    EXPECT_EQ(s.play.leftToMove, 0);
    EXPECT_EQ(s.pieceAt(3, 2), (GridPos{3, 2})); // untouched leftovers
}

TEST(Board, ShuffleLeavesAConsistentBoardAndCountsWhatMoved) {
    GameState s;
    RecordingHost host;
    Board board(s, host);
    SeededRandom random(12345);
    for (int across : {1, 2, 7, 50})
        for (int down : {1, 3, 50}) {
            ASSERT_TRUE(board.setSize(across, down));
            board.placeHome();
            board.shuffle(random);
            board.countLeft();
            EXPECT_TRUE(boardConsistent(s)) << across << "x" << down;
        }
}

} // namespace
} // namespace tessary::testing

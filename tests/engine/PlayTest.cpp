// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Play.h"
#include "fakes/RecordingHost.h"
#include "fakes/TestBoards.h"
#include "rules/Hints.h"
#include "rules/KeyboardPlay.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace tessary::testing {
namespace {

using Calls = std::vector<std::string>;

class PlayTest : public ::testing::Test {
  protected:
    GameState s;
    RecordingHost host;
    Play play{s, host};
    Hints hints{s, host, play};
    KeyboardPlay keys{s, host, play, hints};

    void click(Button button, int col, int row) {
        play.press(GridPos{int16_t(col), int16_t(row)}, button);
    }
    void select(int col, int row) {
        s.play.selX = int16_t(col);
        s.play.selY = int16_t(row);
    }
};

TEST_F(PlayTest, LeftClickSelectsWithSoundAndMovesTheOutline) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
    click(Button::Left, 1, 1);
    click(Button::Left, 2, 1);
    EXPECT_EQ(host.calls,
              (Calls{"toolbar show", "boardFront", "sfx 0", "outline 1,1", "toolbar show",
                     "boardFront", "sfx 0", "drawCell 1,1", "outline 2,1"}));
}

TEST_F(PlayTest, ClicksOnSolvedPiecesOrOffTheBoardAreRefusedForEveryButton) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
    select(1, 1);
    for (Button button : {Button::Left, Button::Right, Button::Middle}) {
        host.clear();
        click(button, 3, 1); // solved
        EXPECT_EQ(host.only({"sfx"}), (Calls{"sfx 2"}));
        host.clear();
        click(button, 4, 1); // the spare strip right of the cells
        EXPECT_EQ(host.only({"sfx"}), (Calls{"sfx 2"}));
        host.clear();
        play.press(std::nullopt, button); // on no cell at all
        EXPECT_EQ(host.only({"sfx"}), (Calls{"sfx 2"}));
    }
    EXPECT_EQ(s.play.swaps, 0);
    EXPECT_EQ(s.play.selX, 1);
}

TEST_F(PlayTest, ClickBeforeAnyPuzzleIsRefused) {
    click(Button::Left, 1, 1);
    EXPECT_EQ(host.only({"sfx"}), (Calls{"sfx 2"}));
    EXPECT_EQ(s.play.selX, 0);
}

TEST_F(PlayTest, RightClickWithNothingSelectedIsRefusedAndNotCounted) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    click(Button::Right, 1, 1);
    EXPECT_EQ(host.only({"sfx", "drawCell"}), (Calls{"sfx 2"}));
    EXPECT_EQ(s.play.swaps, 0);
}

TEST_F(PlayTest, RightClickOnTheSelectedPieceCountsAndKeepsTheSelection) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
    select(1, 1);
    click(Button::Right, 1, 1);
    EXPECT_EQ(s.play.swaps, 1);
    EXPECT_EQ(s.play.goodSwaps, 0);
    EXPECT_EQ(host.only({"sfx", "drawCell", "outline"}),
              (Calls{"drawCell 1,1", "drawCell 1,1", "sfx 0", "drawCell 1,1", "outline 1,1"}));
    EXPECT_EQ(s.play.selX, 1);
}

TEST_F(PlayTest, SwapThatHomesNeitherPieceMovesTheSelectionWithThePiece) {
    // A four-cycle: exchanging opposite cells sends neither piece home.
    arrangeBoard(s, {{"2,1", "3,1", "4,1", "1,1"}});
    select(1, 1);
    click(Button::Right, 3, 1);
    EXPECT_EQ(host.only({"sfx", "drawCell", "outline"}),
              (Calls{"drawCell 3,1", "drawCell 1,1", "sfx 0", "drawCell 1,1", "outline 3,1"}));
    EXPECT_EQ(s.play.selX, 3);
    EXPECT_EQ(s.play.goodSwaps, 0);
    EXPECT_EQ(s.play.leftToMove, 4);
}

TEST_F(PlayTest, SwapThatHomesOnlyTheTargetsPieceFollowsTheSelectedPiece) {
    // (1,1) holds (2,1); its own piece lies at (3,1). Swapping with (3,1) homes only that one.
    arrangeBoard(s, {{"2,1", "3,1", "1,1"}});
    select(1, 1);
    click(Button::Right, 3, 1);
    EXPECT_EQ(host.only({"sfx"}), (Calls{"sfx 3"}));
    EXPECT_EQ(s.play.selX, 3);
    EXPECT_EQ(s.play.goodSwaps, 1);
    EXPECT_EQ(host.calls.back(), "outline 3,1");
}

TEST_F(PlayTest, SwapThatHomesOnlyTheSelectedPieceKeepsTheSelectionInPlace) {
    arrangeBoard(s, {{"3,1", "1,1", "2,1"}});
    select(1, 1);
    click(Button::Right, 3, 1);
    EXPECT_EQ(host.only({"sfx", "drawCell", "outline"}),
              (Calls{"drawCell 3,1", "drawCell 1,1", "sfx 4", "outline 1,1"}));
    EXPECT_EQ(s.play.selX, 1);
    EXPECT_EQ(s.play.goodSwaps, 1);
}

TEST_F(PlayTest, SwapThatHomesBothPiecesClearsTheSelectionAndEarnsTwo) {
    arrangeBoard(s, {{"2,1", "1,1", "4,1", "3,1"}});
    select(1, 1);
    click(Button::Right, 2, 1);
    EXPECT_EQ(host.only({"sfx", "drawCell", "outline"}),
              (Calls{"drawCell 2,1", "drawCell 1,1", "sfx 4", "drawCell 1,1"}));
    EXPECT_EQ(s.play.selX, 0);
    EXPECT_EQ(s.play.selY, 0);
    EXPECT_EQ(s.play.goodSwaps, 2);
    EXPECT_EQ(s.play.leftToMove, 2);
    EXPECT_TRUE(s.play.gameOn);
}

TEST_F(PlayTest, OverlayIsRepaintedAwayAndTheClickStillActs) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
    s.play.peekShown = true;
    click(Button::Left, 1, 1);
    EXPECT_FALSE(s.play.peekShown);
    EXPECT_EQ(host.calls, (Calls{"toolbar show", "boardFront", "paint", "sfx 0", "outline 1,1"}));
}

TEST_F(PlayTest, TheLastSwapFinishesThePuzzleInOrder) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    s.puzzle = PuzzleDescription{};
    s.puzzle.puzType = 1;
    s.puzzle.imgAcross = 2;
    s.puzzle.imgDown = 2;
    s.puzzle.puzTitle = "Harbour";
    select(1, 1);
    host.clear();
    click(Button::Right, 2, 1);
    EXPECT_EQ(host.calls,
              (Calls{"toolbar show", "boardFront", "drawCell 2,1", "drawCell 1,1", "sfx 4",
                     "drawCell 1,1", "sfx 3", "blink off", "save off", "performance",
                     "toolbar show", "toolbar finished", "toolbar show", "enterHof 37 Harbour 2"}));
    EXPECT_FALSE(s.play.gameOn);
    EXPECT_TRUE(host.keptOver); // a solved puzzle is not offered back
    // base 30, swaps 1 costs 3, two pieces home earn 10: 37.
    EXPECT_EQ(s.play.netScore, 37);
    EXPECT_EQ(host.lastScoreText, "Pieces: 4  (2 Across, 2 Down)\r\n"
                                  "Correct Swaps 2 of 1  (200%)\r\nNet Score 37");
}

TEST_F(PlayTest, APuzzleFinishedWithoutAGoodSwapEntersNoHallOfFame) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    s.play.assistMove = true; // an assist's landing swap earns no credit
    select(1, 1);
    play.doSwap(s.play.selX, s.play.selY, 2, 1);
    EXPECT_EQ(s.play.goodSwaps, 0);
    EXPECT_FALSE(s.play.gameOn);
    EXPECT_TRUE(host.only({"enterHof"}).empty());
    EXPECT_EQ(host.only({"performance"}).size(), 1u);
}

TEST_F(PlayTest, AfterTheEndEveryClickIsRefused) {
    arrangeBoard(s, {{"1,1", "2,1"}});
    s.play.gameOn = false;
    click(Button::Left, 1, 1);
    click(Button::Right, 2, 1);
    EXPECT_EQ(host.only({"sfx"}), (Calls{"sfx 2", "sfx 2"}));
}

TEST_F(PlayTest, CountersStopAt32767AndTheSwapStillHappens) {
    arrangeBoard(s, {{"2,1", "1,1", "4,1", "3,1"}});
    s.play.swaps = 32767;
    s.play.goodSwaps = 32766;
    select(1, 1);
    click(Button::Right, 2, 1);
    EXPECT_EQ(s.play.swaps, 32767);
    EXPECT_EQ(s.play.goodSwaps, 32766); // + 2 would overflow: left as it was
    EXPECT_TRUE(s.isSolved(1, 1));
    EXPECT_TRUE(s.isSolved(2, 1));
}

TEST_F(PlayTest, TheKeyboardCursorMovesOneCellAndStopsAtTheBoardsEdges) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}, {"1,2", "3,2", "2,2"}});
    EXPECT_FALSE(s.cursor.shown());
    keys.keyDown(PlayKey::Left, false); // shows the cursor where it is, against the edge
    EXPECT_TRUE(s.cursor.isAt(1, 1));
    EXPECT_EQ(host.calls, (Calls{"drawCell 1,1"}));
    host.clear();
    keys.keyDown(PlayKey::Left, false);
    keys.keyDown(PlayKey::Up, false);
    EXPECT_TRUE(host.calls.empty());
    for (int i = 0; i < 3; ++i)
        keys.keyDown(PlayKey::Right, false);
    EXPECT_TRUE(s.cursor.isAt(3, 1));
    EXPECT_EQ(host.calls, (Calls{"drawCell 1,1", "drawCell 2,1", "drawCell 2,1", "drawCell 3,1"}));
    keys.keyDown(PlayKey::Down, true);
    keys.keyDown(PlayKey::Down, false);
    EXPECT_TRUE(s.cursor.isAt(3, 2));
    keys.keyDown(PlayKey::Home, false);
    EXPECT_TRUE(s.cursor.isAt(1, 1));
    keys.keyDown(PlayKey::End, false);
    EXPECT_TRUE(s.cursor.isAt(3, 2));
    host.clear();
    keys.boardClicked(); // the mouse takes over: the cursor's cell is drawn without it
    EXPECT_FALSE(s.cursor.shown());
    EXPECT_EQ(host.calls, (Calls{"drawCell 3,2"}));
    s.play.gameOn = false;
    keys.keyDown(PlayKey::Left, false);
    EXPECT_FALSE(s.cursor.shown());
}

TEST_F(PlayTest, SpaceAndEnterOnTheCursorsCellDoWhatTheButtonsDo) {
    const std::vector<std::vector<std::string>> rows = {{"2,1", "1,1", "3,1"},
                                                        {"1,2", "3,2", "2,2"}};
    // The same moves by mouse on one board and by keys on another: refused ones, a select,
    // a swap sending both pieces home, a swap of a piece with itself, and the last swap.
    const std::vector<std::tuple<Button, int, int>> moves = {
        {Button::Right, 1, 1}, {Button::Left, 3, 1},  {Button::Left, 1, 1}, {Button::Right, 2, 1},
        {Button::Left, 2, 2},  {Button::Right, 2, 2}, {Button::Right, 3, 2}};
    arrangeBoard(s, rows);
    for (const auto& [button, col, row] : moves)
        click(button, col, row);

    GameState k;
    RecordingHost keyHost;
    Play keyPlay(k, keyHost);
    Hints keyHints(k, keyHost, keyPlay);
    KeyboardPlay keyboard(k, keyHost, keyPlay, keyHints);
    arrangeBoard(k, rows);
    keyboard.keyDown(PlayKey::Swap, false); // the cursor is hidden: nothing to act on yet
    keyboard.keyDown(PlayKey::Select, false);
    EXPECT_TRUE(keyHost.calls.empty());
    Calls pressed;
    for (const auto& [button, col, row] : moves) {
        keyboard.keyDown(PlayKey::Home, false);
        for (int c = 1; c < col; ++c)
            keyboard.keyDown(PlayKey::Right, false);
        for (int r = 1; r < row; ++r)
            keyboard.keyDown(PlayKey::Down, false);
        keyHost.clear();
        const PlayKey key = button == Button::Left ? PlayKey::Select : PlayKey::Swap;
        keyboard.keyDown(key, false);
        keyboard.keyDown(key, true); // held down: acts once
        pressed.insert(pressed.end(), keyHost.calls.begin(), keyHost.calls.end());
    }
    Calls expected = host.calls;
    expected.push_back("drawCell 3,2"); // the finished picture loses the cursor
    EXPECT_EQ(pressed, expected);
    EXPECT_EQ(k.play.swaps, s.play.swaps);
    EXPECT_EQ(k.play.goodSwaps, s.play.goodSwaps);
    EXPECT_EQ(k.play.netScore, s.play.netScore);
    EXPECT_FALSE(k.play.gameOn);
    EXPECT_FALSE(k.cursor.shown());
}

TEST_F(PlayTest, ThousandsOfRandomClicksKeepTheBoardConsistent) {
    std::mt19937 rng(2026);
    for (int game = 0; game < 40; ++game) {
        const int across = 1 + int(rng() % 7), down = 1 + int(rng() % 7);
        s = GameState{};
        play.board().setSize(across, down);
        play.board().placeHome();
        SeededRandom shuffleRandom(rng());
        play.board().shuffle(shuffleRandom);
        play.board().countLeft();
        s.board.pieceW = 10;
        s.board.pieceH = 10;
        s.play.gameOn = s.play.leftToMove != 0;
        for (int i = 0; i < 400; ++i) {
            const Button button = (rng() % 3 == 0) ? Button::Left : Button::Right;
            // Cells one past every edge of the board, and now and then no cell at all.
            const GridPos cell{int16_t(rng() % (across + 2)), int16_t(rng() % (down + 2))};
            play.press(rng() % 20 == 0 ? std::nullopt : std::optional(cell), button);
            ASSERT_TRUE(boardConsistent(s)) << "game " << game << " click " << i;
            if (s.play.selX != 0) {
                ASSERT_FALSE(s.isSolved(s.play.selX, s.play.selY));
            }
        }
    }
}

} // namespace
} // namespace tessary::testing

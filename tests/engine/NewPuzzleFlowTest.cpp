// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/NewPuzzleFlow.h"
#include "fakes/RecordingHost.h"
#include "fakes/ScriptedRandom.h"
#include "fakes/TestBoards.h"

#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

using Calls = std::vector<std::string>;

class NewPuzzleFlowTest : public ::testing::Test {
  protected:
    GameState s;
    RecordingHost host;
    Play play{s, host};
    SeededRandom random{7};
    NewPuzzleFlow flow{s, host, play, random};

    void SetUp() override {
        // The layout makes the board imgAcross x imgDown per image, side by side.
        host.onApplyLayout = [this] {
            play.board().setSize(s.puzzle.imgAcross * s.puzzle.puzType, s.puzzle.imgDown);
        };
    }
    void dialogChooses(int type, int across, int down) {
        host.onNewPuzzleDialog = [=](NewPuzzleChoice& choice) {
            choice.puzType = int16_t(type);
            choice.imgAcross = int16_t(across);
            choice.imgDown = int16_t(down);
        };
    }
    void gameInPlay() {
        arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
        s.play.leftToMove = 2;
        s.play.swaps = 5;
        s.play.goodSwaps = 1;
        s.play.peeks = 2;
        s.play.assists = 1;
        s.puzzle.puzTitle = "old";
        s.puzzle.puzType = kSingle;
        s.puzzle.imgAcross = 3;
        s.puzzle.imgDown = 1;
        s.puzzle.puzFile[1] = "old.jpg";
    }
};

TEST_F(NewPuzzleFlowTest, ASinglePuzzleStartsShuffledWithFreshCounters) {
    gameInPlay();
    dialogChooses(kSingle, 6, 5);
    host.chooserAnswers = {{"/pics/harbour.jpg", "harbour.jpg"}};
    flow.newPuzzle();
    EXPECT_EQ(host.only({"save", "NewPuz", "putINI", "Viewer", "prepare", "layout"}),
              (Calls{"save game", "NewPuz", "putINI 1 6,5", "Viewer /pics/harbour.jpg",
                     "prepare ok", "layout", "save on"}));
    EXPECT_TRUE(s.play.gameOn);
    EXPECT_EQ(s.play.swaps + s.play.goodSwaps + s.play.peeks + s.play.assists, 0);
    EXPECT_EQ(s.puzzle.puzTitle, "harbour");
    EXPECT_EQ(s.puzzle.puzFile[1], "/pics/harbour.jpg");
    EXPECT_EQ(s.puzzle.puzPath, "/pics/harbour.jpg");
    EXPECT_TRUE(boardConsistent(s));
    // One exchange per cell, shown to the player once made; then play begins.
    EXPECT_EQ(host.only({"shuffle", "drawCell"}), (Calls{"shuffle 30"}));
    EXPECT_EQ(host.calls.back(), "save on");
    EXPECT_EQ(host.only({"blink on", "input on", "solution hide"}),
              (Calls{"solution hide", "input on", "blink on"}));
}

// A picture given ahead (dropped, or taken in the catalogue) is shown as the first only.
TEST_F(NewPuzzleFlowTest, A2x2PuzzleAsksForFourPicturesWithNumberedCaptions) {
    dialogChooses(kTwoByTwo, 2, 2);
    host.chooserAnswers = {
        {"a.bmp", "a.bmp"}, {"b.bmp", "b.bmp"}, {"c.jpg", "c.jpg"}, {"d.jpg", "d.jpg"}};
    flow.newPuzzle("a.bmp");
    EXPECT_EQ(host.only({"Viewer showing"}), Calls{"Viewer showing a.bmp"});
    EXPECT_EQ(host.chooserCaptions,
              (std::vector<std::string>{"Select puzzle 1 of 4", "Select puzzle 2 of 4",
                                        "Select puzzle 3 of 4", "Select puzzle 4 of 4"}));
    EXPECT_EQ(s.puzzle.puzTitle, "d");
    EXPECT_TRUE(s.play.gameOn);
}

// With one picture there is no "n of m": the chooser keeps its own "Start New Puzzle".
TEST_F(NewPuzzleFlowTest, ASingleAfterADoubleHasNoNumberedCaption) {
    dialogChooses(kDouble, 2, 2);
    host.chooserAnswers = {{"a.bmp", "a.bmp"}, {"b.bmp", "b.bmp"}};
    flow.newPuzzle();
    host.chooserCaptions.clear();
    dialogChooses(kSingle, 2, 2);
    host.chooserAnswers = {{"a.bmp", "a.bmp"}};
    flow.newPuzzle();
    EXPECT_EQ(host.chooserCaptions, std::vector<std::string>{""});
}

TEST_F(NewPuzzleFlowTest, CancellingTheFirstPictureOfADoubleStillAsksForTheSecondThenGivesUp) {
    gameInPlay();
    const GameState before = s;
    dialogChooses(kDouble, 4, 4);
    host.chooserAnswers = {{"", ""}, {"b.jpg", "b.jpg"}};
    flow.newPuzzle();
    EXPECT_EQ(host.only({"Viewer", "prepare", "layout"}), (Calls{"Viewer ", "Viewer b.jpg"}));
    // The settings took the new choice at once, as they always have.
    EXPECT_EQ(host.only({"putINI"}), Calls{"putINI 2 4,4"});
    // Saved first, then the old game goes on: blink back on, toolbar shown, counters kept.
    EXPECT_EQ(host.calls.front(), "save game");
    EXPECT_EQ(host.only({"blink", "toolbar"}),
              (Calls{"blink off", "toolbar hide", "blink on", "toolbar show"}));
    EXPECT_TRUE(s.play.gameOn);
    EXPECT_EQ(s.play.swaps, 5);
    EXPECT_EQ(s.play.assists, 1);
    EXPECT_EQ(s.pieceAt(1, 1), before.pieceAt(1, 1));
    EXPECT_TRUE(host.only({"drawCell"}).empty());
    // The game in play still describes its own board, so saving it stays right.
    EXPECT_EQ(s.puzzle.puzType, before.puzzle.puzType);
    EXPECT_EQ(s.puzzle.imgAcross, before.puzzle.imgAcross);
    EXPECT_EQ(s.puzzle.puzFile, before.puzzle.puzFile);
    EXPECT_EQ(s.puzzle.puzTitle, "old");
}

TEST_F(NewPuzzleFlowTest, CancellingALaterPictureAlsoGivesUp) {
    gameInPlay();
    dialogChooses(kTriple, 2, 2);
    host.chooserAnswers = {{"a.jpg", "a.jpg"}, {"", ""}, {"c.jpg", "c.jpg"}};
    flow.newPuzzle();
    EXPECT_TRUE(host.only({"prepare", "layout"}).empty());
    EXPECT_EQ(s.play.swaps, 5);
}

TEST_F(NewPuzzleFlowTest, AnUnreadablePictureLeavesTheGameInPlayUntouched) {
    gameInPlay();
    dialogChooses(kSingle, 3, 3);
    host.chooserAnswers = {{"broken.jpg", "broken.jpg"}};
    host.picturesLoad = false;
    flow.newPuzzle();
    EXPECT_EQ(host.only({"prepare", "layout"}), (Calls{"prepare failed"}));
    EXPECT_TRUE(s.play.gameOn);
    EXPECT_EQ(s.play.swaps, 5);
    EXPECT_EQ(s.play.peeks, 2);
    EXPECT_EQ(s.board.boardAcross, 3);
}

TEST_F(NewPuzzleFlowTest, NoGameInPlayIsNotSavedAndAGiveUpLeavesTheBlinkOff) {
    dialogChooses(kSingle, 3, 3);
    host.chooserAnswers = {{"", ""}};
    flow.newPuzzle();
    EXPECT_TRUE(host.only({"save"}).empty());
    EXPECT_EQ(host.only({"blink"}), (Calls{"blink off"}));
    EXPECT_FALSE(s.play.gameOn);
}

TEST_F(NewPuzzleFlowTest, ANewPuzzleWithoutATypeIsGivenUp) {
    dialogChooses(0, 3, 3); // no settings file and no type picked
    s.puzzle.puzFile[1] = "left-over.jpg";
    flow.newPuzzle();
    EXPECT_TRUE(host.only({"Viewer", "prepare"}).empty());
    EXPECT_FALSE(s.play.gameOn);
}

// The dialogs may stay open long enough for the idle timer to hide the board; whatever
// gave the new puzzle up, the game in play is shown again as it was.
TEST_F(NewPuzzleFlowTest, AGiveUpShowsTheBoardOfTheGameInPlayAgain) {
    gameInPlay();
    dialogChooses(kSingle, 3, 3);
    host.chooserAnswers = {{"", ""}};
    flow.newPuzzle();
    EXPECT_EQ(host.only({"board show", "blink on"}), (Calls{"board show", "blink on"}));

    host.clear();
    host.chooserAnswers = {{"broken.jpg", "broken.jpg"}};
    host.picturesLoad = false;
    flow.newPuzzle();
    EXPECT_EQ(host.only({"board show", "blink on"}), (Calls{"board show", "blink on"}));
}

TEST_F(NewPuzzleFlowTest, ASaveThatFailsKeepsTheGameInPlayAndAsksNothingMore) {
    gameInPlay();
    host.saveOutcome = GameDialogs::SaveOutcome::failed;
    dialogChooses(kSingle, 3, 3);
    host.chooserAnswers = {{"a.jpg", "a.jpg"}};
    flow.newPuzzle();
    EXPECT_EQ(host.calls, (Calls{"save game"}));
    EXPECT_TRUE(s.play.gameOn);
    EXPECT_EQ(s.puzzle.puzFile[1], "old.jpg");
}

TEST_F(NewPuzzleFlowTest, ANewBoardStartsWithNoSelectionAndNoOverlay) {
    gameInPlay();
    s.play.selX = 1; // a misplaced cell the new board has too
    s.play.selY = 1;
    s.play.peekShown = true;
    dialogChooses(kSingle, 3, 3);
    host.chooserAnswers = {{"a.jpg", "a.jpg"}};
    flow.newPuzzle();
    ASSERT_TRUE(s.play.gameOn);
    EXPECT_EQ(s.play.selX, 0);
    EXPECT_EQ(s.play.selY, 0);
    EXPECT_FALSE(s.play.peekShown);
}

// Performance Evaluation scores the finished puzzle's counters against its own size.
TEST_F(NewPuzzleFlowTest, AGiveUpAfterAFinishedPuzzleKeepsItsDescription) {
    gameInPlay();
    s.play.gameOn = false; // finished
    const PuzzleDescription before = s.puzzle;
    dialogChooses(kDouble, 20, 16);
    host.chooserAnswers = {{"", ""}, {"b.jpg", "b.jpg"}};
    flow.newPuzzle();
    EXPECT_EQ(s.puzzle.puzType, before.puzType);
    EXPECT_EQ(s.puzzle.imgAcross, before.imgAcross);
    EXPECT_EQ(s.puzzle.imgDown, before.imgDown);
    EXPECT_EQ(s.puzzle.puzFile, before.puzFile);
    EXPECT_EQ(s.puzzle.puzTitle, before.puzTitle);
    EXPECT_FALSE(s.play.gameOn);
}

TEST_F(NewPuzzleFlowTest, ANewPuzzleDialogClosedWithoutOkGivesUpAsACancelDoes) {
    gameInPlay();
    const PuzzleDescription before = s.puzzle;
    dialogChooses(kTriple, 9, 9); // clicked before Esc
    host.newPuzzleDialogOk = false;
    flow.newPuzzle();
    EXPECT_TRUE(host.only({"Viewer", "putINI", "prepare"}).empty());
    EXPECT_EQ(s.puzzle.puzType, before.puzType);
    EXPECT_EQ(s.puzzle.imgAcross, before.imgAcross);
    EXPECT_TRUE(s.play.gameOn);
    EXPECT_EQ(host.only({"blink", "toolbar"}),
              (Calls{"blink off", "toolbar hide", "blink on", "toolbar show"}));
}

TEST(NewPuzzleFlowShuffle, ABoardThatComesOutSolvedIsShuffledAgain) {
    GameState s;
    RecordingHost host;
    Play play{s, host};
    // The first pass exchanges (1,1) with (2,1) and back again: every piece ends at home.
    ScriptedRandom random({0.6, 0.1, 0.2, 0.9, 0.3, 0.4, 0.99, 0.5, 0.6, 0.1, 0.0, 0.0});
    NewPuzzleFlow flow{s, host, play, random};
    host.onNewPuzzleDialog = [](NewPuzzleChoice& choice) {
        choice.puzType = kSingle;
        choice.imgAcross = 2;
        choice.imgDown = 2;
    };
    host.onApplyLayout = [&] { play.board().setSize(2, 2); };
    host.chooserAnswers = {{"a.bmp", "a.bmp"}};
    flow.newPuzzle();
    EXPECT_EQ(host.only({"shuffle"}), (Calls{"shuffle 8"})); // two passes of four exchanges
    EXPECT_GT(s.play.leftToMove, 0);
    EXPECT_TRUE(boardConsistent(s));
}

} // namespace
} // namespace tessary::testing

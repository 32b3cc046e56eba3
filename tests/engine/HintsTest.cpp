// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Hints.h"
#include "fakes/RecordingHost.h"
#include "fakes/TestBoards.h"
#include "rules/KeyboardPlay.h"

#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

using Calls = std::vector<std::string>;
constexpr Command kF2 = Command::ToggleGrid, kF3 = Command::ShowSolution, kF4 = Command::SmallImage,
                  kF5 = Command::ShowMissing, kF6 = Command::ShowPlaced, kF7 = Command::FetchPiece,
                  kF8 = Command::SendHome, kF9 = Command::ToggleToolbar, kF10 = Command::Minimize;

class HintsTest : public ::testing::Test {
  protected:
    GameState s;
    RecordingHost host;
    Play play{s, host};
    Hints hints{s, host, play};
    KeyboardPlay keys{s, host, play, hints};

    // The function key of `command` pressed, as the window hands it over.
    void key(Command command) { keys.Form_KeyDown(GameKey{std::nullopt, command}); }

    void select(int col, int row) {
        s.play.selX = int16_t(col);
        s.play.selY = int16_t(row);
    }
    int costs() const { return s.play.peeks + s.play.assists + s.play.swaps + s.play.goodSwaps; }
    void assistFailsOnceThenPlayGoesOn(Command command, const std::string& failingCall);
};

TEST_F(HintsTest, WithNoGameInPlayOnlyToolbarAndMinimiseWork) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    select(1, 1);
    s.play.gameOn = false;
    for (Command command : {kF2, kF3, kF4, kF5, kF6, kF7, kF8}) {
        EXPECT_TRUE(keys.takes(GameKey{std::nullopt, command}));
        key(command);
    }
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(costs(), 0);
    key(kF9);
    key(kF10);
    EXPECT_EQ(host.calls, (Calls{"toolbar show", "minimize"}));
}

TEST_F(HintsTest, OtherKeysAreLeftAlone) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    EXPECT_FALSE(keys.takes(GameKey{})); // F1 belongs to the help menu, letters to the menus
    s.play.gameOn = false;
    EXPECT_FALSE(keys.takes(GameKey{PlayKey::Left}));
}

TEST_F(HintsTest, F5MarksSolvedCellsAndTheNextKeyOnlyRemovesTheOverlay) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
    key(kF5);
    EXPECT_EQ(host.calls, (Calls{"mark blue 3,1"}));
    EXPECT_TRUE(s.play.peekShown);
    EXPECT_EQ(s.play.peeks, 1);
    host.clear();
    EXPECT_TRUE(keys.takes(GameKey{}));                  // whatever the key
    keys.Form_KeyDown(GameKey{std::nullopt, kF5, true}); // a held key does not end it
    EXPECT_TRUE(s.play.peekShown);
    key(kF5);
    EXPECT_EQ(host.calls, (Calls{"paint"}));
    EXPECT_FALSE(s.play.peekShown);
    EXPECT_EQ(s.play.peeks, 1);
}

TEST_F(HintsTest, F5OverTheF6OverlayDoesNotRun) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
    key(kF6);
    EXPECT_EQ(host.calls, (Calls{"mark green 1,1", "mark green 2,1"}));
    host.clear();
    key(kF5);
    EXPECT_EQ(host.calls, (Calls{"paint"}));
    EXPECT_EQ(s.play.peeks, 1);
}

TEST_F(HintsTest, F2TogglesTheOutlinesForFree) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    key(kF2);
    EXPECT_TRUE(s.play.showMisplaced);
    key(kF2);
    EXPECT_FALSE(s.play.showMisplaced);
    EXPECT_EQ(host.calls, (Calls{"paint", "paint"}));
    EXPECT_EQ(costs(), 0);
    EXPECT_EQ(host.keptChanges, 0); // nothing of the saved game changed
}

TEST_F(HintsTest, F3CostsAPeekEveryTimeKeysOfPlayLeaveTheHiddenBoardAloneAndAClickHidesIt) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
    key(kF3);
    keys.Form_KeyDown(GameKey{PlayKey::Right, std::nullopt}); // the cursor stays hidden
    keys.Form_KeyDown(GameKey{PlayKey::Select, std::nullopt});
    EXPECT_FALSE(s.cursor.shown());
    key(kF3);
    hints.basePic_Click();
    EXPECT_EQ(host.calls, (Calls{"solution show", "solution show", "solution hide"}));
    EXPECT_EQ(s.play.peeks, 2);
    EXPECT_EQ(host.keptChanges, 2); // each peek is kept
    keys.Form_KeyDown(GameKey{PlayKey::Right, std::nullopt});
    EXPECT_TRUE(s.cursor.isAt(2, 1));
}

TEST_F(HintsTest, F4TwiceCostsOnePeekAndHidesTheSmallPictureAgain) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    s.board.boardW = 400;
    s.board.boardH = 300;
    key(kF4);
    key(kF4);
    EXPECT_EQ(s.play.peeks, 1);
    EXPECT_EQ(host.keptChanges, 1);
    EXPECT_EQ(host.only({"small", "toolbar"}),
              (Calls{"toolbar show", "small show 400x300", "toolbar caption Tessary",
                     "toolbar show", "small hide", "toolbar caption Tessary"}));
}

TEST_F(HintsTest, AssistsWithNothingSelectedCostNothing) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    key(kF7);
    key(kF8);
    EXPECT_EQ(host.calls, (Calls{"sfx 6", "sfx 7"}));
    EXPECT_EQ(costs(), 0);
}

TEST_F(HintsTest, F7FetchesThePieceSlidingItInAStraightLineAndClearsTheSelection) {
    // Cell (1,1) wants piece (1,1), which lies at (3,1); (3,1) holds it, (1,1) holds (2,1)...
    arrangeBoard(s, {{"2,1", "3,1", "1,1"}});
    select(1, 1);
    key(kF7);
    EXPECT_TRUE(s.isSolved(1, 1));
    EXPECT_EQ(s.play.selX, 0);
    EXPECT_EQ(s.play.assists, 1);
    EXPECT_EQ(s.play.swaps, 0);
    EXPECT_EQ(s.play.goodSwaps, 0);
    ASSERT_EQ(host.slides.size(), 1u);
    const SlidePath& slide = host.slides[0];
    EXPECT_EQ(slide.tileAt(0, 10, 10), (BoardPixel{20, 0}));
    EXPECT_EQ(slide.tileAt(13, 10, 10), (BoardPixel{10, 0})); // 12.5 of 25 steps across 20 pixels
    EXPECT_EQ(slide.tileAt(SlidePath::kSteps, 10, 10), (BoardPixel{0, 0})); // over the target
    // The slide and its sound come before the landing swap and its sound; the outline left
    // behind is removed.
    EXPECT_EQ(host.only({"slide", "sfx"}), (Calls{"slide 3,1>1,1 piece 1,1 sfx 12", "sfx 4"}));
    EXPECT_EQ(host.calls.back(), "drawCell 3,1");
}

TEST_F(HintsTest, F8FollowsTheDisplacedPieceUntilTheCycleCloses) {
    arrangeBoard(s, {{"2,1", "3,1", "1,1"}});
    select(1, 1);
    key(kF8); // (2,1) goes home, (3,1) comes to (1,1)
    EXPECT_EQ(s.play.selX, 1);
    EXPECT_EQ(s.pieceAt(1, 1), (GridPos{3, 1}));
    key(kF8); // (3,1) home and (1,1) home too: the puzzle is finished
    EXPECT_EQ(s.play.selX, 0);
    EXPECT_EQ(s.play.assists, 2);
    EXPECT_EQ(s.play.goodSwaps, 0);
    EXPECT_FALSE(s.play.gameOn);
    // Finished by assists: performance shown before the last assist is counted, no Hall of Fame.
    EXPECT_EQ(host.lastScoreText.find("Assists 2"), std::string::npos);
    EXPECT_NE(host.lastScoreText.find("Assists 1"), std::string::npos);
    EXPECT_TRUE(host.only({"enterHof"}).empty());
}

TEST_F(HintsTest, F8SlidesDownAColumn) {
    arrangeBoard(s, {{"1,2"}, {"1,1"}}, 10, 8);
    select(1, 1);
    hints.sendPieceHome();
    EXPECT_EQ(host.only({"slide", "sfx"}).front(), "slide 1,1>1,2 piece 1,2 sfx 13");
    EXPECT_EQ(host.slides.back().tileAt(0, 10, 8), (BoardPixel{0, 0}));
    EXPECT_EQ(host.slides.back().tileAt(SlidePath::kSteps, 10, 8), (BoardPixel{0, 8}));
}

// An assist that fails half-way (here the host fails once) leaves no assist running: the
// next one works, and the next swap of the player's own scores and reaches the Hall of Fame.
void HintsTest::assistFailsOnceThenPlayGoesOn(Command command, const std::string& failingCall) {
    arrangeBoard(s, {{"2,1", "3,1", "1,1", "5,1", "4,1"}});
    select(1, 1);
    host.failOnce = failingCall;
    EXPECT_ANY_THROW(hints.run(command));
    EXPECT_FALSE(s.play.assistMove);
    // One more assist puts the rest of the first three pieces home.
    select(command == kF7 ? 2 : 1, 1);
    hints.run(command);
    EXPECT_EQ(s.play.assists, 1);
    EXPECT_TRUE(s.isSolved(1, 1) && s.isSolved(2, 1) && s.isSolved(3, 1));
    select(4, 1);
    play.doSwap(s.play.selX, s.play.selY, 5, 1);
    EXPECT_EQ(s.play.goodSwaps, 2);
    EXPECT_FALSE(s.play.gameOn);
    EXPECT_EQ(host.only({"enterHof"}).size(), 1u);
}

TEST_F(HintsTest, AFetchThatFailsHalfWayLeavesTheNextFetchAndSwapWorking) {
    assistFailsOnceThenPlayGoesOn(kF7, "drawCell");
}

TEST_F(HintsTest, ASendHomeThatFailsHalfWayLeavesTheNextSendAndSwapWorking) {
    assistFailsOnceThenPlayGoesOn(kF8, "sfx 4");
}

} // namespace
} // namespace tessary::testing

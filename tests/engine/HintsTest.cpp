#include "rules/Hints.h"
#include "fakes/RecordingHost.h"
#include "fakes/TestBoards.h"

#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

using Calls = std::vector<std::string>;
constexpr int kF2 = 113, kF3 = 114, kF4 = 115, kF5 = 116, kF6 = 117, kF7 = 118, kF8 = 119,
              kF9 = 120, kF10 = 121;

class HintsTest : public ::testing::Test {
  protected:
    GameState s;
    RecordingHost host;
    Play play{s, host};
    Hints hints{s, host, play};

    void select(int col, int row) {
        s.play.selX = int16_t(col);
        s.play.selY = int16_t(row);
    }
    int costs() const { return s.play.peeks + s.play.assists + s.play.swaps + s.play.goodSwaps; }
    void assistFailsOnceThenPlayGoesOn(int key, const std::string& failingCall);
};

TEST_F(HintsTest, WithNoGameInPlayOnlyToolbarAndMinimiseWork) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    select(1, 1);
    s.play.gameOn = false;
    for (int key = kF2; key <= kF8; ++key)
        EXPECT_TRUE(hints.Form_KeyDown(key));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(costs(), 0);
    hints.Form_KeyDown(kF9);
    hints.Form_KeyDown(kF10);
    EXPECT_EQ(host.calls, (Calls{"toolbar show", "minimize"}));
}

TEST_F(HintsTest, OtherKeysAreLeftAlone) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    EXPECT_FALSE(hints.Form_KeyDown(112)); // F1 belongs to the help menu
    EXPECT_FALSE(hints.Form_KeyDown('A'));
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(HintsTest, F5MarksSolvedCellsAndTheNextKeyOnlyRemovesTheOverlay) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
    hints.Form_KeyDown(kF5);
    EXPECT_EQ(host.calls, (Calls{"mark blue 3,1"}));
    EXPECT_TRUE(s.play.peekShown);
    EXPECT_EQ(s.play.peeks, 1);
    host.clear();
    EXPECT_TRUE(hints.Form_KeyDown(kF5));
    EXPECT_EQ(host.calls, (Calls{"paint"}));
    EXPECT_FALSE(s.play.peekShown);
    EXPECT_EQ(s.play.peeks, 1);
}

TEST_F(HintsTest, F5OverTheF6OverlayDoesNotRun) {
    arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
    hints.Form_KeyDown(kF6);
    EXPECT_EQ(host.calls, (Calls{"mark green 1,1", "mark green 2,1"}));
    host.clear();
    hints.Form_KeyDown(kF5);
    EXPECT_EQ(host.calls, (Calls{"paint"}));
    EXPECT_EQ(s.play.peeks, 1);
}

TEST_F(HintsTest, F2TogglesTheOutlinesForFree) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    hints.Form_KeyDown(kF2);
    EXPECT_TRUE(s.play.showMisplaced);
    hints.Form_KeyDown(kF2);
    EXPECT_FALSE(s.play.showMisplaced);
    EXPECT_EQ(host.calls, (Calls{"paint", "paint"}));
    EXPECT_EQ(costs(), 0);
}

TEST_F(HintsTest, F3CostsAPeekEveryTimeAndAClickHidesIt) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    hints.Form_KeyDown(kF3);
    hints.Form_KeyDown(kF3);
    hints.basePic_Click();
    EXPECT_EQ(host.calls, (Calls{"solution show", "solution show", "solution hide"}));
    EXPECT_EQ(s.play.peeks, 2);
}

TEST_F(HintsTest, F4TwiceCostsOnePeekAndHidesTheSmallPictureAgain) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    s.board.boardW = 400;
    s.board.boardH = 300;
    hints.Form_KeyDown(kF4);
    hints.Form_KeyDown(kF4);
    EXPECT_EQ(s.play.peeks, 1);
    EXPECT_EQ(host.only({"small", "toolbar"}),
              (Calls{"toolbar show", "small show 400x300", "toolbar caption Tessary",
                     "toolbar show", "small hide", "toolbar caption Tessary"}));
}

TEST_F(HintsTest, AssistsWithNothingSelectedCostNothing) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    hints.Form_KeyDown(kF7);
    hints.Form_KeyDown(kF8);
    EXPECT_EQ(host.calls, (Calls{"sfx 6", "sfx 7"}));
    EXPECT_EQ(costs(), 0);
}

TEST_F(HintsTest, F7FetchesThePieceSlidingItInAStraightLineAndClearsTheSelection) {
    // Cell (1,1) wants piece (1,1), which lies at (3,1); (3,1) holds it, (1,1) holds (2,1)...
    arrangeBoard(s, {{"2,1", "3,1", "1,1"}});
    select(1, 1);
    hints.Form_KeyDown(kF7);
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
    hints.Form_KeyDown(kF8); // (2,1) goes home, (3,1) comes to (1,1)
    EXPECT_EQ(s.play.selX, 1);
    EXPECT_EQ(s.pieceAt(1, 1), (GridPos{3, 1}));
    hints.Form_KeyDown(kF8); // (3,1) home and (1,1) home too: the puzzle is finished
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
void HintsTest::assistFailsOnceThenPlayGoesOn(int key, const std::string& failingCall) {
    arrangeBoard(s, {{"2,1", "3,1", "1,1", "5,1", "4,1"}});
    select(1, 1);
    host.failOnce = failingCall;
    EXPECT_ANY_THROW(hints.Form_KeyDown(key));
    EXPECT_FALSE(s.play.assistMove);
    // One more assist puts the rest of the first three pieces home.
    select(key == kF7 ? 2 : 1, 1);
    hints.Form_KeyDown(key);
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

TEST_F(HintsTest, ToolbarButtonsRunTheSameCommands) {
    arrangeBoard(s, {{"2,1", "1,1"}});
    hints.runCommand(6);
    hints.runCommand(1); // help is the window's own business
    hints.runCommand(11);
    EXPECT_EQ(host.calls, (Calls{"mark green 1,1", "mark green 2,1"}));
}

} // namespace
} // namespace tessary::testing

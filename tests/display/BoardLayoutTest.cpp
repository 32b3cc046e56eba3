// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/BoardLayout.h"
#include "layout/CellAtPixel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace tessary {
namespace {

// A 1024 x 768 screen and a main window frame of 8 pixels across and 46 down:
// maxW = 1016, maxH = 723, so the board may be at most 976 x 663.
constexpr ScreenRoom kSmallScreen{1024, 768, 8, 46};

BoardLayout laidOut(int type, int across, int down, int w1, int h1,
                    ScreenRoom room = kSmallScreen) {
    const auto result = layoutBoard(LayoutInput{type, across, down, w1, h1, room});
    EXPECT_TRUE(std::holds_alternative<BoardLayout>(result));
    return std::holds_alternative<BoardLayout>(result) ? std::get<BoardLayout>(result)
                                                       : BoardLayout{};
}

TEST(BoardLayout, PictureThatFitsKeepsItsNaturalSize) {
    const BoardLayout l = laidOut(kSingle, 8, 6, 800, 600);
    EXPECT_EQ(l.boardAcross, 8);
    EXPECT_EQ(l.boardDown, 6);
    EXPECT_EQ(l.boardW, 800);
    EXPECT_EQ(l.boardH, 600);
    EXPECT_EQ(l.pieceW, 100);
    EXPECT_EQ(l.pieceH, 100);
    EXPECT_EQ(l.blocks[0], (BlockRect{0, 0, 800, 600}));
    EXPECT_EQ(l.baseW, 800);
    EXPECT_FLOAT_EQ(l.baseH, 600.f);
    // The client area becomes the board; the frame goes around it.
    EXPECT_EQ(l.windowW, 808);
    EXPECT_EQ(l.windowH, 646);
}

TEST(BoardLayout, RoomIsScreenLessFrameLess40AcrossAnd60Down) {
    EXPECT_EQ(laidOut(kSingle, 8, 6, 976, 600).boardW, 976);
    EXPECT_EQ(laidOut(kSingle, 8, 6, 977, 600).boardW, 976);
    EXPECT_EQ(laidOut(kSingle, 8, 6, 976, 663).boardH, 663);
    EXPECT_EQ(laidOut(kSingle, 8, 6, 976, 664).boardH, 663);
}

TEST(BoardLayout, TooWideAndTooHighFitsWidthFirstThenHeight) {
    // 1000 x 700: width first gives 976 x 683.2, then height 663 and width 976 * 663 / 683.
    const BoardLayout l = laidOut(kSingle, 8, 6, 1000, 700);
    EXPECT_NEAR(l.pictureW, 947.42, 0.01);
    EXPECT_EQ(l.boardW, 947);
    EXPECT_EQ(l.boardH, 663);
    EXPECT_EQ(l.pieceW, 118);
    EXPECT_EQ(l.pieceH, 110);
}

TEST(BoardLayout, BaseHeightKeepsTheFractionOfAWidthFit) {
    // 1100 x 600 fitted in width: 976 x 532.36; the board takes whole pixels.
    const BoardLayout l = laidOut(kSingle, 4, 4, 1100, 600);
    EXPECT_EQ(l.boardW, 976);
    EXPECT_EQ(l.boardH, 532);
    EXPECT_NEAR(l.baseH, 532.36, 0.01);
}

TEST(BoardLayout, LeftoverPixelsBelongToNoCell) {
    const BoardLayout l = laidOut(kSingle, 8, 6, 799, 600);
    EXPECT_EQ(l.pieceW, 99);
    EXPECT_EQ(l.blocks[0].w, 792);
    EXPECT_EQ(l.boardW, 799);
}

TEST(BoardLayout, DoubleUsesImageOneProportionsForBothBlocks) {
    // Images of 200 x 300 and 600 x 200: only image 1's size counts.
    const BoardLayout l = laidOut(kDouble, 4, 3, 200, 300);
    EXPECT_EQ(l.boardW, 400);
    EXPECT_EQ(l.boardH, 300);
    EXPECT_EQ(l.boardAcross, 8);
    EXPECT_EQ(l.boardDown, 3);
    EXPECT_EQ(l.blocks[0], (BlockRect{0, 0, 200, 300}));
    EXPECT_EQ(l.blocks[1], (BlockRect{200, 0, 200, 300}));
}

TEST(BoardLayout, TripleStacksOnlyWhenImageOneIsWiderThanHigh) {
    const BoardLayout square = laidOut(kTriple, 4, 4, 200, 200);
    EXPECT_FALSE(square.triplesStacked);
    EXPECT_EQ(square.boardAcross, 12);
    EXPECT_EQ(square.boardDown, 4);
    EXPECT_EQ(square.boardW, 600);
    EXPECT_EQ(square.blocks[2], (BlockRect{400, 0, 200, 200}));

    const BoardLayout wide = laidOut(kTriple, 4, 4, 201, 200);
    EXPECT_TRUE(wide.triplesStacked);
    EXPECT_EQ(wide.boardAcross, 4);
    EXPECT_EQ(wide.boardDown, 12);
    EXPECT_EQ(wide.blocks[1], (BlockRect{0, 200, 200, 200}));
    EXPECT_EQ(wide.blocks[2], (BlockRect{0, 400, 200, 200}));
}

TEST(BoardLayout, TwoByTwoBlocksGoRowByRow) {
    const BoardLayout l = laidOut(kTwoByTwo, 3, 2, 300, 200);
    EXPECT_EQ(l.boardAcross, 6);
    EXPECT_EQ(l.boardDown, 4);
    EXPECT_EQ(l.blocks[0], (BlockRect{0, 0, 300, 200}));
    EXPECT_EQ(l.blocks[1], (BlockRect{300, 0, 300, 200}));
    EXPECT_EQ(l.blocks[2], (BlockRect{0, 200, 300, 200}));
    EXPECT_EQ(l.blocks[3], (BlockRect{300, 200, 300, 200}));
}

TEST(BoardLayout, PieceCountsAreLimitedSoTheBoardStaysWithin50) {
    const ScreenRoom big{3840, 2160, 8, 46};
    const BoardLayout dbl = laidOut(kDouble, 40, 40, 2000, 1000, big);
    EXPECT_EQ(dbl.imgAcross, 25);
    EXPECT_EQ(dbl.imgDown, 40);
    EXPECT_EQ(dbl.boardAcross, 50);

    const BoardLayout quad = laidOut(kTwoByTwo, 50, 40, 1000, 1000, big);
    EXPECT_EQ(quad.boardAcross, 50);
    EXPECT_EQ(quad.boardDown, 50);

    const BoardLayout sideBySide = laidOut(kTriple, 20, 40, 500, 1000, big);
    EXPECT_EQ(sideBySide.imgAcross, 16);
    EXPECT_EQ(sideBySide.boardAcross, 48);
    EXPECT_EQ(sideBySide.boardDown, 40);

    const BoardLayout stacked = laidOut(kTriple, 50, 20, 1000, 500, big);
    EXPECT_EQ(stacked.imgDown, 16);
    EXPECT_EQ(stacked.boardAcross, 50);
    EXPECT_EQ(stacked.boardDown, 48);

    EXPECT_EQ(laidOut(kSingle, 60, 70, 1000, 1000, big).boardDown, 50);
}

TEST(BoardLayout, StoreLayoutKeepsTheLimitedCounts) {
    GameState s;
    s.puzzle.imgAcross = 40;
    storeLayout(laidOut(kDouble, 40, 10, 400, 300), s);
    EXPECT_EQ(s.puzzle.imgAcross, 25);
    EXPECT_EQ(s.board.boardAcross, 50);
    EXPECT_EQ(s.board.boardW, 800);
    EXPECT_EQ(s.board.pieceW, 16);
    EXPECT_EQ(s.board.pieceH, 30);
    EXPECT_FLOAT_EQ(s.board.baseH, 300.f);
}

TEST(BoardLayout, HugePicturesShrinkInsteadOfOverflowing) {
    // 60000 x 40000 at natural size: fitted in width to 976 x 650.67.
    const BoardLayout l = laidOut(kTwoByTwo, 4, 4, 30000, 20000);
    EXPECT_EQ(l.boardW, 976);
    EXPECT_EQ(l.boardH, 651);
}

TEST(BoardLayout, RefusesWhatCannotBeABoard) {
    auto problem = [](LayoutInput in) -> std::optional<LayoutProblem> {
        const auto r = layoutBoard(in);
        if (std::holds_alternative<LayoutProblem>(r))
            return std::get<LayoutProblem>(r);
        return std::nullopt;
    };
    EXPECT_EQ(problem({0, 4, 4, 100, 100, kSmallScreen}), LayoutProblem::BadPuzzle);
    EXPECT_EQ(problem({5, 4, 4, 100, 100, kSmallScreen}), LayoutProblem::BadPuzzle);
    EXPECT_EQ(problem({kSingle, 0, 4, 100, 100, kSmallScreen}), LayoutProblem::BadPuzzle);
    EXPECT_EQ(problem({kSingle, 4, 4, 0, 100, kSmallScreen}), LayoutProblem::BadImage);
    // A very thin picture, fitted to the screen, leaves less than a pixel per row.
    EXPECT_EQ(problem({kSingle, 50, 40, 100000, 60, kSmallScreen}), LayoutProblem::NoRoom);
    EXPECT_EQ(problem({kTriple, 4, 4, 16, 2000000000, kSmallScreen}), LayoutProblem::NoRoom);
    // Fewer pixels than pieces: no screen makes room for that.
    EXPECT_EQ(problem({kSingle, 50, 40, 30, 30, kSmallScreen}), LayoutProblem::PictureTooSmall);
    EXPECT_EQ(problem({kTriple, 4, 4, 1, 2000000000, kSmallScreen}),
              LayoutProblem::PictureTooSmall);
    EXPECT_EQ(problem({kSingle, 4, 4, 1000, 1000, ScreenRoom{30, 30, 8, 46}}),
              LayoutProblem::NoRoom);
}

TEST(BoardLayout, TwipsPerPixelAt96Dpi) {
    EXPECT_DOUBLE_EQ(twipsPerPixel(96), 15.0);
}

TEST(CellAtPixel, TheFirstPixelOfACellCountsForTheCellBefore) {
    EXPECT_EQ(cellAtPixel(10.0f, 5.0f, 10, 8), (GridPos{1, 1})); // x = pieceW
    EXPECT_EQ(cellAtPixel(11.0f, 9.0f, 10, 8), (GridPos{2, 2}));
    EXPECT_EQ(cellAtPixel(0.0f, 0.0f, 10, 8), (GridPos{1, 1}));    // 0 still gives the first
    EXPECT_EQ(cellAtPixel(10.4f, 10.6f, 10, 10), (GridPos{1, 2})); // rounded first
    EXPECT_EQ(cellAtPixel(35.0f, 5.0f, 10, 10), (GridPos{4, 1}));  // past a 3-across board
}

TEST(CellAtPixel, NoPieceSizeOrAPixelBeyondAnyBoardGivesNoCell) {
    EXPECT_EQ(cellAtPixel(5.0f, 5.0f, 0, 0), std::nullopt); // before any puzzle
    EXPECT_EQ(cellAtPixel(5.0f, 1.0e9f, 10, 10), std::nullopt);
    EXPECT_EQ(cellAtPixel(32768.0f, 5.0f, 1, 1), std::nullopt); // one past the last index
    EXPECT_EQ(cellAtPixel(std::nanf(""), 5.0f, 10, 10), std::nullopt);
    EXPECT_EQ(cellAtPixel(5.0f, std::numeric_limits<float>::infinity(), 10, 10), std::nullopt);
}

} // namespace
} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardCanvas.h"
#include "board/BoardColors.h"
#include "board/MoveBox.h"
#include "fakes/TestBoards.h"
#include "pictures/BasePicture.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace tessary::testing {
namespace {

constexpr int kW = 10; // piece size of the small test board: 3 x 2 cells of 10 x 8
constexpr int kH = 8;

// Each home cell's piece is one flat colour, far from the outline colours.
QColor pieceColor(int hc, int hr) {
    return QColor(40 * hc, 60 + 50 * hr, 90);
}

// A 3 x 2 board with 2 spare pixels right and below, every piece home.
class SmallBoard : public ::testing::Test {
  protected:
    SmallBoard() : canvas(state, basePic) {
        solvedBoard(state, 3, 2, kW, kH);
        QImage base(3 * kW + 2, 2 * kH + 2, QImage::Format_RGB32);
        base.fill(Qt::black);
        QPainter p(&base);
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 2; ++r)
                p.fillRect((c - 1) * kW, (r - 1) * kH, kW, kH, pieceColor(c, r));
        p.end();
        basePic.setPicture(base);
        canvas.resetBoard(base.size());
    }

    void exchange(GridPos a, GridPos b) {
        std::swap(state.pieceAt(a.x, a.y), state.pieceAt(b.x, b.y));
        state.cellOf.at(state.pieceAt(a.x, a.y)) = a;
        state.cellOf.at(state.pieceAt(b.x, b.y)) = b;
    }

    QRgb at(int x, int y) const { return canvas.picture().pixel(x, y); }

    // The colours found on the border pixels and inside the cell.
    std::set<QRgb> border(int col, int row) const {
        std::set<QRgb> seen;
        const int x0 = (col - 1) * kW, y0 = (row - 1) * kH;
        for (int x = x0; x < x0 + kW; ++x)
            seen.insert({at(x, y0), at(x, y0 + kH - 1)});
        for (int y = y0; y < y0 + kH; ++y)
            seen.insert({at(x0, y), at(x0 + kW - 1, y)});
        return seen;
    }
    std::set<QRgb> inside(int col, int row) const {
        std::set<QRgb> seen;
        for (int x = (col - 1) * kW + 1; x < col * kW - 1; ++x)
            for (int y = (row - 1) * kH + 1; y < row * kH - 1; ++y)
                seen.insert(at(x, y));
        return seen;
    }
    int count(int col, int row, QColor color) const {
        int n = 0;
        for (int x = (col - 1) * kW; x < col * kW; ++x)
            for (int y = (row - 1) * kH; y < row * kH; ++y)
                n += at(x, y) == color.rgb();
        return n;
    }

    static std::set<QRgb> colors(std::initializer_list<QColor> list) {
        std::set<QRgb> s;
        for (const QColor& c : list)
            s.insert(c.rgb());
        return s;
    }

    GameState state;
    BasePicture basePic;
    BoardCanvas canvas;
};

TEST_F(SmallBoard, DrawCellCopiesThePieceAndNothingElse) {
    exchange({1, 1}, {3, 2});
    canvas.hide();
    canvas.drawCell(1, 1);
    EXPECT_FALSE(canvas.isHidden());
    EXPECT_EQ(border(1, 1), colors({pieceColor(3, 2)}));
    EXPECT_EQ(inside(1, 1), colors({pieceColor(3, 2)}));
    // Neighbours and the spare strip are untouched.
    EXPECT_EQ(at(kW, 0), boardColors::background().rgb());
    EXPECT_EQ(at(0, kH), boardColors::background().rgb());
    EXPECT_EQ(at(3 * kW, 0), boardColors::background().rgb());
}

// Records the region of every paint event a widget receives.
class PaintSpy : public QObject {
  public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(SmallBoard, OnlyTheDrawnCellGoesToTheScreen) {
    canvas.show();
    QApplication::processEvents();
    PaintSpy spy;
    canvas.installEventFilter(&spy);
    canvas.drawCell(2, 2);
    QApplication::processEvents();
    EXPECT_EQ(spy.painted, QRegion(kW, kH, kW, kH));

    spy.painted = QRegion();
    canvas.Picture1_Paint();
    QApplication::processEvents();
    EXPECT_EQ(spy.painted, QRegion(canvas.rect()));
}

TEST_F(SmallBoard, YellowOutlineOnlyOnMisplacedPiecesWhenAsked) {
    exchange({1, 1}, {2, 1});
    canvas.Picture1_Paint();
    EXPECT_EQ(border(1, 1), colors({pieceColor(2, 1)}));

    state.play.showMisplaced = true;
    canvas.Picture1_Paint();
    EXPECT_EQ(border(1, 1), colors({boardColors::misplaced()}));
    EXPECT_EQ(inside(1, 1), colors({pieceColor(2, 1)}));
    EXPECT_EQ(border(2, 1), colors({boardColors::misplaced()}));
    EXPECT_EQ(border(3, 2), colors({pieceColor(3, 2)})); // at home
    EXPECT_EQ(at(3 * kW, 0), boardColors::background().rgb());

    // Put back home, the same cell is drawn without it.
    exchange({1, 1}, {2, 1});
    canvas.drawCell(1, 1);
    EXPECT_EQ(border(1, 1), colors({pieceColor(1, 1)}));
}

TEST_F(SmallBoard, SelectionIsDottedRedOverTheBorderOnly) {
    exchange({2, 2}, {3, 2});
    state.play.selX = 2;
    state.play.selY = 2;
    canvas.drawCell(2, 2);
    EXPECT_EQ(border(2, 2), colors({boardColors::selection(), pieceColor(3, 2)}));
    EXPECT_EQ(inside(2, 2), colors({pieceColor(3, 2)}));
    // Dotted: one pixel in three along the 32 border pixels.
    const int red = count(2, 2, boardColors::selection());
    EXPECT_GE(red, 9);
    EXPECT_LE(red, 13);

    // A selected misplaced piece shows the red dots over the yellow outline.
    state.play.showMisplaced = true;
    canvas.drawCell(2, 2);
    EXPECT_EQ(border(2, 2), colors({boardColors::selection(), boardColors::misplaced()}));
    EXPECT_EQ(count(2, 2, boardColors::selection()), red);

    // Moving the selection away and redrawing leaves no red behind.
    state.play.selX = 0;
    canvas.drawCell(2, 2);
    EXPECT_EQ(count(2, 2, boardColors::selection()), 0);
}

TEST_F(SmallBoard, FullRepaintDrawsEveryCellAndHidesTheSolution) {
    exchange({1, 1}, {3, 1});
    exchange({1, 2}, {2, 2});
    basePic.show();
    canvas.hide();
    canvas.Picture1_Paint();
    EXPECT_TRUE(basePic.isHidden());
    EXPECT_FALSE(canvas.isHidden());
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r) {
            const GridPos home = state.pieceAt(c, r);
            EXPECT_EQ(inside(c, r), colors({pieceColor(home.x, home.y)})) << c << "," << r;
        }
}

TEST_F(SmallBoard, BlinkGoesRedBlueRedOnTheSameDots) {
    exchange({1, 2}, {2, 2});
    canvas.Timer1_Timer(); // nothing selected: nothing drawn
    EXPECT_EQ(canvas.blinkColor(), 0);
    EXPECT_EQ(count(1, 2, boardColors::selection()), 0);

    state.play.selX = 1;
    state.play.selY = 2;
    canvas.drawCell(1, 2);
    const int dots = count(1, 2, boardColors::selection());
    canvas.Timer1_Timer();
    EXPECT_EQ(canvas.blinkColor(), 0x0000FF);
    EXPECT_EQ(count(1, 2, boardColors::selection()), dots);
    canvas.Timer1_Timer();
    EXPECT_EQ(canvas.blinkColor(), 0xFF0000);
    EXPECT_EQ(count(1, 2, boardColors::blinkOther()), dots);
    EXPECT_EQ(count(1, 2, boardColors::selection()), 0);
    EXPECT_EQ(inside(1, 2), colors({pieceColor(2, 2)}));
    canvas.Timer1_Timer();
    EXPECT_EQ(count(1, 2, boardColors::selection()), dots);
    EXPECT_EQ(count(1, 2, boardColors::blinkOther()), 0);
}

TEST_F(SmallBoard, MarksHatchInsideABlueOutline) {
    canvas.Picture1_Paint();
    canvas.drawMark(2, 1, boardColors::placedMark());
    EXPECT_EQ(border(2, 1), colors({boardColors::markOutline()}));
    EXPECT_EQ(inside(2, 1), colors({boardColors::placedMark(), pieceColor(2, 1)}));
    EXPECT_EQ(border(1, 1), colors({pieceColor(1, 1)}));
    EXPECT_EQ(border(3, 1), colors({pieceColor(3, 1)}));
    EXPECT_EQ(border(2, 2), colors({pieceColor(2, 2)}));
    canvas.drawMark(1, 2, boardColors::missingMark());
    EXPECT_EQ(inside(1, 2), colors({boardColors::missingMark(), pieceColor(1, 2)}));
}

TEST_F(SmallBoard, PressesGoOutAsGameButtonsOnTheCellUnderThePointer) {
    std::vector<std::pair<std::optional<GridPos>, Button>> presses;
    canvas.onMouseDown = [&](std::optional<GridPos> cell, Button b) {
        presses.emplace_back(cell, b);
    };
    canvas.show();
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(5, 3));
    QTest::mouseClick(&canvas, Qt::RightButton, {}, QPoint(25, 12));
    QTest::mouseClick(&canvas, Qt::MiddleButton, {}, QPoint(31, 15)); // the spare strip
    state.board.pieceW = 0; // no puzzle yet: no cell anywhere
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(5, 3));
    using Press = std::pair<std::optional<GridPos>, Button>;
    EXPECT_EQ(presses, (std::vector<Press>{{GridPos{1, 1}, Button::Left},
                                           {GridPos{3, 2}, Button::Right},
                                           {GridPos{4, 2}, Button::Middle},
                                           {std::nullopt, Button::Left}}));
}

TEST_F(SmallBoard, SolutionPictureHidesWhenClicked) {
    int clicks = 0;
    basePic.onClick = [&] { ++clicks; };
    basePic.show();
    QTest::mouseClick(&basePic, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(basePic.isHidden());
    EXPECT_EQ(clicks, 1);
}

TEST_F(SmallBoard, MovingTileShowsExactlyThePiece) {
    QWidget window;
    MoveBox tile(&window);
    tile.showPiece(basePic.picture(), GridPos{3, 2}, kW, kH, QPoint(11, 9));
    EXPECT_FALSE(tile.isHidden());
    EXPECT_EQ(tile.geometry(), QRect(11, 9, kW, kH));
    const QImage& piece = tile.piece();
    EXPECT_EQ(piece.size(), QSize(kW, kH));
    EXPECT_EQ(piece.pixel(0, 0), pieceColor(3, 2).rgb());
    EXPECT_EQ(piece.pixel(kW - 1, kH - 1), pieceColor(3, 2).rgb());
}

} // namespace
} // namespace tessary::testing

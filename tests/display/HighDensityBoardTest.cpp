// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestPictures.h"
#include "fakes/TestBoards.h"

#include "board/BoardCanvas.h"
#include "board/BoardColors.h"
#include "board/BoardPreparation.h"
#include "board/MoveBox.h"
#include "pictures/BasePicture.h"
#include "pictures/DevicePixels.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

// A 3 x 2 board of 10 x 8 pieces on a screen of two device pixels per board pixel.
constexpr int kW = 10;
constexpr int kH = 8;
constexpr int kRatio = 2;

QColor pieceColor(int hc, int hr) {
    return QColor(40 * hc, 60 + 50 * hr, 90);
}
// Each piece's top-left device pixel: detail a pixel-doubled board could not show.
QColor cornerColor(int hc, int hr) {
    return QColor(250, 10 * hc, 10 * hr);
}

class HighDensityBoard : public ::testing::Test {
  protected:
    HighDensityBoard() : canvas(state, basePic) {
        solvedBoard(state, 3, 2, kW, kH);
        QImage base(3 * kW * kRatio, 2 * kH * kRatio, QImage::Format_RGB32);
        QPainter p(&base);
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 2; ++r) {
                const QPoint corner((c - 1) * kW * kRatio, (r - 1) * kH * kRatio);
                p.fillRect(QRect(corner, QSize(kW, kH) * kRatio), pieceColor(c, r));
                p.fillRect(QRect(corner, QSize(1, 1)), cornerColor(c, r));
            }
        p.end();
        base.setDevicePixelRatio(kRatio);
        basePic.setPicture(base);
        canvas.resetBoard(QSize(3 * kW, 2 * kH));
        canvas.Picture1_Paint();
    }

    void exchange(GridPos a, GridPos b) {
        std::swap(state.pieceAt(a.x, a.y), state.pieceAt(b.x, b.y));
        state.cellOf.at(state.pieceAt(a.x, a.y)) = a;
        state.cellOf.at(state.pieceAt(b.x, b.y)) = b;
    }
    QRgb at(int x, int y) const { return canvas.picture().pixel(x, y); }

    GameState state;
    BasePicture basePic;
    BoardCanvas canvas;
};

TEST_F(HighDensityBoard, WidgetsKeepBoardPixelsWhileImagesHoldDevicePixels) {
    EXPECT_EQ(basePic.size(), QSize(3 * kW, 2 * kH));
    EXPECT_EQ(canvas.size(), QSize(3 * kW, 2 * kH));
    EXPECT_EQ(canvas.picture().size(), QSize(3 * kW, 2 * kH) * kRatio);
    EXPECT_EQ(canvas.picture().devicePixelRatio(), kRatio);
}

TEST_F(HighDensityBoard, CellCopiesLandOnTheirDevicePixels) {
    exchange({1, 1}, {3, 2});
    canvas.Picture1_Paint();
    // Cell (1, 1) now holds piece (3, 2) and cell (3, 2) holds piece (1, 1), detail included.
    EXPECT_EQ(at(0, 0), cornerColor(3, 2).rgb());
    EXPECT_EQ(at(1, 0), pieceColor(3, 2).rgb());
    EXPECT_EQ(at(0, 1), pieceColor(3, 2).rgb());
    EXPECT_EQ(at(kW * kRatio - 1, kH * kRatio - 1), pieceColor(3, 2).rgb());
    EXPECT_EQ(at(kW * kRatio, 0), cornerColor(2, 1).rgb());
    const int x = 2 * kW * kRatio, y = kH * kRatio;
    EXPECT_EQ(at(x, y), cornerColor(1, 1).rgb());
    EXPECT_EQ(at(x + 1, y + 1), pieceColor(1, 1).rgb());
    EXPECT_EQ(at(3 * kW * kRatio - 1, 2 * kH * kRatio - 1), pieceColor(1, 1).rgb());
}

TEST_F(HighDensityBoard, OutlinesAreTwoDevicePixelsThick) {
    state.play.showMisplaced = true;
    exchange({1, 1}, {2, 1});
    canvas.drawCell(1, 1);
    const QRgb yellow = boardColors::misplaced().rgb();
    const int right = kW * kRatio - 1, bottom = kH * kRatio - 1;
    for (int ring = 0; ring < 2; ++ring) {
        EXPECT_EQ(at(5, ring), yellow) << ring;
        EXPECT_EQ(at(right - ring, 7), yellow) << ring;
        EXPECT_EQ(at(5, bottom - ring), yellow) << ring;
        EXPECT_EQ(at(ring, 7), yellow) << ring;
    }
    EXPECT_EQ(at(5, 2), pieceColor(2, 1).rgb());
    EXPECT_EQ(at(right - 2, 7), pieceColor(2, 1).rgb());
    // The cell next to it is untouched.
    EXPECT_EQ(at(right + 1, 7), pieceColor(2, 1).rgb());
}

TEST_F(HighDensityBoard, DottedSelectionRunsTwoPixelsOnFourOff) {
    canvas.drawSelectionOutline(2, 1);
    const QRgb red = boardColors::selection().rgb();
    const int x0 = kW * kRatio;
    // Inner ring dots sit level with the outer ones: squares of 2 x 2 device pixels.
    for (int y = 0; y < 2; ++y)
        for (int k = y; k < 12; ++k)
            EXPECT_EQ(at(x0 + k, y) == red, k % 6 < 2) << "ring " << y << " dot " << k;
    EXPECT_EQ(at(x0 + 6, 2), pieceColor(2, 1).rgb());
}

TEST_F(HighDensityBoard, HintMarkHatchesInsideAThickOutline) {
    canvas.drawMark(2, 2, Qt::green);
    const QRgb blue = boardColors::markOutline().rgb();
    const int x0 = kW * kRatio, y0 = kH * kRatio;
    EXPECT_EQ(at(x0 + 7, y0), blue);
    EXPECT_EQ(at(x0 + 7, y0 + 1), blue);
    int green = 0;
    for (int x = x0 + 2; x < x0 + 2 * kW - 2; ++x)
        for (int y = y0 + 2; y < y0 + 2 * kH - 2; ++y)
            green += at(x, y) == QColor(Qt::green).rgb();
    EXPECT_GT(green, 0);
    EXPECT_EQ(at(x0 - 1, y0 + 5), pieceColor(1, 2).rgb());
}

TEST_F(HighDensityBoard, MovingTileCarriesThePieceAtDevicePixels) {
    QWidget window;
    MoveBox tile(&window);
    tile.showPiece(basePic.picture(), GridPos{3, 2}, kW, kH, QPoint(11, 9));
    EXPECT_EQ(tile.geometry(), QRect(11, 9, kW, kH));
    EXPECT_EQ(tile.piece().size(), QSize(kW, kH) * kRatio);
    EXPECT_EQ(tile.piece().pixel(0, 0), cornerColor(3, 2).rgb());
    EXPECT_EQ(tile.piece().pixel(1, 1), pieceColor(3, 2).rgb());
}

TEST(DevicePixels, NeighbouringCellsMeetAtAnyRatio) {
    for (double ratio : {1.0, 1.25, 1.5, 2.0, 3.0})
        for (int x = 0; x < 40; x += 7) {
            const QRect a = toDevicePixels(QRect(x, 3, 7, 5), ratio);
            const QRect b = toDevicePixels(QRect(x + 7, 3, 7, 5), ratio);
            EXPECT_EQ(a.right() + 1, b.left()) << ratio << " " << x;
            EXPECT_EQ(a.top(), b.top());
        }
    EXPECT_EQ(toDevicePixels(QRect(3, 4, 10, 8), 2.0), QRect(6, 8, 20, 16));
    EXPECT_EQ(deviceLineWidth(1.0), 1);
    EXPECT_EQ(deviceLineWidth(1.25), 1);
    EXPECT_EQ(deviceLineWidth(2.0), 2);
}

TEST(HighDensityPreparation, BaseHasTheScreensPixelsAndTheSameLayout) {
    TestPictures pics;
    const QString file = pics.bmp("a.bmp", TestPictures::stripes(300, 200, {Qt::red, Qt::blue}));
    LayoutRequest r;
    r.imgAcross = 4;
    r.imgDown = 4;
    r.files[0] = file.toStdString();
    r.room = ScreenRoom{1024, 768, 8, 46};
    r.smallPictureSize = QSize(60, 40);
    const auto plain = prepareBoard(r);
    r.devicePixelRatio = 2.0;
    const auto dense = prepareBoard(r);
    ASSERT_TRUE(std::holds_alternative<PreparedBoard>(plain));
    ASSERT_TRUE(std::holds_alternative<PreparedBoard>(dense));
    const PreparedBoard& one = std::get<PreparedBoard>(plain);
    const PreparedBoard& two = std::get<PreparedBoard>(dense);
    EXPECT_EQ(two.layout.boardW, one.layout.boardW);
    EXPECT_EQ(two.layout.pieceW, one.layout.pieceW);
    EXPECT_EQ(two.layout.pieceH, one.layout.pieceH);
    EXPECT_EQ(two.base.size(), one.base.size() * 2);
    EXPECT_EQ(two.base.devicePixelRatio(), 2.0);
    EXPECT_EQ(two.smallPicture.size(), QSize(60, 40));
    EXPECT_EQ(two.smallPicture.devicePixelRatio(), 1.0);
    const int w = two.base.width(), h = two.base.height();
    EXPECT_EQ(two.base.pixel(w / 4, h / 2), QColor(Qt::red).rgb());
    EXPECT_EQ(two.base.pixel(3 * w / 4, h / 2), QColor(Qt::blue).rgb());

    // Put into play, the board picture takes the base's pixels and the board keeps its size.
    GameState state;
    BasePicture basePic;
    BoardCanvas canvas(state, basePic);
    applyPreparedBoard(two, state, canvas, basePic);
    EXPECT_EQ(canvas.size(), QSize(one.layout.boardW, one.layout.boardH));
    EXPECT_EQ(canvas.picture().size(), two.base.size());
    EXPECT_EQ(basePic.size(), canvas.size());
}

} // namespace
} // namespace tessary::testing

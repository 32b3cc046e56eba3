// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"

#include <array>
#include <cstdint>
#include <variant>

namespace tessary {

// Twips per pixel for a screen of the given logical DPI (15 at 96 DPI).
inline double twipsPerPixel(double logicalDpi) {
    return 1440.0 / logicalDpi;
}

// The room the screen gives the main window, in pixels: the available area (panels excluded)
// and the main window's frame, its outer size less the client area that holds the board.
struct ScreenRoom {
    int screenW = 0;
    int screenH = 0;
    int frameW = 0;
    int frameH = 0;
};

// What the layout needs to know before any picture is decoded.
struct LayoutInput {
    int puzType = kSingle;
    int imgAcross = 0; // pieces across in one image, as asked for
    int imgDown = 0;
    int firstImageW = 0; // natural size of image 1, shown upright
    int firstImageH = 0;
    ScreenRoom room;
};

// One image's block on the base image, in board pixels.
struct BlockRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    friend bool operator==(const BlockRect&, const BlockRect&) = default;
};

// The board's size in cells and pixels, and where each image goes.
struct BoardLayout {
    int puzType = kSingle;
    int imgAcross = 0; // limited so the board stays within 50 columns and rows
    int imgDown = 0;
    bool triplesStacked = false; // a "Triple" whose first image is wider than high
    int boardAcross = 0;
    int boardDown = 0;
    double pictureW = 0; // the board picture after fitting, before rounding
    double pictureH = 0;
    int boardW = 0;
    int boardH = 0;
    int pieceW = 0;
    int pieceH = 0;
    int baseW = 0;
    float baseH = 0;
    std::array<BlockRect, 4> blocks{}; // entries 0..puzType-1 used
    int windowW = 0;                   // main window's outer size around the board
    int windowH = 0;
};

enum class LayoutProblem {
    BadPuzzle,       // a type outside 1..4, or no pieces
    BadImage,        // image 1 has no size
    NoRoom,          // the screen cannot give every piece at least one pixel
    PictureTooSmall, // image 1 has fewer pixels across or down than the board has pieces
};

// The most pieces one image may have across and down, so that the board of `puzType` never
// exceeds 50 columns or rows. A "Triple" is tripled across or down by image 1's shape.
struct ImageCountLimit {
    int across = CellGrid::kLimit;
    int down = CellGrid::kLimit;
};
ImageCountLimit imageCountLimit(int puzType, bool triplesStacked);

// Board size, fitting to the screen (first in width, then in height, keeping proportions),
// piece size and image blocks. Sizes use wide arithmetic: a very large picture only shrinks.
std::variant<BoardLayout, LayoutProblem> layoutBoard(const LayoutInput& in);

// Copies the layout's numbers into the game's state: the limited piece counts per image, the
// board's cells, pixels and pieces, and the base image's size.
void storeLayout(const BoardLayout& layout, GameState& state);

} // namespace tessary

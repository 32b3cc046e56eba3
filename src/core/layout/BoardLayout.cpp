// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/BoardLayout.h"

#include <algorithm>
#include <cmath>

namespace tessary {

namespace {

// A picture's size read back as a whole number of pixels: nearest, ties to even.
int toInteger(double v) {
    return static_cast<int>(std::nearbyint(v));
}

constexpr int kMostCells = CellGrid::kLimit;
constexpr int kMostPixels = 32767; // the game keeps board sizes in 16 bits

} // namespace

ImageCountLimit imageCountLimit(int puzType, bool triplesStacked) {
    switch (puzType) {
    case kDouble:
        return {kMostCells / 2, kMostCells};
    case kTriple:
        return triplesStacked ? ImageCountLimit{kMostCells, kMostCells / 3}
                              : ImageCountLimit{kMostCells / 3, kMostCells};
    case kTwoByTwo:
        return {kMostCells / 2, kMostCells / 2};
    default:
        return {kMostCells, kMostCells};
    }
}

std::variant<BoardLayout, LayoutProblem> layoutBoard(const LayoutInput& in) {
    if (in.puzType < kSingle || in.puzType > kTwoByTwo || in.imgAcross < 1 || in.imgDown < 1)
        return LayoutProblem::BadPuzzle;
    if (in.firstImageW <= 0 || in.firstImageH <= 0)
        return LayoutProblem::BadImage;

    BoardLayout out;
    out.puzType = in.puzType;
    out.triplesStacked = in.puzType == kTriple && in.firstImageW > in.firstImageH;
    const ImageCountLimit limit = imageCountLimit(in.puzType, out.triplesStacked);
    out.imgAcross = std::min(in.imgAcross, limit.across);
    out.imgDown = std::min(in.imgDown, limit.down);

    // The board at the images' natural size: image 1's size once per image across and down.
    const double w1 = in.firstImageW;
    const double h1 = in.firstImageH;
    int across = 1;
    int down = 1;
    switch (in.puzType) {
    case kDouble:
        across = 2;
        break;
    case kTriple:
        (out.triplesStacked ? down : across) = 3;
        break;
    case kTwoByTwo:
        across = down = 2;
        break;
    default:
        break;
    }
    out.boardAcross = out.imgAcross * across;
    out.boardDown = out.imgDown * down;
    double w = w1 * across;
    double h = h1 * down;
    // The board only ever shrinks: a picture with fewer pixels than pieces fits no screen.
    if (w < out.boardAcross || h < out.boardDown)
        return LayoutProblem::PictureTooSmall;

    // Shrink to the room, keeping proportions: first in width, then in height.
    const int maxW = in.room.screenW - in.room.frameW;
    const int maxH = in.room.screenH - in.room.frameH + 1;
    if (w > maxW - 40) {
        const long long w0 = toInteger(w);
        const long long h0 = toInteger(h);
        w = maxW - 40;
        h = static_cast<double>(h0) * w / static_cast<double>(w0);
    }
    if (h > maxH - 60) {
        const long long w0 = toInteger(w);
        const long long h0 = toInteger(h);
        if (h0 <= 0)
            return LayoutProblem::NoRoom;
        h = maxH - 60;
        w = static_cast<double>(w0) * h / static_cast<double>(h0);
    }
    out.pictureW = w;
    out.pictureH = h;

    // sizePieces: the board's whole pixels and the piece size; what is left over at the right
    // and bottom belongs to no cell.
    const long long boardW = toInteger(w);
    const long long boardH = toInteger(h);
    if (boardW < out.boardAcross || boardH < out.boardDown || boardW > kMostPixels ||
        boardH > kMostPixels)
        return LayoutProblem::NoRoom;
    out.boardW = static_cast<int>(boardW);
    out.boardH = static_cast<int>(boardH);
    out.pieceW = out.boardW / out.boardAcross;
    out.pieceH = out.boardH / out.boardDown;
    out.baseW = out.boardW;
    out.baseH = static_cast<float>(h);

    const int iw = out.imgAcross * out.pieceW;
    const int ih = out.imgDown * out.pieceH;
    for (int k = 0; k < in.puzType; ++k) {
        int col = 0;
        int row = 0;
        switch (in.puzType) {
        case kDouble:
            col = k;
            break;
        case kTriple:
            (out.triplesStacked ? row : col) = k;
            break;
        case kTwoByTwo:
            col = k % 2;
            row = k / 2;
            break;
        default:
            break;
        }
        out.blocks[static_cast<std::size_t>(k)] = BlockRect{col * iw, row * ih, iw, ih};
    }

    out.windowW = in.room.frameW + out.boardW;
    out.windowH = in.room.frameH + out.boardH;
    return out;
}

void storeLayout(const BoardLayout& layout, GameState& state) {
    state.puzzle.imgAcross = static_cast<int16_t>(layout.imgAcross);
    state.puzzle.imgDown = static_cast<int16_t>(layout.imgDown);
    BoardGeometry& b = state.board;
    b.boardAcross = static_cast<int16_t>(layout.boardAcross);
    b.boardDown = static_cast<int16_t>(layout.boardDown);
    b.boardW = static_cast<int16_t>(layout.boardW);
    b.boardH = static_cast<int16_t>(layout.boardH);
    b.pieceW = static_cast<int16_t>(layout.pieceW);
    b.pieceH = static_cast<int16_t>(layout.pieceH);
    b.baseW = static_cast<int16_t>(layout.baseW);
    b.baseH = layout.baseH;
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardCanvas.h"

#include "board/BoardColors.h"
#include "layout/CellAtPixel.h"
#include "pictures/BasePicture.h"
#include "pictures/DevicePixels.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>

namespace tessary {

namespace {

constexpr int32_t kRed = 0x0000FF; // &HBBGGRR
constexpr int32_t kBlue = 0xFF0000;

QColor fromBgr(int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// A plain rectangle copy (BitBlt SRCCOPY) of pixels, whatever the images' pixel ratios: `from`
// in `src` to `at` in `dst` (RGB32), clipped to both.
void copyRect(QImage& dst, QPoint at, const QImage& src, QRect from) {
    QRect target(at, from.size());
    const QPoint shift = at - from.topLeft();
    target &= dst.rect() & src.rect().translated(shift);
    if (target.isEmpty() || dst.depth() != 32)
        return;
    from = target.translated(-shift);
    QImage converted;
    const QImage* source = &src;
    if (src.format() != dst.format()) {
        converted = src.copy(from).convertToFormat(dst.format());
        source = &converted;
        from.moveTopLeft(QPoint(0, 0));
    }
    const auto rowBytes = static_cast<std::size_t>(target.width()) * 4;
    uchar* d = dst.bits() + target.y() * dst.bytesPerLine() + target.x() * 4;
    const uchar* s = source->constBits() + from.y() * source->bytesPerLine() + from.x() * 4;
    for (int y = 0; y < target.height(); ++y, d += dst.bytesPerLine(), s += source->bytesPerLine())
        std::memcpy(d, s, rowBytes);
}

// An RGB32 image whose rows start half a page into their memory. The window's own image
// usually starts at (or just past) a page boundary, and on some processors a copy between two
// rows that sit at the same place in their pages is several times slower (4K aliasing), so the
// board's single copy to the screen would be too.
QImage halfPageImage(QSize size) {
    constexpr std::size_t kPage = 4096;
    const std::size_t rowBytes = std::size_t(std::max(size.width(), 0)) * 4;
    const std::size_t bytes = rowBytes * std::size_t(std::max(size.height(), 0)) + kPage;
    void* memory = std::aligned_alloc(kPage, (bytes + kPage - 1) / kPage * kPage);
    if (memory == nullptr)
        throw std::bad_alloc();
    return QImage(
        static_cast<uchar*>(memory) + kPage / 2, size.width(), size.height(), qsizetype(rowBytes),
        QImage::Format_RGB32, [](void* m) { std::free(m); }, memory);
}

// At a fractional ratio two cells of the same logical size can differ by a device pixel; the
// piece is then read at the cell's size, kept inside the picture.
QRect matchSize(QRect from, QSize size, const QRect& bounds) {
    if (from.size() == size)
        return from;
    from.setSize(size);
    from.translate(std::min(0, bounds.right() - from.right()),
                   std::min(0, bounds.bottom() - from.bottom()));
    return from;
}

// An outline drawn straight into the image's pixels, along the cell's own border pixels
// (x..x+w-1, y..y+h-1) clockwise from the top-left corner, `thickness` rings deep. Each pixel
// takes the colour `colorAt` gives for its place along the outer ring (the inner rings
// following the outer one), or stays as it is when it gives none.
template <class ColorAt>
void traceOutline(QImage& image, QRect cell, int thickness, ColorAt colorAt) {
    if (image.depth() != 32)
        return;
    uchar* bits = image.bits();
    const qsizetype bpl = image.bytesPerLine();
    const int x0 = cell.left(), y0 = cell.top(), x1 = cell.right(), y1 = cell.bottom();
    // `along` is the place on the outer ring level with the pixel.
    auto put = [&](int x, int y, int along) {
        const std::optional<QRgb> rgb = colorAt(along);
        if (rgb && x >= 0 && y >= 0 && x < image.width() && y < image.height())
            reinterpret_cast<QRgb*>(bits + y * bpl)[x] = *rgb;
    };
    const int right = x1 - x0, down = right + (y1 - y0), back = down + (x1 - x0);
    for (int ring = 0; ring < thickness; ++ring) {
        const int l = x0 + ring, t = y0 + ring, r = x1 - ring, b = y1 - ring;
        if (l > r || t > b)
            break;
        for (int x = l; x <= r; ++x)
            put(x, t, x - x0);
        for (int y = t + 1; y <= b; ++y)
            put(r, y, right + (y - y0));
        if (b > t)
            for (int x = r - 1; x >= l; --x)
                put(x, b, down + (x1 - x));
        if (r > l)
            for (int y = b - 1; y > t; --y)
                put(l, y, back + (y1 - y));
    }
}

// A solid or dotted outline in one colour. A dotted outline sets one run of `thickness`
// pixels in three, so every outline of the same cell covers the same dots, and a blink in the
// other colour replaces every dot of the last.
void drawOutline(QImage& image, QRect cell, const QColor& color, bool dotted, int thickness = 1) {
    const QRgb rgb = color.rgb();
    traceOutline(image, cell, thickness, [&](int along) -> std::optional<QRgb> {
        if (dotted && (along / thickness) % 3 != 0)
            return std::nullopt;
        return rgb;
    });
}

// The keyboard cursor: dashes in two colours, two lines wide, just inside the border pixels
// where the misplaced and selection outlines go, so it shows on any picture beside them.
void drawCursorOutline(QImage& image, QRect cell, int line) {
    const QRgb light = boardColors::cursorLight().rgb();
    const QRgb dark = boardColors::cursorDark().rgb();
    const int dash = 4 * line;
    traceOutline(
        image, cell.adjusted(line, line, -line, -line), 2 * line,
        [&](int along) -> std::optional<QRgb> { return (along / dash) % 2 == 0 ? light : dark; });
}

} // namespace

BoardCanvas::BoardCanvas(const GameState& state, BasePicture& basePic, QWidget* parent)
    : QWidget(parent), state_(state), basePic_(basePic),
      shown_((CellGrid::kLimit + 1) * (CellGrid::kLimit + 1)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardCanvas::resetBoard(QSize size) {
    // The backing store has basePic's pixels, so a cell is copied pixel for pixel.
    const double ratio = basePic_.picture().devicePixelRatio();
    boardSize_ = size;
    backing_ = halfPageImage(toDevicePixels(QRect(QPoint(), size), ratio).size());
    backing_.setDevicePixelRatio(ratio);
    backing_.fill(boardColors::background());
    std::fill(shown_.begin(), shown_.end(), ShownCell{});
    resize(size);
    update();
}

QRect BoardCanvas::cellRect(int col, int row) const {
    const int w = state_.board.pieceW;
    const int h = state_.board.pieceH;
    return QRect((col - 1) * w, (row - 1) * h, w, h);
}

QRect BoardCanvas::devicePixels(const QRect& logical) const {
    return toDevicePixels(logical, backing_.devicePixelRatio());
}

void BoardCanvas::outline(const QRect& cell, const QColor& color, bool dotted) {
    drawOutline(backing_, devicePixels(cell), color, dotted,
                deviceLineWidth(backing_.devicePixelRatio()));
}

BoardCanvas::ShownCell BoardCanvas::cellShowing(int col, int row, GridPos piece) const {
    const PlayState& play = state_.play;
    ShownCell cell;
    cell.piece = piece;
    cell.misplaced = play.showMisplaced && piece != GridPos{int16_t(col), int16_t(row)};
    cell.selected = play.selX != 0 && col == play.selX && row == play.selY;
    cell.cursor = state_.cursor.isAt(col, row);
    cell.drawn = true;
    return cell;
}

// Cells outside the tables are refused here, as the tables refuse them.
BoardCanvas::ShownCell& BoardCanvas::shown(int col, int row) {
    if (!CellGrid::inRange(col, row))
        throw std::out_of_range("cell index outside 0..50");
    return shown_[std::size_t(col) * (CellGrid::kLimit + 1) + std::size_t(row)];
}

void BoardCanvas::drawnOver(int col, int row) {
    if (CellGrid::inRange(col, row))
        shown(col, row).drawn = false;
}

void BoardCanvas::paintCell(int col, int row, const ShownCell& cell) {
    const QRect rect = cellRect(col, row);
    if (rect.isEmpty())
        return;
    const GridPos home = cell.piece;
    const QImage& base = basePic_.picture();
    const QRect target = devicePixels(rect);
    const QRect from = devicePixels(QRect((home.x - 1) * rect.width(), (home.y - 1) * rect.height(),
                                          rect.width(), rect.height()));
    copyRect(backing_, target.topLeft(), base, matchSize(from, target.size(), base.rect()));
    if (cell.misplaced)
        outline(rect, boardColors::misplaced(), false);
    if (cell.selected)
        outline(rect, boardColors::selection(), true);
    if (cell.cursor)
        drawCursorOutline(backing_, target, deviceLineWidth(backing_.devicePixelRatio()));
    shown(col, row) = cell;
}

void BoardCanvas::drawCell(int col, int row) {
    if (isHidden())
        show();
    if (!CellGrid::inRange(col, row))
        return;
    paintCell(col, row, cellShowing(col, row, state_.pieceAt(col, row)));
    update(cellRect(col, row));
}

void BoardCanvas::showPieces(const CellGrid& pieces) {
    const int across = std::min<int>(state_.board.boardAcross, CellGrid::kLimit);
    const int down = std::min<int>(state_.board.boardDown, CellGrid::kLimit);
    for (int c = 1; c <= across; ++c)
        for (int r = 1; r <= down; ++r) {
            const ShownCell wanted = cellShowing(c, r, pieces(c, r));
            if (shown(c, r) == wanted)
                continue;
            paintCell(c, r, wanted);
            update(cellRect(c, r));
        }
}

void BoardCanvas::drawSelectionOutline(int col, int row) {
    const QRect cell = cellRect(col, row);
    if (cell.isEmpty())
        return;
    outline(cell, boardColors::selection(), true);
    drawnOver(col, row);
    update(cell);
}

void BoardCanvas::Picture1_Paint() {
    basePic_.hide();
    const int across = state_.board.boardAcross;
    const int down = state_.board.boardDown;
    if (across <= 0 || down <= 0)
        return;
    if (isHidden())
        show();
    showPieces(state_.pieceAt);
    update();
}

void BoardCanvas::Timer1_Timer() {
    const PlayState& play = state_.play;
    if (play.selX == 0)
        return;
    blinkColor_ = blinkColor_ == kRed ? kBlue : kRed;
    const QRect cell = cellRect(play.selX, play.selY);
    if (cell.isEmpty())
        return;
    outline(cell, fromBgr(blinkColor_), true);
    drawnOver(play.selX, play.selY);
    update(cell);
}

void BoardCanvas::drawMark(int col, int row, const QColor& fill) {
    const QRect cell = cellRect(col, row);
    if (cell.isEmpty())
        return;
    // The hatch is anchored at the board's corner, so neighbouring marks line up; the outline
    // then covers the cell's border pixels. The painter works in the board's own pixels.
    {
        QPainter p(&backing_);
        p.fillRect(cell.adjusted(1, 1, -1, -1), QBrush(fill, Qt::DiagCrossPattern));
    }
    outline(cell, boardColors::markOutline(), false);
    drawnOver(col, row);
    update(cell);
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect board(QPoint(), boardSize_);
    for (const QRect& r : event->region()) {
        const QRect inside = r & board;
        if (!inside.isEmpty())
            p.drawImage(QRectF(inside), backing_, QRectF(devicePixels(inside)));
    }
    for (const QRect& r : event->region() - QRegion(board))
        p.fillRect(r, boardColors::background());
}

void BoardCanvas::mousePressEvent(QMouseEvent* event) {
    Button button = Button::Left;
    switch (event->button()) {
    case Qt::LeftButton:
        break;
    case Qt::RightButton:
        button = Button::Right;
        break;
    case Qt::MiddleButton:
        button = Button::Middle;
        break;
    default:
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF at = event->position();
    if (onMouseDown)
        onMouseDown(
            cellAtPixel(float(at.x()), float(at.y()), state_.board.pieceW, state_.board.pieceH),
            button);
}

} // namespace tessary

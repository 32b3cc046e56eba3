#include "board/BoardCanvas.h"

#include "board/BoardColors.h"
#include "pictures/BasePicture.h"
#include "pictures/DevicePixels.h"
#include "rules/Play.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <optional>

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
    : QWidget(parent), state_(state), basePic_(basePic) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardCanvas::resetBoard(QSize size) {
    // The backing store has basePic's pixels, so a cell is copied pixel for pixel.
    const double ratio = basePic_.picture().devicePixelRatio();
    boardSize_ = size;
    backing_ = QImage(toDevicePixels(QRect(QPoint(), size), ratio).size(), QImage::Format_RGB32);
    backing_.setDevicePixelRatio(ratio);
    backing_.fill(boardColors::background());
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

void BoardCanvas::paintCell(int col, int row) {
    const QRect cell = cellRect(col, row);
    if (cell.isEmpty() || !CellGrid::inRange(col, row))
        return;
    const GridPos home = state_.pieceAt(col, row);
    const QImage& base = basePic_.picture();
    const QRect target = devicePixels(cell);
    const QRect from = devicePixels(QRect((home.x - 1) * cell.width(), (home.y - 1) * cell.height(),
                                          cell.width(), cell.height()));
    copyRect(backing_, target.topLeft(), base, matchSize(from, target.size(), base.rect()));
    if (state_.play.showMisplaced && home != GridPos{int16_t(col), int16_t(row)})
        outline(cell, boardColors::misplaced(), false);
    if (state_.play.selX != 0 && col == state_.play.selX && row == state_.play.selY)
        outline(cell, boardColors::selection(), true);
    if (state_.cursor.isAt(col, row))
        drawCursorOutline(backing_, target, deviceLineWidth(backing_.devicePixelRatio()));
}

void BoardCanvas::drawCell(int col, int row) {
    if (isHidden())
        show();
    paintCell(col, row);
    update(cellRect(col, row));
}

void BoardCanvas::drawSelectionOutline(int col, int row) {
    const QRect cell = cellRect(col, row);
    if (cell.isEmpty())
        return;
    outline(cell, boardColors::selection(), true);
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
    for (int c = 1; c <= across; ++c)
        for (int r = 1; r <= down; ++r)
            paintCell(c, r);
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
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = kLeftButton;
        break;
    case Qt::RightButton:
        button = kRightButton;
        break;
    case Qt::MiddleButton:
        button = kMiddleButton;
        break;
    default:
        QWidget::mousePressEvent(event);
        return;
    }
    if (onMouseDown)
        onMouseDown(button, float(event->position().x()), float(event->position().y()));
}

} // namespace tessary

#include "display/BoardCanvas.h"

#include "display/BasePicture.h"
#include "display/BoardColors.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cstring>

namespace tessary {

namespace {

constexpr int32_t kRed = 0x0000FF; // &HBBGGRR
constexpr int32_t kBlue = 0xFF0000;

QColor fromBgr(int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// A plain rectangle copy (BitBlt SRCCOPY): `from` in `src` to `at` in `dst`, clipped to both.
void copyRect(QImage& dst, QPoint at, const QImage& src, QRect from) {
    QRect target(at, from.size());
    const QPoint shift = at - from.topLeft();
    target &= dst.rect() & src.rect().translated(shift);
    if (target.isEmpty())
        return;
    from = target.translated(-shift);
    if (dst.format() == src.format() && dst.depth() == 32) {
        const auto rowBytes = static_cast<std::size_t>(target.width()) * 4;
        uchar* d = dst.bits() + target.y() * dst.bytesPerLine() + target.x() * 4;
        const uchar* s = src.constBits() + from.y() * src.bytesPerLine() + from.x() * 4;
        for (int y = 0; y < target.height(); ++y, d += dst.bytesPerLine(), s += src.bytesPerLine())
            std::memcpy(d, s, rowBytes);
        return;
    }
    QPainter p(&dst);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(target.topLeft(), src, from);
}

// An outline drawn straight into the image's pixels, along the cell's own border pixels
// (x..x+w-1, y..y+h-1) clockwise from the top-left corner. A dotted outline sets one pixel in
// three along that path, so every outline of the same cell covers the same dots, and a blink
// in the other colour replaces every dot of the last.
void drawOutline(QImage& image, QRect cell, const QColor& color, bool dotted) {
    if (image.depth() != 32)
        return;
    const QRgb rgb = color.rgb();
    const int step = dotted ? 3 : 1;
    uchar* bits = image.bits();
    const qsizetype bpl = image.bytesPerLine();
    const int x0 = cell.left(), y0 = cell.top(), x1 = cell.right(), y1 = cell.bottom();
    int k = 0;
    auto put = [&](int x, int y) {
        if (k++ % step == 0 && x >= 0 && y >= 0 && x < image.width() && y < image.height())
            reinterpret_cast<QRgb*>(bits + y * bpl)[x] = rgb;
    };
    for (int x = x0; x <= x1; ++x)
        put(x, y0);
    for (int y = y0 + 1; y <= y1; ++y)
        put(x1, y);
    if (y1 > y0)
        for (int x = x1 - 1; x >= x0; --x)
            put(x, y1);
    if (x1 > x0)
        for (int y = y1 - 1; y > y0; --y)
            put(x0, y);
}

} // namespace

BoardCanvas::BoardCanvas(const GameState& state, BasePicture& basePic, QWidget* parent)
    : QWidget(parent), state_(state), basePic_(basePic) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardCanvas::resetBoard(QSize size) {
    backing_ = QImage(size, QImage::Format_RGB32);
    backing_.fill(boardColors::background());
    resize(size);
    update();
}

QRect BoardCanvas::cellRect(int col, int row) const {
    const int w = state_.board.pieceW;
    const int h = state_.board.pieceH;
    return QRect((col - 1) * w, (row - 1) * h, w, h);
}

void BoardCanvas::paintCell(int col, int row) {
    const QRect cell = cellRect(col, row);
    if (cell.isEmpty() || !CellGrid::inRange(col, row))
        return;
    const GridPos home = state_.pieceAt(col, row);
    copyRect(backing_, cell.topLeft(), basePic_.picture(),
             QRect((home.x - 1) * cell.width(), (home.y - 1) * cell.height(), cell.width(),
                   cell.height()));
    if (state_.play.showMisplaced && home != GridPos{int16_t(col), int16_t(row)})
        drawOutline(backing_, cell, boardColors::misplaced(), false);
    if (state_.play.selX != 0 && col == state_.play.selX && row == state_.play.selY)
        drawOutline(backing_, cell, boardColors::selection(), true);
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
    drawOutline(backing_, cell, boardColors::selection(), true);
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
    drawOutline(backing_, cell, fromBgr(blinkColor_), true);
    update(cell);
}

void BoardCanvas::drawMark(int col, int row, const QColor& fill) {
    const QRect cell = cellRect(col, row);
    if (cell.isEmpty())
        return;
    // The hatch is anchored at the board's corner, so neighbouring marks line up; the outline
    // then covers the cell's border pixels.
    {
        QPainter p(&backing_);
        p.fillRect(cell.adjusted(1, 1, -1, -1), QBrush(fill, Qt::DiagCrossPattern));
    }
    drawOutline(backing_, cell, boardColors::markOutline(), false);
    update(cell);
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    for (const QRect& r : event->region()) {
        const QRect inside = r & backing_.rect();
        if (!inside.isEmpty())
            p.drawImage(inside.topLeft(), backing_, inside);
    }
    for (const QRect& r : event->region() - QRegion(backing_.rect()))
        p.fillRect(r, boardColors::background());
}

void BoardCanvas::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        break;
    default:
        QWidget::mousePressEvent(event);
        return;
    }
    if (onMouseDown)
        onMouseDown(button, float(event->position().x()), float(event->position().y()));
}

} // namespace tessary

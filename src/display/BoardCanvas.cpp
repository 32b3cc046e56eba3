#include "display/BoardCanvas.h"

#include "display/BasePicture.h"
#include "display/BoardColors.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cstring>
#include <optional>

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

} // namespace

// Outlines drawn on the backing store. The painter is opened only when an outline is needed,
// so a cell without outlines costs one copy, and a full repaint opens it at most once.
class BoardCanvas::Outlines {
  public:
    explicit Outlines(QImage& image) : image_(image) {}

    // An outline over the cell's own border pixels: x..x+w-1, y..y+h-1.
    void draw(QRect cell, const QColor& color, Qt::PenStyle style,
              const QBrush& fill = Qt::NoBrush) {
        QPainter& p = painter();
        p.setPen(QPen(color, 0, style)); // width 0: a cosmetic one-pixel pen
        p.setBrush(fill);
        p.drawRect(cell.x(), cell.y(), cell.width() - 1, cell.height() - 1);
    }

  private:
    QPainter& painter() {
        if (!painter_)
            painter_.emplace(&image_);
        return *painter_;
    }

    QImage& image_;
    std::optional<QPainter> painter_;
};

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

void BoardCanvas::paintCell(int col, int row, Outlines& outlines) {
    const QRect cell = cellRect(col, row);
    if (cell.isEmpty() || !CellGrid::inRange(col, row))
        return;
    const GridPos home = state_.pieceAt(col, row);
    copyRect(backing_, cell.topLeft(), basePic_.picture(),
             QRect((home.x - 1) * cell.width(), (home.y - 1) * cell.height(), cell.width(),
                   cell.height()));
    if (state_.play.showMisplaced && home != GridPos{int16_t(col), int16_t(row)})
        outlines.draw(cell, boardColors::misplaced(), Qt::SolidLine);
    if (state_.play.selX != 0 && col == state_.play.selX && row == state_.play.selY)
        outlines.draw(cell, boardColors::selection(), Qt::DotLine);
}

void BoardCanvas::drawCell(int col, int row) {
    if (isHidden())
        show();
    Outlines outlines(backing_);
    paintCell(col, row, outlines);
    update(cellRect(col, row));
}

void BoardCanvas::drawSelectionOutline(int col, int row) {
    const QRect cell = cellRect(col, row);
    if (cell.isEmpty())
        return;
    Outlines(backing_).draw(cell, boardColors::selection(), Qt::DotLine);
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
    Outlines outlines(backing_);
    for (int c = 1; c <= across; ++c)
        for (int r = 1; r <= down; ++r)
            paintCell(c, r, outlines);
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
    Outlines(backing_).draw(cell, fromBgr(blinkColor_), Qt::DotLine);
    update(cell);
}

void BoardCanvas::drawMark(int col, int row, const QColor& fill) {
    const QRect cell = cellRect(col, row);
    if (cell.isEmpty())
        return;
    // The hatch is anchored at the board's corner, so neighbouring marks line up.
    Outlines(backing_).draw(cell, boardColors::markOutline(), Qt::SolidLine,
                            QBrush(fill, Qt::DiagCrossPattern));
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

#include "display/MoveBox.h"

#include "display/BoardColors.h"

#include <QPaintEvent>
#include <QPainter>

namespace tessary {

MoveBox::MoveBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void MoveBox::showPiece(const QImage& base, GridPos home, int pieceW, int pieceH, QPoint topLeft) {
    piece_ = QImage(qMax(pieceW, 0), qMax(pieceH, 0), QImage::Format_RGB32);
    // A tile wider than the picture's edge shows background there.
    piece_.fill(boardColors::background());
    const QRect from((home.x - 1) * pieceW, (home.y - 1) * pieceH, pieceW, pieceH);
    const QRect inside = from & base.rect();
    if (!inside.isEmpty()) {
        QPainter p(&piece_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(inside.topLeft() - from.topLeft(), base, inside);
    }
    resize(piece_.size());
    move(topLeft);
    show();
    raise();
    update();
}

void MoveBox::moveNow(QPoint topLeft) {
    const QRect before = geometry();
    move(topLeft);
    if (QWidget* parent = parentWidget(); parent && isVisible())
        parent->repaint(QRegion(before) + QRegion(geometry()));
}

void MoveBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), piece_, event->rect());
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/MoveBox.h"

#include "board/BoardColors.h"
#include "pictures/DevicePixels.h"

#include <QPaintEvent>
#include <QPainter>

namespace tessary {

MoveBox::MoveBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void MoveBox::showPiece(const QImage& base, GridPos home, int pieceW, int pieceH, QPoint topLeft) {
    // The piece keeps the base's pixels (device pixels on a high-density screen).
    const double ratio = base.devicePixelRatio();
    const QSize size(qMax(pieceW, 0), qMax(pieceH, 0));
    const QRect from =
        toDevicePixels(QRect(QPoint((home.x - 1) * pieceW, (home.y - 1) * pieceH), size), ratio);
    piece_ = QImage(from.size(), QImage::Format_RGB32);
    piece_.setDevicePixelRatio(ratio);
    // A tile wider than the picture's edge shows background there.
    piece_.fill(boardColors::background());
    const QRect inside = from & base.rect();
    if (!inside.isEmpty()) {
        // Copied pixel for pixel, whatever the two images' ratios say.
        QImage plain = piece_;
        plain.setDevicePixelRatio(1.0);
        {
            QPainter p(&plain);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(QRectF(inside.topLeft() - from.topLeft(), inside.size()), base,
                        QRectF(inside));
        }
        plain.setDevicePixelRatio(ratio);
        piece_ = plain;
    }
    resize(size);
    move(topLeft);
    show();
    raise();
    update();
}

void MoveBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect shown = event->rect() & rect();
    if (!shown.isEmpty())
        p.drawImage(QRectF(shown), piece_,
                    QRectF(toDevicePixels(shown, piece_.devicePixelRatio()) & piece_.rect()));
}

} // namespace tessary

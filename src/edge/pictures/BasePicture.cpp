// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/BasePicture.h"

#include "pictures/DevicePixels.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tessary {

BasePicture::BasePicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void BasePicture::setPicture(const QImage& picture) {
    picture_ = picture;
    size_ = picture_.deviceIndependentSize().toSize();
    resize(size_);
    update();
}

void BasePicture::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), palette().window());
    const QRect shown = event->rect() & QRect(QPoint(), size_);
    if (!shown.isEmpty())
        p.drawImage(QRectF(shown), picture_,
                    QRectF(toDevicePixels(shown, picture_.devicePixelRatio())));
}

// A click is a press and a release on the picture, with any button.
void BasePicture::mousePressEvent(QMouseEvent*) {
    pressed_ = true;
}

void BasePicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (!click)
        return;
    hide();
    if (onClick)
        onClick();
}

} // namespace tessary

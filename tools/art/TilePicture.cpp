// SPDX-License-Identifier: GPL-3.0-or-later
#include "TilePicture.h"

#include "Canvas.h"

namespace tessary::art {

namespace {

QPainterPath rect(double x, double y, double w, double h) {
    QPainterPath p;
    p.addRect(x, y, w, h);
    return p;
}

QPainterPath ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

} // namespace

void drawTilePicture(Canvas& c) {
    const double s = kTilePictureSize;
    c.fill(rect(0, 0, s, s), Paint::linear({0, 0}, {0, 150},
                                           {{0.0, QColor(0x35, 0x2a, 0x80)},
                                            {0.45, QColor(0xb8, 0x45, 0x7e)},
                                            {0.8, QColor(0xff, 0x8a, 0x4c)},
                                            {1.0, QColor(0xff, 0xc1, 0x5e)}}));
    // Streaks of pink cloud in the top left.
    c.fill(ellipse(48, 34, 40, 6), Paint::solid(QColor(0xf7, 0x9c, 0xc0, 200)));
    c.fill(ellipse(80, 50, 34, 5), Paint::solid(QColor(0xf7, 0xb0, 0xc8, 170)));
    c.fill(ellipse(30, 62, 26, 4), Paint::solid(QColor(0xff, 0xb8, 0x9c, 160)));
    // The sun and its glow.
    c.fill(ellipse(176, 46, 34, 34), Paint::solid(QColor(0xff, 0xe0, 0x8a, 90)));
    c.fill(ellipse(176, 46, 22, 22),
           Paint::linear({176, 24}, {176, 68},
                         {{0.0, QColor(0xff, 0xf6, 0xc0)}, {1.0, QColor(0xff, 0xc8, 0x3c)}}));
    // Far purple hills, near green hills.
    QPainterPath far;
    far.moveTo(0, 128);
    far.quadTo(40, 98, 84, 120);
    far.quadTo(124, 142, 164, 114);
    far.quadTo(192, 98, s, 110);
    far.lineTo(s, s);
    far.lineTo(0, s);
    far.closeSubpath();
    c.fill(far, Paint::linear({0, 100}, {0, 170},
                              {{0.0, QColor(0x8e, 0x4f, 0xa8)}, {1.0, QColor(0x5a, 0x2f, 0x7a)}}));
    QPainterPath near;
    near.moveTo(0, 150);
    near.quadTo(56, 118, 112, 154);
    near.quadTo(150, 176, s, 146);
    near.lineTo(s, s);
    near.lineTo(0, s);
    near.closeSubpath();
    c.fill(near, Paint::linear({0, 130}, {0, 190},
                               {{0.0, QColor(0x4c, 0xc0, 0x62)}, {1.0, QColor(0x1f, 0x7a, 0x48)}}));
    // A round tree on the left of the near hill.
    c.fill(rect(40, 120, 6, 22), Paint::solid(QColor(0x4a, 0x2c, 0x1c)));
    c.fill(ellipse(43, 118, 17, 17), Paint::solid(QColor(0x1c, 0x6a, 0x3a)));
    c.fill(ellipse(38, 113, 8, 7), Paint::solid(QColor(0x3a, 0x9a, 0x52)));
    // The lake with the sun's glints on it.
    c.fill(rect(0, 180, s, s - 180),
           Paint::linear({0, 180}, {0, s},
                         {{0.0, QColor(0x5c, 0x9c, 0xe8)}, {1.0, QColor(0x26, 0x4a, 0x9a)}}));
    c.fill(rect(158, 186, 36, 4), Paint::solid(QColor(0xff, 0xe0, 0x6a)));
    c.fill(rect(150, 196, 52, 4), Paint::solid(QColor(0xff, 0xd0, 0x5a)));
    c.fill(rect(164, 206, 24, 4), Paint::solid(QColor(0xff, 0xe0, 0x6a)));
}

} // namespace tessary::art

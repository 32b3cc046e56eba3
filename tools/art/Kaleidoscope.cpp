// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colour.h"
#include "Finish.h"
#include "Noise.h"
#include "Scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace tessary::art {

namespace {

const QColor kGoldLine = qcolor(0xf3c95b);

// A petal pointing up from radius r0 to r1, `width` pixels across at its widest.
QPainterPath petal(double r0, double r1, double width, double pointed) {
    const double len = r1 - r0;
    QPainterPath path;
    path.moveTo(0, -r0);
    path.cubicTo(-width * 0.75, -r0 - len * 0.2, -width * (0.55 - 0.45 * pointed), -r0 - len * 0.85,
                 0, -r1);
    path.cubicTo(width * (0.55 - 0.45 * pointed), -r0 - len * 0.85, width * 0.75, -r0 - len * 0.2,
                 0, -r0);
    path.closeSubpath();
    return path;
}

// Colour of the piece at angle `a` (degrees, clockwise from the top) in a ring whose colours
// turn once around the wheel starting at `hue`.
QColor wheel(double hue, double a, double s, double v) {
    return qcolor(hsv(hue + a, s, v));
}

// Repeats `draw` n times around the centre, handing it the angle of each copy.
void around(QPainter& p, int n, double offset, const std::function<void(double)>& draw) {
    for (int i = 0; i < n; ++i) {
        const double a = offset + i * 360.0 / n;
        p.save();
        p.rotate(a);
        draw(a);
        p.restore();
    }
}

void petalRing(QPainter& p, int n, double offset, double r0, double r1, double width,
               double pointed, double hue, double s, bool inner) {
    const QPainterPath shape = petal(r0, r1, width, pointed);
    const QPainterPath core =
        petal(r0 + (r1 - r0) * 0.22, r1 - (r1 - r0) * 0.18, width * 0.45, pointed);
    around(p, n, offset, [&](double a) {
        QRadialGradient g(0, 0, r1);
        g.setColorAt(r0 / r1, wheel(hue, a, s, 0.45));
        g.setColorAt(1.0, wheel(hue, a, s * 0.8, 1.0));
        p.setBrush(g);
        p.setPen(QPen(kGoldLine, 1.6));
        p.drawPath(shape);
        if (inner) {
            p.setPen(Qt::NoPen);
            p.setBrush(wheel(hue + 160, a, s, 0.95));
            p.drawPath(core);
        }
    });
}

void dotRing(QPainter& p, int n, double offset, double r, double size, const QColor& fill) {
    p.setPen(QPen(kGoldLine, 1.0));
    p.setBrush(fill);
    around(p, n, offset, [&](double) { p.drawEllipse(QPointF(0, -r), size, size); });
}

void band(QPainter& p, double r, double width, const QColor& c) {
    p.setPen(QPen(c, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r, r);
}

// A dark disc whose colour turns around the wheel too, so no part of it is flat.
void disc(QPainter& p, double r, double hue, double v = 0.2) {
    QConicalGradient g(0, 0, 90);
    for (int k = 0; k <= 12; ++k) {
        g.setColorAt(k / 12.0, qcolor(hsv(hue - 30 * k, 0.75, v)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), r, r);
    // Faint rings, like the grooves of a turned plate.
    p.setBrush(Qt::NoBrush);
    for (double rr = r - 6; rr > r * 0.55; rr -= 7) {
        p.setPen(QPen(QColor(255, 255, 255, 14), 1.5));
        p.drawEllipse(QPointF(0, 0), rr, rr);
    }
}

// The rosette: rings of petals, beads and bands from the rim inwards.
void rosette(QPainter& p, double scale, double hueShift) {
    p.save();
    p.scale(scale, scale);
    const double h0 = hueShift;
    disc(p, 345, h0 + 250, 0.22);
    petalRing(p, 24, 7.5, 250, 318, 40, 0.6, h0 + 180, 0.6, false);
    petalRing(p, 24, 0, 250, 345, 46, 1.0, h0 + 0, 0.8, true);
    dotRing(p, 24, 7.5, 328, 4, qcolor(0xfff6e0));
    disc(p, 262, h0 + 200, 0.25);
    band(p, 262, 5, kGoldLine);
    dotRing(p, 48, 3.75, 262, 3.2, qcolor(0xfff6e0));
    petalRing(p, 24, 0, 200, 250, 26, 0.8, h0 + 300, 0.6, false);
    petalRing(p, 24, 7.5, 196, 258, 38, 0.0, h0 + 120, 0.75, true);
    disc(p, 200, h0 + 20, 0.16);
    // A zigzag band of triangles in two turning colours.
    around(p, 48, 0, [&](double a) {
        QPainterPath tri;
        tri.moveTo(0, -198);
        tri.lineTo(-11.5, -178);
        tri.lineTo(11.5, -178);
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(wheel(h0 + 240, a, 0.85, 0.95));
        p.drawPath(tri);
    });
    band(p, 177, 3, kGoldLine);
    disc(p, 176, h0 + 120, 0.24);
    // Teardrops with a bead in each, and darker leaves between them.
    petalRing(p, 16, 0, 118, 166, 30, 1.0, h0 + 240, 0.55, false);
    petalRing(p, 16, 11.25, 112, 174, 46, 0.3, h0 + 60, 0.85, false);
    dotRing(p, 16, 11.25, 150, 6, qcolor(0xfff2c4));
    dotRing(p, 32, 0, 116, 4.5, qcolor(0xf06292));
    disc(p, 110, h0 + 300, 0.26);
    band(p, 110, 3, kGoldLine);
    petalRing(p, 12, 15, 48, 108, 30, 0.8, h0 + 200, 0.8, true);
    petalRing(p, 12, 0, 44, 92, 22, 1.0, h0 + 300, 0.7, false);
    // The eight-pointed star and the golden eye.
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double r = i % 2 ? 24 : 48;
        const QPointF pt(std::sin(a) * r, -std::cos(a) * r);
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    QRadialGradient g(0, 0, 48);
    g.setColorAt(0, qcolor(0xfff3b0));
    g.setColorAt(1, qcolor(0xe07a1f));
    p.setBrush(g);
    p.setPen(QPen(qcolor(0x7a2e0e), 1.5));
    p.drawPath(star);
    QRadialGradient eye(-6, -6, 22);
    eye.setColorAt(0, qcolor(0xffffff));
    eye.setColorAt(0.4, qcolor(0x4fc3f7));
    eye.setColorAt(1, qcolor(0x0d3b66));
    p.setBrush(eye);
    p.setPen(QPen(kGoldLine, 2));
    p.drawEllipse(QPointF(0, 0), 20, 20);
    p.restore();
}

} // namespace

QImage paintKaleidoscope(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    const double w = width;
    const double h = height;
    const Noise noise(401);
    // Ground: a lattice of diamonds and stars whose colour drifts from corner to corner.
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double drift = (x / w * 0.6 + y / h * 0.4);
            const double hue = 190 + 150 * drift + 20 * noise.fbm(x / 150.0, y / 150.0, 3);
            const double u = std::fmod(x + 1000.0, 40.0) - 20;
            const double v = std::fmod(y + 1000.0, 40.0) - 20;
            const double diamond = std::fabs(u) + std::fabs(v);
            const double square = std::max(std::fabs(u), std::fabs(v));
            Rgb c = hsv(hue, 0.7, 0.22 + 0.06 * noise.at(x / 40.0, y / 40.0));
            const double outline = 1 - smoothstep(0.6, 1.6, std::fabs(diamond - 14));
            const double inner = 1 - smoothstep(4.5, 5.5, square);
            const double corner =
                1 - smoothstep(2.5, 3.5, std::hypot(std::fabs(u) - 20, std::fabs(v) - 20));
            c = mix(c, hsv(hue + 30, 0.55, 0.6), outline);
            c = mix(c, hsv(hue - 40, 0.8, 0.75), inner);
            c = mix(c, hex(0xf3c95b), corner);
            line[x] = toQRgb(c);
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Four quarter rosettes in the corners, each in its own colours.
    const QPointF corners[] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    const double cornerHue[] = {30, 140, 280, 200};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(corners[i]);
        disc(p, 150, cornerHue[i] + 90, 0.2);
        band(p, 150, 3, kGoldLine);
        petalRing(p, 20, 4.5, 40, 145, 30, 1.0, cornerHue[i], 0.8, true);
        dotRing(p, 20, 4.5 + 9, 110, 4, qcolor(0xfff6e0));
        disc(p, 45, cornerHue[i] + 200, 0.25);
        petalRing(p, 10, 0, 8, 44, 12, 0.5, cornerHue[i] + 180, 0.7, false);
        p.restore();
    }
    p.translate(w / 2, h / 2);
    // A soft dark halo lifts the rosette off the ground.
    QRadialGradient halo(0, 0, w * 0.5);
    halo.setColorAt(0.85, QColor(0, 0, 0, 90));
    halo.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(0, 0), w * 0.5, w * 0.5);
    rosette(p, std::min(w, h) / 720.0 * 0.98, 0);
    p.end();
    grain(img, 402, 0.02);
    return img;
}

} // namespace tessary::art

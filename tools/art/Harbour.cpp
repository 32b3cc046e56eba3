// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colour.h"
#include "Finish.h"
#include "Noise.h"
#include "Rng.h"
#include "Scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessary::art {

namespace {

const Rgb kWalls[] = {hex(0xe9c46a), hex(0xf4a261), hex(0xe76f51), hex(0xeee8dc),
                      hex(0x9cc77a), hex(0x83c5be), hex(0xf28482), hex(0x8ecae6),
                      hex(0xffd166), hex(0xc44536), hex(0xc9a0b0), hex(0xf1e3b8)};
const Rgb kRoofs[] = {hex(0x8c3b2e), hex(0x6b3f35), hex(0x4a5866), hex(0xa34a32), hex(0x5b4a44)};

// Mixes a colour towards the pale air, for things further away.
QColor hazed(Rgb c, double haze) {
    return qcolor(mix(c, hex(0xc6dcea), haze));
}

void drawHouse(QPainter& p, Rng& rng, double x, double base, double w, double h, double haze,
               bool door) {
    const Rgb wall = kWalls[rng.below(12)];
    const Rgb roof = kRoofs[rng.below(5)];
    p.setPen(Qt::NoPen);
    p.setBrush(hazed(wall, haze));
    p.drawRect(QRectF(x, base - h, w, h));
    // Shaded side wall gives the houses some depth.
    p.setBrush(hazed(wall * 0.78, haze));
    p.drawRect(QRectF(x + w * 0.86, base - h, w * 0.14, h));
    const int style = rng.below(3);
    p.setBrush(hazed(roof, haze));
    if (style == 0) { // gable facing us
        p.drawPolygon(QPolygonF{QPointF(x - w * 0.06, base - h),
                                QPointF(x + w * 0.5, base - h - w * 0.45),
                                QPointF(x + w * 1.06, base - h)});
    } else if (style == 1) { // roof seen from the long side
        p.drawPolygon(
            QPolygonF{QPointF(x - w * 0.05, base - h), QPointF(x + w * 0.12, base - h - w * 0.3),
                      QPointF(x + w * 0.88, base - h - w * 0.3), QPointF(x + w * 1.05, base - h)});
    } else { // flat roof with a parapet
        p.drawRect(QRectF(x - w * 0.03, base - h - w * 0.07, w * 1.06, w * 0.09));
    }
    if (rng.chance(0.5)) { // chimney
        p.drawRect(QRectF(x + w * rng.range(0.15, 0.7), base - h - w * 0.4, w * 0.1, w * 0.25));
    }
    // Windows, floor by floor, with frames and the odd pair of shutters.
    const int floors = std::max(1, static_cast<int>(h / (w * 0.42)));
    const int cols = w > 40 ? 3 : 2;
    const double ww = w / (cols * 2.2);
    const double wh = std::min(h / floors * 0.45, ww * 1.5);
    const Rgb shutter = rng.chance(0.5) ? hex(0x2f6f4f) : hex(0x3a5a8c);
    const bool shutters = rng.chance(0.4) && w > 30;
    for (int f = 0; f < floors; ++f) {
        const double wy = base - h + (f + 0.3) * h / floors;
        if (door && f == floors - 1) {
            p.setBrush(hazed(hex(0x5a3a28), haze));
            p.drawRect(QRectF(x + w * 0.38, base - wh * 1.6, w * 0.2, wh * 1.6));
            continue;
        }
        for (int c = 0; c < cols; ++c) {
            const double wx = x + w * 0.43 / cols * 0.6 + c * (w * 0.86 / cols);
            if (shutters) {
                p.setBrush(hazed(shutter, haze));
                p.drawRect(QRectF(wx - ww * 0.35, wy, ww * 0.3, wh));
                p.drawRect(QRectF(wx + ww * 1.05, wy, ww * 0.3, wh));
            }
            p.setBrush(hazed(hex(0xf8f4ea), haze));
            p.drawRect(QRectF(wx - 1, wy - 1, ww + 2, wh + 2));
            p.setBrush(hazed(rng.chance(0.8) ? hex(0x2c3e50) : hex(0x5d7d9a), haze));
            p.drawRect(QRectF(wx, wy, ww, wh));
            p.setBrush(hazed(hex(0x9fc3dd), haze));
            p.drawRect(QRectF(wx, wy, ww * 0.4, wh * 0.35));
        }
    }
}

void drawTree(QPainter& p, Rng& rng, double x, double base, double s, double haze) {
    p.setPen(Qt::NoPen);
    p.setBrush(hazed(hex(0x5a4030), haze));
    p.drawRect(QRectF(x - s * 0.06, base - s * 0.5, s * 0.12, s * 0.5));
    for (int i = 0; i < 9; ++i) {
        const Rgb leaf = mix(hex(0x2f6b2f), hex(0x5f9e3c), rng.uniform());
        p.setBrush(hazed(leaf, haze));
        p.drawEllipse(QPointF(x + rng.range(-0.3, 0.3) * s, base - s * rng.range(0.6, 1.0)),
                      s * rng.range(0.18, 0.3), s * rng.range(0.16, 0.26));
    }
}

void drawChurch(QPainter& p, double x, double base, double s, double haze) {
    p.setPen(Qt::NoPen);
    p.setBrush(hazed(hex(0xf0e6d2), haze));
    p.drawRect(QRectF(x, base - s * 2.4, s * 0.6, s * 2.4));
    p.setBrush(hazed(hex(0xd8ccb4), haze));
    p.drawRect(QRectF(x + s * 0.48, base - s * 2.4, s * 0.12, s * 2.4));
    p.setBrush(hazed(hex(0x3d6e6e), haze)); // copper spire
    p.drawPolygon(QPolygonF{QPointF(x - s * 0.04, base - s * 2.4),
                            QPointF(x + s * 0.3, base - s * 3.5),
                            QPointF(x + s * 0.64, base - s * 2.4)});
    p.setBrush(hazed(hex(0x2c3e50), haze));
    p.drawEllipse(QPointF(x + s * 0.3, base - s * 2.05), s * 0.13, s * 0.13); // clock
    p.setBrush(hazed(hex(0xf6d365), haze));
    p.drawEllipse(QPointF(x + s * 0.3, base - s * 2.05), s * 0.09, s * 0.09);
    p.setBrush(hazed(hex(0x2c3e50), haze));
    p.drawRect(QRectF(x + s * 0.2, base - s * 1.6, s * 0.2, s * 0.4)); // belfry
    p.setPen(QPen(hazed(hex(0xc9a227), haze), std::max(1.0, s * 0.03)));
    p.drawLine(QPointF(x + s * 0.3, base - s * 3.5), QPointF(x + s * 0.3, base - s * 3.75));
    p.drawLine(QPointF(x + s * 0.22, base - s * 3.65), QPointF(x + s * 0.38, base - s * 3.65));
}

void drawLighthouse(QPainter& p, double x, double base, double s) {
    p.setPen(Qt::NoPen);
    const double h = s * 4.2;
    for (int band = 0; band < 6; ++band) {
        const double y0 = base - h * (band + 1) / 6.0;
        const double t0 = (band + 1) / 6.0;
        const double t1 = band / 6.0;
        const double w0 = s * (0.75 - 0.25 * t0);
        const double w1 = s * (0.75 - 0.25 * t1);
        p.setBrush(qcolor(band % 2 ? hex(0xf4f1ea) : hex(0xc8242b)));
        p.drawPolygon(QPolygonF{QPointF(x - w1 / 2, y0 + h / 6.0), QPointF(x - w0 / 2, y0),
                                QPointF(x + w0 / 2, y0), QPointF(x + w1 / 2, y0 + h / 6.0)});
    }
    // Shade on the right side of the tower.
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPolygon(QPolygonF{QPointF(x + s * 0.12, base), QPointF(x + s * 0.08, base - h),
                            QPointF(x + s * 0.25, base - h), QPointF(x + s * 0.375, base)});
    p.setBrush(qcolor(0x2b2b2b));
    p.drawRect(QRectF(x - s * 0.36, base - h - s * 0.08, s * 0.72, s * 0.1));
    p.setBrush(qcolor(0xfff2b0));
    p.drawRect(QRectF(x - s * 0.2, base - h - s * 0.5, s * 0.4, s * 0.42));
    p.setPen(QPen(qcolor(0x2b2b2b), s * 0.04));
    p.drawLine(QPointF(x, base - h - s * 0.5), QPointF(x, base - h - s * 0.08));
    p.setPen(Qt::NoPen);
    p.setBrush(qcolor(0xb01e24));
    p.drawPolygon(QPolygonF{QPointF(x - s * 0.3, base - h - s * 0.5),
                            QPointF(x, base - h - s * 0.85),
                            QPointF(x + s * 0.3, base - h - s * 0.5)});
}

struct Boat {
    double x;     // middle of the hull
    double water; // waterline
    double scale; // hull length in pixels / 200
    int kind;     // 0 fishing boat, 1 sailing boat, 2 rowing boat, 3 launch
    bool facingLeft;
    Rgb hull;
    Rgb trim;
    Rgb cabin;
    int number; // painted on the bow
};

// Digits in seven strokes, the way boat numbers are painted on.
void drawDigits(QPainter& p, double x, double y, double h, int number) {
    static const int segments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const QString text = QString::number(number);
    const double w = h * 0.5;
    for (int i = 0; i < text.size(); ++i) {
        const int bits = segments[text[i].digitValue()];
        const double x0 = x + i * w * 1.6;
        const QPointF a(x0, y), b(x0 + w, y), c(x0, y + h / 2), d(x0 + w, y + h / 2), e(x0, y + h),
            f(x0 + w, y + h);
        const QLineF lines[7] = {{a, b}, {b, d}, {d, f}, {e, f}, {c, e}, {a, c}, {c, d}};
        for (int s = 0; s < 7; ++s) {
            if (bits & (1 << s)) {
                p.drawLine(lines[s]);
            }
        }
    }
}

// Draws a boat with its waterline at y = 0 and its hull 200 units long.
void paintBoat(QPainter& p, const Boat& b) {
    p.setPen(Qt::NoPen);
    const double L = 100;
    const double H = b.kind == 2 ? 22 : 34;
    QPainterPath hull;
    hull.moveTo(-L, -H);
    hull.lineTo(L * 0.75, -H * 1.25);
    hull.quadTo(L * 1.02, -H * 1.35, L * 1.08, -H * 1.4);
    hull.quadTo(L * 0.95, -H * 0.3, L * 0.55, 2);
    hull.lineTo(-L * 0.85, 2);
    hull.quadTo(-L * 1.0, -H * 0.3, -L, -H);
    hull.closeSubpath();
    p.setBrush(qcolor(b.hull));
    p.drawPath(hull);
    p.save();
    p.setClipPath(hull);
    // Boot stripe at the waterline, trim stripe under the gunwale, shading below.
    p.setBrush(qcolor(b.trim));
    p.drawRect(QRectF(-L * 1.2, -H * 1.5, L * 2.4, H * 0.62));
    p.setBrush(qcolor(b.hull));
    p.drawRect(QRectF(-L * 1.2, -H * 1.02, L * 2.4, H * 0.12 + 100));
    p.setBrush(qcolor(0x7a1e1e));
    p.drawRect(QRectF(-L * 1.2, -H * 0.18, L * 2.4, H));
    QLinearGradient shade(0, -H * 1.3, 0, 2);
    shade.setColorAt(0, QColor(255, 255, 255, 40));
    shade.setColorAt(0.5, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 90));
    p.setBrush(shade);
    p.drawRect(QRectF(-L * 1.2, -H * 1.5, L * 2.4, H * 1.6));
    p.restore();
    p.setPen(QPen(qcolor(b.hull * 0.55), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(-L, -H), QPointF(L * 0.75, -H * 1.25));
    p.setPen(Qt::NoPen);
    if (b.kind == 0 || b.kind == 3) {
        // Portholes and a number on the bow.
        p.setBrush(qcolor(0xdde6ea));
        for (int i = 0; i < 3; ++i) {
            p.drawEllipse(QPointF(-L * 0.35 + i * 22, -H * 0.62), 4, 4);
        }
        p.setBrush(qcolor(0x22303a));
        for (int i = 0; i < 3; ++i) {
            p.drawEllipse(QPointF(-L * 0.35 + i * 22, -H * 0.62), 2.6, 2.6);
        }
        p.setPen(QPen(qcolor(0xf4f4f4), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.save();
        // The number reads the right way round whichever way the boat faces.
        const double nx = L * 0.38;
        const double nw = 28;
        p.translate(nx + nw / 2, 0);
        if (b.facingLeft) {
            p.scale(-1, 1);
        }
        drawDigits(p, -nw / 2, -H * 0.85, H * 0.48, b.number);
        p.restore();
        p.setPen(Qt::NoPen);
    }
    const double deck = -H * 1.1;
    if (b.kind == 0) {
        // Wheelhouse aft, mast forward, a net drum and a flag.
        p.setBrush(qcolor(b.cabin));
        p.drawRect(QRectF(-L * 0.75, deck - 48, 58, 50));
        p.setBrush(qcolor(b.trim));
        p.drawRect(QRectF(-L * 0.8, deck - 54, 68, 8));
        p.setBrush(qcolor(0x2a3b4c));
        p.drawRect(QRectF(-L * 0.7, deck - 38, 14, 14));
        p.drawRect(QRectF(-L * 0.7 + 20, deck - 38, 14, 14));
        p.setBrush(qcolor(0x9ec9e0));
        p.drawRect(QRectF(-L * 0.7, deck - 38, 6, 5));
        p.drawRect(QRectF(-L * 0.7 + 20, deck - 38, 6, 5));
        p.setBrush(qcolor(0x3c3c3c));
        p.drawRect(QRectF(-L * 0.55, deck - 70, 7, 18));
        p.setPen(QPen(qcolor(0x4a3a2a), 4));
        p.drawLine(QPointF(L * 0.25, deck), QPointF(L * 0.25, deck - 120));
        p.setPen(QPen(qcolor(0x4a3a2a), 3));
        p.drawLine(QPointF(L * 0.25, deck - 95), QPointF(L * 0.65, deck - 30));
        p.setPen(QPen(qcolor(0x333333), 1.2));
        p.drawLine(QPointF(L * 0.25, deck - 118), QPointF(L * 1.05, -H * 1.38));
        p.drawLine(QPointF(L * 0.25, deck - 118), QPointF(-L * 0.4, deck - 54));
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(0xe63946));
        p.drawPolygon(QPolygonF{QPointF(L * 0.25, deck - 120), QPointF(L * 0.25 - 26, deck - 114),
                                QPointF(L * 0.25, deck - 108)});
        p.setBrush(qcolor(0xe9a23b));
        p.drawEllipse(QPointF(L * 0.05, deck - 10), 14, 12);
        p.setBrush(qcolor(0x2a9d8f));
        p.drawEllipse(QPointF(L * 0.05, deck - 10), 8, 7);
    } else if (b.kind == 1) {
        // A tall mast with the sail furled along the boom, and a low cabin.
        p.setBrush(qcolor(b.cabin));
        QPainterPath cabin;
        cabin.moveTo(-L * 0.45, deck);
        cabin.lineTo(-L * 0.38, deck - 18);
        cabin.lineTo(L * 0.2, deck - 18);
        cabin.lineTo(L * 0.3, deck);
        cabin.closeSubpath();
        p.drawPath(cabin);
        p.setBrush(qcolor(0x2a3b4c));
        for (int i = 0; i < 3; ++i) {
            p.drawRect(QRectF(-L * 0.3 + i * 22, deck - 13, 12, 6));
        }
        p.setPen(QPen(qcolor(0xd9d9d9), 4));
        p.drawLine(QPointF(-L * 0.05, deck - 18), QPointF(-L * 0.05, deck - 230));
        p.setPen(QPen(qcolor(0xbdbdbd), 3));
        p.drawLine(QPointF(-L * 0.05, deck - 34), QPointF(-L * 0.85, deck - 30));
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(b.trim));
        QPainterPath sail;
        sail.moveTo(-L * 0.05, deck - 44);
        sail.quadTo(-L * 0.45, deck - 50, -L * 0.82, deck - 38);
        sail.lineTo(-L * 0.82, deck - 30);
        sail.lineTo(-L * 0.05, deck - 32);
        sail.closeSubpath();
        p.drawPath(sail);
        p.setPen(QPen(qcolor(0x555555), 1.1));
        p.drawLine(QPointF(-L * 0.05, deck - 228), QPointF(L * 1.06, -H * 1.38));
        p.drawLine(QPointF(-L * 0.05, deck - 228), QPointF(-L * 0.98, -H * 1.02));
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(0xf4d35e));
        p.drawPolygon(QPolygonF{QPointF(-L * 0.05, deck - 230), QPointF(-L * 0.05 + 20, deck - 225),
                                QPointF(-L * 0.05, deck - 220)});
    } else if (b.kind == 2) {
        // Oars resting across the rowing boat.
        p.setPen(QPen(qcolor(0xc49a6c), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-L * 0.6, deck - 6), QPointF(L * 0.5, deck - 14));
        p.setPen(QPen(qcolor(0xa57a4e), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-L * 0.3, deck - 2), QPointF(L * 0.7, deck - 8));
        p.setPen(Qt::NoPen);
    } else {
        // A launch with a long cabin, windscreen and a canopy.
        p.setBrush(qcolor(b.cabin));
        p.drawRect(QRectF(-L * 0.6, deck - 30, L * 1.0, 32));
        p.setBrush(qcolor(0x2a3b4c));
        for (int i = 0; i < 4; ++i) {
            p.drawRect(QRectF(-L * 0.55 + i * 24, deck - 24, 16, 10));
        }
        p.setBrush(qcolor(b.trim));
        p.drawRect(QRectF(-L * 0.65, deck - 36, L * 1.1, 7));
        p.setPen(QPen(qcolor(0xcccccc), 2.5));
        p.drawLine(QPointF(-L * 0.1, deck - 36), QPointF(-L * 0.1, deck - 70));
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(0x1d3557));
        p.drawRect(QRectF(-L * 0.1, deck - 70, 22, 12));
        p.setBrush(qcolor(0xf1faee));
        p.drawRect(QRectF(-L * 0.1 + 7, deck - 70, 8, 12));
    }
    // A fender or two hanging over the side.
    if (b.kind != 2) {
        p.setBrush(qcolor(0xf2f2f2));
        p.drawRoundedRect(QRectF(-L * 0.2, -H * 0.95, 8, 18), 4, 4);
        p.setBrush(qcolor(0x2a6f97));
        p.drawRoundedRect(QRectF(L * 0.08, -H * 1.05, 8, 18), 4, 4);
    }
}

// Paints a floating thing and its broken reflection into the water below it.
void floatWithReflection(QImage& img, const QImage& sprite, int left, int water, int spriteWater,
                         const Noise& waves, Rgb waterTint) {
    {
        QPainter p(&img);
        p.drawImage(left, water - spriteWater, sprite);
    }
    const int depth = std::min(spriteWater, img.height() - water);
    for (int r = 0; r < depth; ++r) {
        const int y = water + r;
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const int srcY = spriteWater - 1 - static_cast<int>(r * 1.05);
        if (srcY < 0) {
            break;
        }
        const double fade = 0.55 * (1.0 - static_cast<double>(r) / depth);
        const auto* src = reinterpret_cast<const QRgb*>(sprite.constScanLine(srcY));
        for (int sx = 0; sx < sprite.width(); ++sx) {
            const double wob = waves.at((left + sx) / 60.0, y / 5.0) * (2 + r * 0.12);
            const int from = std::clamp(static_cast<int>(sx + wob), 0, sprite.width() - 1);
            const QRgb s = src[from];
            const int x = left + sx;
            if (qAlpha(s) == 0 || x < 0 || x >= img.width()) {
                continue;
            }
            // Ripples break the reflection into bands.
            const double band = 0.6 + 0.4 * smoothstep(-0.3, 0.3, std::sin(y * 0.9 + wob));
            const double a = qAlpha(s) / 255.0 * fade * band;
            const Rgb sc = Rgb{qRed(s) / 255.0, qGreen(s) / 255.0, qBlue(s) / 255.0} *
                           (1.0 / (qAlpha(s) / 255.0));
            line[x] = toQRgb(mix(fromQRgb(line[x]), mix(sc, waterTint, 0.35), a));
        }
    }
}

} // namespace

QImage paintHarbour(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    const double w = width;
    const double h = height;
    const Noise clouds(301);
    const Noise land(302);
    const Noise waves(303);
    Rng rng(304);
    const int quayTop = static_cast<int>(h * 0.53);
    const int waterY = static_cast<int>(h * 0.585);

    // Sky with fair-weather clouds, lit from the upper left.
    for (int y = 0; y < quayTop; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const Rgb sky = ramp({{0.0, hex(0x3d85c6)}, {0.6, hex(0x8cc3ea)}, {1.0, hex(0xd3ebf7)}},
                             y / (h * 0.45));
        for (int x = 0; x < width; ++x) {
            const double fall = smoothstep(h * 0.05, h * 0.38, y);
            const double n = clouds.fbm(x / 240.0, y / 110.0, 6) + 0.35 - fall * 0.55;
            const double nUp = clouds.fbm((x - 6) / 240.0, (y - 6) / 110.0, 6) + 0.35 - fall * 0.55;
            const double dens = smoothstep(0.05, 0.4, n);
            const double lit = clamp01(0.65 + (nUp - n) * -4.0);
            const Rgb cloud = mix(hex(0x9fb3c8), hex(0xffffff), lit);
            line[x] = toQRgb(mix(sky, cloud, dens));
        }
    }
    // Two ranges of green hills behind the town.
    for (int range = 0; range < 2; ++range) {
        const Rgb col = range == 0 ? hex(0x88ad9c) : hex(0x5f9150);
        for (int x = 0; x < width; ++x) {
            const double ridge =
                h * (range == 0 ? 0.30 : 0.36) -
                h * 0.07 *
                    (0.5 + 0.6 * land.fbm(x / (range == 0 ? 260.0 : 200.0), range * 5.0, 5)) -
                (range == 1 ? h * 0.06 * (x / w) : 0.0);
            for (int y = std::max(0, static_cast<int>(ridge)); y < quayTop; ++y) {
                const double t = land.fbm(x / 9.0, y / 7.0 + range * 30, 3);
                Rgb c = col * (1 + 0.12 * t);
                if (range == 1) {
                    // Fields in stripes and hedges on the nearer slope.
                    const double f = land.at(x / 70.0, y / 25.0);
                    c = mix(c, f > 0.15 ? hex(0xa7b84f) : hex(0x4d7a3e), 0.35 * std::fabs(f) * 2);
                }
                const double a = clamp01(y - ridge + 1);
                QRgb* px = reinterpret_cast<QRgb*>(img.scanLine(y)) + x;
                *px = toQRgb(mix(fromQRgb(*px), c, a));
            }
        }
    }

    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        // Three rows of houses climbing the slope, the furthest the palest.
        struct Row {
            double base;
            double minW;
            double maxW;
            double haze;
        };
        const Row rows[] = {
            {h * 0.40, 22, 34, 0.35}, {h * 0.46, 28, 44, 0.18}, {quayTop + 0.0, 38, 62, 0.0}};
        int rowNo = 0;
        for (const Row& row : rows) {
            double x = -rng.range(5, 20);
            while (x < w * 0.86) {
                const double hw = rng.range(row.minW, row.maxW);
                const double hh = hw * rng.range(0.9, 1.8);
                if (rowNo == 0 && std::fabs(x - w * 0.34) < 20) {
                    drawChurch(p, x, row.base, 30, row.haze);
                    x += 22;
                    continue;
                }
                if (rowNo < 2 && rng.chance(0.22)) {
                    drawTree(p, rng, x + hw * 0.5, row.base, hw * 1.1, row.haze);
                } else {
                    drawHouse(p, rng, x, row.base, hw, hh, row.haze, rowNo == 2);
                }
                x += hw + rng.range(-4, 3);
            }
            ++rowNo;
        }
        // The quay: a stone wall with a kerb, bollards and the odd crate and barrel.
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(0xb3a58f));
        p.drawRect(QRectF(0, quayTop, w, waterY - quayTop));
        for (int course = 0; course < 4; ++course) {
            const double y0 = quayTop + 6 + course * (waterY - quayTop - 6) / 4.0;
            const double bh = (waterY - quayTop - 6) / 4.0;
            double x = course % 2 ? -18 : 0;
            while (x < w) {
                const double bw = rng.range(26, 44);
                const Rgb stone = mix(hex(0x9c8f7a), hex(0xc9bca4), rng.uniform());
                p.setBrush(qcolor(stone * (1.0 - course * 0.05)));
                p.drawRect(QRectF(x + 1, y0 + 1, bw - 2, bh - 2));
                x += bw;
            }
        }
        p.setBrush(qcolor(0xd8cfbd));
        p.drawRect(QRectF(0, quayTop, w, 6));
        // Green weed along the foot of the wall.
        p.setBrush(qcolor(0x4f6b3a));
        p.drawRect(QRectF(0, waterY - 4, w, 4));
        for (double bx = 30; bx < w * 0.85; bx += rng.range(70, 140)) {
            p.setBrush(qcolor(0x2f2f33));
            p.drawRoundedRect(QRectF(bx, quayTop - 12, 10, 14), 3, 3);
            p.drawRoundedRect(QRectF(bx - 2, quayTop - 14, 14, 5), 2, 2);
        }
        for (int i = 0; i < 5; ++i) {
            const double cx = rng.range(w * 0.05, w * 0.8);
            if (rng.chance(0.5)) {
                p.setBrush(qcolor(0x8b5a2b));
                p.drawRect(QRectF(cx, quayTop - 16, 18, 16));
                p.setBrush(qcolor(0xa8743e));
                p.drawRect(QRectF(cx + 2, quayTop - 14, 14, 4));
            } else {
                p.setBrush(qcolor(0x2e6f95));
                p.drawRoundedRect(QRectF(cx, quayTop - 20, 13, 20), 3, 3);
                p.setBrush(qcolor(0x1f4f6b));
                p.drawRect(QRectF(cx, quayTop - 14, 13, 2));
                p.drawRect(QRectF(cx, quayTop - 7, 13, 2));
            }
        }
        // Lamp posts.
        for (double lx : {w * 0.18, w * 0.52}) {
            p.setBrush(qcolor(0x243b2f));
            p.drawRect(QRectF(lx, quayTop - 62, 3, 62));
            p.drawRect(QRectF(lx - 6, quayTop - 70, 15, 9));
            p.setBrush(qcolor(0xfff1b8));
            p.drawRect(QRectF(lx - 4, quayTop - 68, 11, 5));
        }
        // The breakwater and its lighthouse at the harbour mouth.
        p.setBrush(qcolor(0x8c8577));
        p.drawPolygon(QPolygonF{QPointF(w * 0.84, quayTop - 4), QPointF(w, quayTop - 8),
                                QPointF(w, waterY), QPointF(w * 0.8, waterY)});
        p.setBrush(qcolor(0xa39b8b));
        p.drawRect(QRectF(w * 0.84, quayTop - 8, w * 0.16, 6));
        drawLighthouse(p, w * 0.92, quayTop - 6, 30);
    }

    // The water: the town mirrored and broken by the swell, deeper blue further out.
    const Rgb nearWater = hex(0x2f8aa3);
    const Rgb farWater = hex(0x164f6e);
    for (int y = waterY; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double t = static_cast<double>(y - waterY) / (height - waterY);
        const Rgb base = mix(nearWater, farWater, t);
        for (int x = 0; x < width; ++x) {
            const double wob = waves.fbm(x / 80.0, y / (4.0 + t * 10), 3) * (3 + t * 30);
            const int sy = waterY - 1 - static_cast<int>((y - waterY) * 1.0 + wob * 0.3);
            const int sx = std::clamp(static_cast<int>(x + wob), 0, width - 1);
            Rgb c = base;
            if (sy >= 0) {
                const Rgb refl = fromQRgb(img.pixel(sx, sy));
                c = mix(base, refl * 0.85, 0.55 * (1 - smoothstep(0.0, 0.9, t)));
            }
            const double sparkle = waves.at(x / (6.0 + t * 20), y / (1.2 + t * 3));
            c = c * (1 + 0.16 * sparkle);
            if (sparkle > 0.5) {
                c = mix(c, hex(0xe8f6fb), (sparkle - 0.5) * 1.2);
            }
            line[x] = toQRgb(c);
        }
    }

    // Piles, buoys and boats from the back of the harbour to the front.
    struct Float {
        double water;
        int what; // 0 pile, 1 buoy, 2 boat
        int index;
    };
    const double wy = waterY;
    std::vector<Boat> boats{
        {w * 0.16, wy + 28, 0.62, 0, false, hex(0x1d5f9e), hex(0xf1f1f1), hex(0xf4f1e6), 23},
        {w * 0.43, wy + 24, 0.55, 1, true, hex(0xf5f1e6), hex(0xc0392b), hex(0xe8d9b5), 8},
        {w * 0.70, wy + 34, 0.6, 3, true, hex(0x2a9d8f), hex(0xf6c23e), hex(0xffffff), 41},
        {w * 0.30, wy + 92, 0.85, 0, true, hex(0xc62f2f), hex(0xf4e04d), hex(0xf4f1e6), 17},
        {w * 0.83, wy + 120, 0.9, 1, false, hex(0x264653), hex(0xf2f2f2), hex(0xd9c4a0), 5},
        {w * 0.44, wy + 178, 0.55, 2, false, hex(0xf4a261), hex(0x2a9d8f), hex(0xf4f1e6), 0},
        {w * 0.14, wy + 230, 1.15, 3, false, hex(0xf2c14e), hex(0x1d3557), hex(0xffffff), 62},
        {w * 0.62, wy + 270, 1.3, 0, false, hex(0x2f6b3a), hex(0xf1f1f1), hex(0xfdf6e3), 34},
    };
    std::vector<Float> floats;
    for (std::size_t i = 0; i < boats.size(); ++i) {
        floats.push_back({boats[i].water, 2, static_cast<int>(i)});
    }
    const double piles[] = {w * 0.05, w * 0.47, w * 0.95};
    for (int i = 0; i < 3; ++i) {
        floats.push_back({waterY + 60.0 + i * 25, 0, i});
    }
    const double buoys[][2] = {
        {w * 0.36, wy + 226.0}, {w * 0.9, waterY + 60.0}, {w * 0.05, waterY + 120.0}};
    for (int i = 0; i < 3; ++i) {
        floats.push_back({buoys[i][1], 1, i});
    }
    std::stable_sort(floats.begin(), floats.end(),
                     [](const Float& a, const Float& b) { return a.water < b.water; });
    const Rgb tint = hex(0x2a7f98);
    for (const Float& f : floats) {
        QImage sprite;
        int spriteWater = 0;
        double x = 0;
        if (f.what == 2) {
            const Boat& b = boats[f.index];
            const int sw = static_cast<int>(240 * b.scale);
            const int sh = static_cast<int>(320 * b.scale);
            sprite = QImage(sw, sh, QImage::Format_ARGB32_Premultiplied);
            sprite.fill(Qt::transparent);
            QPainter p(&sprite);
            p.setRenderHint(QPainter::Antialiasing);
            spriteWater = sh - static_cast<int>(6 * b.scale);
            p.translate(sw / 2.0, spriteWater);
            p.scale(b.facingLeft ? -b.scale : b.scale, b.scale);
            paintBoat(p, b);
            x = b.x - sw / 2.0;
        } else if (f.what == 0) {
            sprite = QImage(16, 130, QImage::Format_ARGB32_Premultiplied);
            sprite.fill(Qt::transparent);
            QPainter p(&sprite);
            p.setRenderHint(QPainter::Antialiasing);
            spriteWater = 126;
            const double top = 126 - (50 + f.index * 14);
            QLinearGradient g(2, 0, 14, 0);
            g.setColorAt(0, qcolor(0x6b4a2e));
            g.setColorAt(0.4, qcolor(0x9a7048));
            g.setColorAt(1, qcolor(0x4a321f));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRect(QRectF(2, top, 12, 126 - top + 2));
            p.setBrush(qcolor(0x3f5f3a));
            p.drawRect(QRectF(2, 118, 12, 10));
            // A gull resting on top.
            p.setBrush(qcolor(0xfafafa));
            p.drawEllipse(QPointF(8, top - 6), 7, 5);
            p.drawEllipse(QPointF(11, top - 11), 3.5, 3.5);
            p.setBrush(qcolor(0x7d8a96));
            p.drawEllipse(QPointF(5, top - 7), 5, 3);
            p.setBrush(qcolor(0xf2a81d));
            p.drawPolygon(
                QPolygonF{QPointF(14, top - 12), QPointF(18, top - 11), QPointF(14, top - 10)});
            x = piles[f.index];
        } else {
            sprite = QImage(30, 40, QImage::Format_ARGB32_Premultiplied);
            sprite.fill(Qt::transparent);
            QPainter p(&sprite);
            p.setRenderHint(QPainter::Antialiasing);
            spriteWater = 34;
            p.setPen(Qt::NoPen);
            p.setBrush(qcolor(0xe63b2e));
            p.drawEllipse(QPointF(15, 26), 11, 10);
            p.setBrush(qcolor(0xf8f8f8));
            p.drawRect(QRectF(4, 24, 22, 4));
            p.setBrush(qcolor(0x333333));
            p.drawRect(QRectF(14, 6, 2.5, 12));
            p.setBrush(QColor(255, 255, 255, 120));
            p.drawEllipse(QPointF(11, 21), 3, 2);
            x = buoys[f.index][0];
        }
        floatWithReflection(img, sprite, static_cast<int>(x), static_cast<int>(f.water),
                            spriteWater, waves, tint);
        // Ripples where the hull meets the water.
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(230, 245, 250, 150), 1.4));
        const double cx = x + sprite.width() / 2.0;
        const double half = sprite.width() * (f.what == 2 ? 0.4 : 0.45);
        p.drawLine(QPointF(cx - half, f.water + 1.5), QPointF(cx + half, f.water + 1.5));
        p.drawLine(QPointF(cx - half * 0.7, f.water + 5), QPointF(cx - half * 0.1, f.water + 5));
        p.drawLine(QPointF(cx + half * 0.2, f.water + 6), QPointF(cx + half * 0.8, f.water + 6));
    }

    {
        // Gulls wheeling over the harbour.
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 7; ++i) {
            const double gx = rng.range(w * 0.1, w * 0.9);
            const double gy = rng.range(h * 0.06, h * 0.3);
            const double s = rng.range(8, 15);
            QPainterPath wings;
            wings.moveTo(gx - s, gy - s * 0.1);
            wings.quadTo(gx - s * 0.5, gy - s * 0.6, gx, gy);
            wings.quadTo(gx + s * 0.5, gy - s * 0.6, gx + s, gy - s * 0.1);
            p.strokePath(wings, QPen(qcolor(0xfdfdfd), s * 0.24, Qt::SolidLine, Qt::RoundCap));
            p.setPen(QPen(qcolor(0x4a4a4a), s * 0.22, Qt::SolidLine, Qt::RoundCap));
            p.drawPoint(QPointF(gx - s, gy - s * 0.1));
            p.drawPoint(QPointF(gx + s, gy - s * 0.1));
        }
    }
    grain(img, 305, 0.03);
    vignette(img, 0.25);
    return img;
}

} // namespace tessary::art

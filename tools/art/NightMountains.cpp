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

void pine(QPainter& p, double x, double base, double h, const QColor& c) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const int tiers = 5;
    for (int t = 0; t < tiers; ++t) {
        const double top = base - h + t * h * 0.16;
        const double half = h * (0.07 + 0.05 * t);
        path.moveTo(x, top);
        path.lineTo(x + half, top + h * 0.26);
        path.lineTo(x - half, top + h * 0.26);
        path.closeSubpath();
    }
    path.addRect(QRectF(x - h * 0.025, base - h * 0.2, h * 0.05, h * 0.2));
    p.fillPath(path, c);
}

} // namespace

QImage paintNightMountains(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    const double w = width;
    const double h = height;
    const Noise sky(601);
    const Noise rock(602);
    const Noise water(603);
    Rng rng(604);
    const int lake = static_cast<int>(h * 0.70);
    const QPointF moon(w * 0.83, h * 0.15);
    const double moonR = h * 0.045;
    // The Milky Way runs from low on the left to high on the right.
    const QPointF mwA(w * 0.0, h * 0.62);
    const QPointF mwB(w * 1.0, h * -0.1);
    const double mwLen = std::hypot(mwB.x() - mwA.x(), mwB.y() - mwA.y());

    for (int y = 0; y < lake; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const Rgb base = ramp({{0.0, hex(0x03071a)},
                               {0.45, hex(0x0a1740)},
                               {0.85, hex(0x1b3366)},
                               {1.0, hex(0x2b4a80)}},
                              y / static_cast<double>(lake));
        for (int x = 0; x < width; ++x) {
            Rgb c = base;
            // Milky Way: a glowing band torn by dark lanes of dust.
            const double along =
                ((x - mwA.x()) * (mwB.x() - mwA.x()) + (y - mwA.y()) * (mwB.y() - mwA.y())) / mwLen;
            const double across =
                ((x - mwA.x()) * (mwB.y() - mwA.y()) - (y - mwA.y()) * (mwB.x() - mwA.x())) / mwLen;
            const double wobble = across + 30 * sky.at(along / 300.0, 4.0);
            const double bandGlow = std::exp(-std::pow(wobble / (h * 0.14), 2));
            const double cloud = 0.5 + 0.5 * sky.fbm(along / 120.0, across / 60.0, 6);
            const double dust = sky.ridged(along / 180.0 + 9, across / 40.0, 4);
            const double mw =
                bandGlow * cloud * (1 - 0.8 * smoothstep(0.55, 0.85, dust) * bandGlow);
            const Rgb mwCol = mix(hex(0x9fb5ff), hex(0xf6e3c8),
                                  clamp01(sky.at(along / 200.0, across / 90.0) + 0.5));
            c = screen(c, mix(mwCol, hex(0xe0a8d8), 0.2 * cloud) * (0.5 * mw));
            // Aurora: curtains of green light with violet crowns over the left of the sky.
            const double foot =
                h * (0.42 + 0.06 * std::sin(x / 190.0 + 0.6) + 0.03 * sky.fbm(x / 260.0, 20.0, 3));
            const double envelope =
                smoothstep(-0.1 * w, 0.1 * w, x) * (1 - smoothstep(0.6 * w, 0.8 * w, x));
            if (y < foot + 6 && envelope > 0) {
                const double up = (foot - y) / (h * 0.22);
                const double rays = 0.55 + 0.45 * sky.fbm(x / 7.0 + sky.at(x / 90.0, y / 200.0) * 3,
                                                          y / 500.0 + 40, 3);
                const double folds = 0.5 + 0.5 * sky.at(x / 110.0, 30.0 + y / 800.0);
                const double lower = smoothstep(foot + 6, foot - 10, y);
                const double a = lower * std::exp(-std::max(up, 0.0) * 1.6) * rays *
                                 (0.35 + 0.65 * folds) * envelope;
                const Rgb col = ramp({{0.0, hex(0x3dff9e)},
                                      {0.45, hex(0x1ed9b4)},
                                      {0.8, hex(0x6a5cff)},
                                      {1.2, hex(0xb04cff)}},
                                     std::max(up, 0.0));
                c = screen(c, col * (1.1 * a));
            }
            // The crescent moon and its halo.
            const double dm = std::hypot(x - moon.x(), y - moon.y());
            c = screen(c, hex(0x8fa8d8) * (0.35 * std::exp(-dm / (h * 0.12))));
            const double lit = 1 - smoothstep(moonR - 1, moonR + 1, dm);
            const double shadow = 1 - smoothstep(moonR - 1, moonR + 1,
                                                 std::hypot(x - moon.x() + moonR * 0.55,
                                                            y - moon.y() + moonR * 0.25));
            if (lit > 0) {
                const Rgb face = hex(0xfff4d6) * (0.92 + 0.08 * rock.fbm(x / 6.0, y / 6.0, 3));
                c = mix(c, mix(face, c * 1.15, shadow), lit);
            }
            line[x] = toQRgb(c);
        }
    }

    {
        // Stars: many faint, some bright with a glow, a few with spikes; thicker in the
        // Milky Way.
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3000; ++i) {
            double x = rng.range(0, w);
            double y = rng.range(0, lake);
            if (i >= 1700) {
                // Crowd these towards the band.
                const double t = rng.uniform();
                const double off = (rng.uniform() - 0.5) * h * 0.22;
                x = mwA.x() + (mwB.x() - mwA.x()) * t + off * (mwB.y() - mwA.y()) / mwLen;
                y = mwA.y() + (mwB.y() - mwA.y()) * t - off * (mwB.x() - mwA.x()) / mwLen;
            }
            if (y < 0 || y > lake || std::hypot(x - moon.x(), y - moon.y()) < moonR * 2.5) {
                continue;
            }
            const double u = rng.uniform();
            const double t = rng.uniform();
            const Rgb tone = t < 0.15 ? hex(0xffc98a) : (t < 0.4 ? hex(0xbcd4ff) : hex(0xffffff));
            // Stars low in the sky are dimmed by the air.
            const double air = 0.3 + 0.7 * (1 - smoothstep(h * 0.25, lake, y));
            if (u < 0.95) {
                const double r = 0.45 + 0.5 * u;
                p.setBrush(qcolor(tone, clamp01((0.25 + 0.6 * u) * air)));
                p.drawEllipse(QPointF(x, y), r, r);
                continue;
            }
            const double r = 0.9 + 0.6 * rng.uniform();
            QRadialGradient g(x, y, r * 4);
            g.setColorAt(0, qcolor(tone, 0.45 * air));
            g.setColorAt(1, qcolor(tone, 0));
            p.setBrush(g);
            p.drawEllipse(QPointF(x, y), r * 4, r * 4);
            p.setBrush(qcolor(tone, air));
            p.drawEllipse(QPointF(x, y), r, r);
            if (u > 0.996 && air > 0.6) {
                p.setPen(QPen(qcolor(tone, 0.5), 0.9));
                p.drawLine(QPointF(x - r * 8, y), QPointF(x + r * 8, y));
                p.drawLine(QPointF(x, y - r * 8), QPointF(x, y + r * 8));
                p.setPen(Qt::NoPen);
            }
        }
    }

    // Two ranges of mountains: snowy peaks lit by the moon from the right, then darker
    // foothills with forest.
    struct Range {
        double base;
        double amp;
        double scale;
        Rgb rockLit;
        Rgb rockShade;
        double snow;
    };
    const Range ranges[] = {{0.64, 0.25, 300, hex(0x4f6190), hex(0x18213f), 1.0},
                            {0.70, 0.10, 210, hex(0x2a3a5c), hex(0x0e1630), 0.3}};
    for (int ri = 0; ri < 2; ++ri) {
        const Range& rg = ranges[ri];
        std::vector<double> ridge(width + 2);
        for (int x = 0; x < width + 2; ++x) {
            const double r = rock.ridged(x / rg.scale + ri * 11.0, ri * 3.0, 5);
            ridge[x] = h * (rg.base - rg.amp * std::pow(r, 1.7));
        }
        for (int x = 0; x < width; ++x) {
            const int top = std::max(0, static_cast<int>(ridge[x]) - 1);
            const double slope = ridge[std::min(x + 2, width + 1)] - ridge[std::max(x - 2, 0)];
            for (int y = top; y < lake; ++y) {
                const double depth = y - ridge[x];
                // Gullies and buttresses from a height field; faces towards the moon are lit.
                const double hx = rock.fbm((x + 1) / 70.0, y / 90.0 + ri * 7, 4) -
                                  rock.fbm((x - 1) / 70.0, y / 90.0 + ri * 7, 4);
                const double face =
                    clamp01(0.45 + slope * 0.06 * (depth < 80 ? 1.0 - depth / 80.0 : 0.0) + hx * 6);
                Rgb c = mix(rg.rockShade, rg.rockLit, face);
                const double snowLine =
                    h * 0.09 * rg.snow * (0.6 + 0.5 * rock.fbm(x / 60.0, ri * 5.0, 4)) +
                    18 * rock.fbm(x / 12.0, y / 9.0, 3);
                const double snow = smoothstep(snowLine, snowLine - 10, depth) * rg.snow;
                c = mix(c, mix(hex(0x55678f), hex(0xd2ddf7), face), snow);
                // Haze thickens towards the valley floor.
                c = mix(c, hex(0x2b4a80),
                        0.55 * smoothstep(h * 0.03, h * 0.2, depth) * (ri == 0 ? 1.0 : 0.4));
                const double edge = clamp01(depth + 1);
                QRgb* px = reinterpret_cast<QRgb*>(img.scanLine(y)) + x;
                *px = toQRgb(mix(fromQRgb(*px), c, edge));
            }
        }
        if (ri == 1) {
            // Forest climbing the foothills.
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            for (int x = 0; x < width; x += 3) {
                if (rock.at(x / 80.0, 13.0) > -0.1) {
                    const double th = rng.range(10, 22);
                    pine(p, x + rng.range(-1, 1), ridge[x] + th * 0.5 + rng.range(0, 12), th,
                         qcolor(mix(hex(0x0a1428), hex(0x16264a), rng.uniform())));
                }
            }
        }
    }

    {
        // The near shore: a dark band of pines with a cabin whose windows glow.
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        QPainterPath shore;
        shore.moveTo(0, lake + 1);
        for (int x = 0; x <= width; x += 8) {
            shore.lineTo(x, lake - 6 - 8 * (0.5 + 0.5 * rock.at(x / 60.0, 50.0)));
        }
        shore.lineTo(w, lake + 1);
        shore.closeSubpath();
        p.fillPath(shore, qcolor(0x0b1222));
        for (int x = 0; x < width; x += 5) {
            if (x > w * 0.58 && x < w * 0.68) {
                continue; // the clearing round the cabin
            }
            const double th =
                rng.range(24, 60) * (0.7 + 0.6 * (0.5 + 0.5 * rock.at(x / 150.0, 70.0)));
            pine(p, x + rng.range(-2, 2), lake - rng.range(2, 10), th,
                 qcolor(mix(hex(0x060b18), hex(0x13203b), rng.uniform())));
        }
        const double cx = w * 0.6;
        const double cy = lake - 6;
        p.setBrush(qcolor(0x2a1c16));
        p.drawRect(QRectF(cx, cy - 26, 52, 26));
        p.setBrush(qcolor(0x1a120e));
        p.drawPolygon(QPolygonF{QPointF(cx - 6, cy - 24), QPointF(cx + 26, cy - 44),
                                QPointF(cx + 58, cy - 24)});
        p.drawRect(QRectF(cx + 38, cy - 48, 7, 14));
        QRadialGradient glow(cx + 26, cy - 14, 70);
        glow.setColorAt(0, QColor(255, 170, 70, 110));
        glow.setColorAt(1, QColor(255, 170, 70, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(cx + 26, cy - 14), 70, 70);
        p.setBrush(qcolor(0xffc260));
        p.drawRect(QRectF(cx + 7, cy - 19, 10, 9));
        p.drawRect(QRectF(cx + 35, cy - 19, 10, 9));
        p.setBrush(qcolor(0xffdd8a));
        p.drawRect(QRectF(cx + 21, cy - 17, 9, 17));
        // Smoke from the chimney drifting right.
        for (int i = 0; i < 9; ++i) {
            p.setBrush(QColor(150, 165, 200, 34 - i * 3));
            p.drawEllipse(QPointF(cx + 42 + i * 5.0 + i * i * 0.4, cy - 52 - i * 5.5), 4 + i * 1.1,
                          3 + i * 0.9);
        }
    }

    // The lake: everything above mirrored, darker and broken into ripples, with the
    // moon's path and the cabin's glow on the water.
    for (int y = lake; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double t = static_cast<double>(y - lake) / (height - lake);
        for (int x = 0; x < width; ++x) {
            const double wob = water.fbm(x / 120.0, y / (2.0 + t * 8), 3) * (2 + t * 22);
            const int sy = std::clamp(static_cast<int>(2 * lake - y - 1 + wob * 0.2), 0, lake - 1);
            const int sx = std::clamp(static_cast<int>(x + wob), 0, width - 1);
            Rgb c = fromQRgb(img.pixel(sx, sy)) * (0.62 - 0.15 * t) + hex(0x0a1a38) * 0.25;
            const double ripple = water.at(x / (10.0 + t * 30), y / (1.0 + t * 2.5));
            c = c * (1 + 0.25 * ripple);
            const double path = std::exp(-std::pow((x - moon.x()) / (w * 0.02 + t * w * 0.05), 2));
            c = screen(c, hex(0xfff0c8) * (path * smoothstep(0.25, 0.6, ripple) * 0.8));
            const double warm = std::exp(-std::pow((x - w * 0.6 - 26) / (18 + t * 40), 2)) *
                                (1 - smoothstep(0, 0.5, t));
            c = screen(c, hex(0xffa850) * (warm * smoothstep(0.0, 0.5, ripple) * 0.7));
            line[x] = toQRgb(c);
        }
    }

    {
        // Rocks and reeds on the near bank, their tops touched by moonlight.
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const QRectF rocks[] = {
            {-40, h * 0.9, 240, 120}, {150, h * 0.94, 140, 80}, {w * 0.86, h * 0.92, 200, 100}};
        for (const QRectF& r : rocks) {
            QPainterPath path;
            path.moveTo(r.left(), r.bottom());
            for (int i = 0; i <= 10; ++i) {
                const double a = M_PI * (1 - i / 10.0);
                const double rr = 0.8 + 0.2 * rock.at(r.left() / 30.0 + i, 3.0);
                path.lineTo(r.center().x() + std::cos(a) * r.width() / 2 * rr,
                            r.bottom() - std::sin(a) * r.height() * rr);
            }
            path.closeSubpath();
            QLinearGradient g(r.right(), r.top(), r.left(), r.bottom());
            g.setColorAt(0, qcolor(0x3c4d74));
            g.setColorAt(0.4, qcolor(0x141c33));
            g.setColorAt(1, qcolor(0x070b16));
            p.fillPath(path, g);
        }
        for (int i = 0; i < 90; ++i) {
            const double x = rng.uniform() < 0.6 ? rng.range(0, w * 0.32) : rng.range(w * 0.8, w);
            const double base = h + 4;
            const double rh = rng.range(40, 110);
            const double lean = rng.range(-14, 10);
            QPainterPath reed;
            reed.moveTo(x - 1.4, base);
            reed.quadTo(x, base - rh * 0.6, x + lean, base - rh);
            reed.quadTo(x + 0.6, base - rh * 0.6, x + 1.4, base);
            p.fillPath(reed, qcolor(mix(hex(0x0a1020), hex(0x223258), rng.uniform())));
            if (rng.chance(0.25)) {
                p.setBrush(qcolor(0x2a1e1a));
                p.drawRoundedRect(QRectF(x + lean * 0.8 - 2.5, base - rh * 0.95, 5, 16), 2.5, 2.5);
            }
        }
    }
    grain(img, 605, 0.03);
    vignette(img, 0.3);
    return img;
}

} // namespace tessary::art

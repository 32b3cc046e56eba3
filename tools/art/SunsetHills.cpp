// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colour.h"
#include "Finish.h"
#include "Noise.h"
#include "Rng.h"
#include "Scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace tessary::art {

namespace {

struct Hill {
    double base;  // height of the ridge's foot, as a share of the picture's height
    double amp;   // how high the ridge rises above it, same unit
    double scale; // pixels per noise unit along the ridge: larger is smoother
    Rgb colour;
    double mist; // how much valley mist fills the hollows below the ridge
};

// Far to near: each range darker, less hazy and more detailed than the one behind it.
const std::array<Hill, 6> kHills{{
    {0.64, 0.16, 230, hex(0xd27a8e), 0.45},
    {0.69, 0.15, 260, hex(0xac5a80), 0.45},
    {0.75, 0.14, 300, hex(0x804477), 0.40},
    {0.81, 0.13, 340, hex(0x573366), 0.35},
    {0.86, 0.12, 380, hex(0x35254f), 0.25},
    {0.97, 0.10, 440, hex(0x1d1734), 0.15},
}};

void drawPine(QPainter& p, double x, double y, double h, const QColor& c) {
    QPainterPath path;
    const double w = h * 0.42;
    // Three tiers of branches, each wider than the one above it.
    for (int tier = 0; tier < 3; ++tier) {
        const double top = y - h + tier * h * 0.26;
        const double bottom = top + h * 0.45;
        const double half = w * (0.45 + tier * 0.28) / 1.0;
        path.moveTo(x, top);
        path.lineTo(x + half, bottom);
        path.lineTo(x - half, bottom);
        path.closeSubpath();
    }
    path.setFillRule(Qt::WindingFill);
    path.addRect(QRectF(x - h * 0.05, y - h * 0.25, h * 0.1, h * 0.27));
    p.fillPath(path, c);
}

void drawBroadTree(QPainter& p, Rng& rng, double x, double y, double h, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath trunk;
    trunk.moveTo(x - h * 0.05, y);
    trunk.cubicTo(x - h * 0.03, y - h * 0.3, x - h * 0.06, y - h * 0.45, x - h * 0.02, y - h * 0.6);
    trunk.lineTo(x + h * 0.03, y - h * 0.6);
    trunk.cubicTo(x + h * 0.02, y - h * 0.4, x + h * 0.05, y - h * 0.3, x + h * 0.07, y);
    trunk.closeSubpath();
    p.drawPath(trunk);
    // Branches reaching out to the clumps of leaves.
    QPen branch(c, h * 0.025, Qt::SolidLine, Qt::RoundCap);
    p.setPen(branch);
    for (int i = 0; i < 6; ++i) {
        const double a = -2.6 + i * 0.42;
        p.drawLine(QPointF(x, y - h * 0.45),
                   QPointF(x + std::cos(a) * h * 0.35, y - h * 0.62 + std::sin(a) * h * 0.25));
    }
    p.setPen(Qt::NoPen);
    // Foliage: a solid crown of large clumps, ragged with small ones at the edge.
    for (int i = 0; i < 14; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double r = rng.range(0, 0.55);
        const double rad = h * rng.range(0.07, 0.1);
        p.drawEllipse(
            QPointF(x + std::cos(a) * r * h * 0.42, y - h * 0.72 + std::sin(a) * r * h * 0.24), rad,
            rad * 0.75);
    }
    for (int i = 0; i < 420; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double r = std::pow(rng.uniform(), 0.4);
        const double cx = x + std::cos(a) * r * h * 0.42;
        const double cy = y - h * 0.72 + std::sin(a) * r * h * 0.24 * (1 + 0.3 * std::cos(a));
        const double rad = h * rng.range(0.012, 0.035) * (1.3 - r * 0.6);
        p.drawEllipse(QPointF(cx, cy), rad, rad * 0.8);
    }
}

void drawCottage(QPainter& p, double x, double y, double s, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(QRectF(x, y - s * 0.6, s, s * 0.6));
    QPolygonF roof{QPointF(x - s * 0.12, y - s * 0.58), QPointF(x + s * 0.5, y - s * 1.05),
                   QPointF(x + s * 1.12, y - s * 0.58)};
    p.drawPolygon(roof);
    p.drawRect(QRectF(x + s * 0.72, y - s * 1.0, s * 0.12, s * 0.3));
    // Warm lit windows.
    p.setBrush(qcolor(0xffc45a));
    p.drawRect(QRectF(x + s * 0.15, y - s * 0.42, s * 0.18, s * 0.16));
    p.drawRect(QRectF(x + s * 0.62, y - s * 0.42, s * 0.18, s * 0.16));
    p.setBrush(qcolor(0xffe08a));
    p.drawRect(QRectF(x + s * 0.40, y - s * 0.32, s * 0.14, s * 0.32));
}

void drawBird(QPainter& p, double x, double y, double s) {
    QPainterPath path;
    path.moveTo(x - s, y - s * 0.2);
    path.quadTo(x - s * 0.5, y - s * 0.55, x, y);
    path.quadTo(x + s * 0.5, y - s * 0.55, x + s, y - s * 0.25);
    p.strokePath(path, QPen(qcolor(0x2a1838), s * 0.22, Qt::SolidLine, Qt::RoundCap));
}

} // namespace

QImage paintSunsetHills(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    const double w = width;
    const double h = height;
    const Noise clouds(101);
    const Noise ridges(102);
    const Noise texture(103);
    const QPointF sun(w * 0.58, h * 0.585);
    const double sunR = h * 0.058;

    // The sky: a warm glow over the horizon, banks of cloud lit from below.
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double t = y / (h * 0.72);
        const Rgb base = ramp({{0.0, hex(0x1b1746)},
                               {0.28, hex(0x48296c)},
                               {0.52, hex(0x9e3d72)},
                               {0.72, hex(0xe8674f)},
                               {0.88, hex(0xffaa58)},
                               {1.0, hex(0xffd88c)}},
                              t);
        const double band =
            smoothstep(0.04 * h, 0.16 * h, y) * (1 - smoothstep(0.50 * h, 0.64 * h, y));
        for (int x = 0; x < width; ++x) {
            const double dx = x - sun.x();
            const double dy = (y - sun.y()) * 1.4;
            const double d = std::hypot(dx, dy);
            Rgb c = screen(base, hex(0xffcf78) * (0.55 * std::exp(-d / (h * 0.20)) +
                                                  0.5 * std::exp(-d / (h * 0.06))));
            const double warp = clouds.at(x / 420.0, y / 160.0) * 0.8;
            const double cx = x / 280.0 + warp;
            const double n = clouds.fbm(cx, y / 34.0, 6);
            const double below = clouds.fbm(cx, (y + 6) / 34.0, 6);
            const double dens = smoothstep(0.0, 0.5, n) * band;
            if (dens > 0) {
                const double lit = clamp01(0.45 + (n - below) * 3.5);
                const Rgb shade = mix(hex(0x3f2759), hex(0x93466f), clamp01(t * 1.1));
                Rgb glowCol = mix(hex(0xff7d67), hex(0xffc27c), clamp01(t));
                glowCol = mix(glowCol, hex(0xfff1c8), std::exp(-d / (h * 0.22)));
                const Rgb cloud = mix(shade, glowCol, lit);
                c = mix(c, cloud, dens * 0.9);
            }
            const double disc =
                1 - smoothstep(sunR - 1.2, sunR + 1.2, std::hypot(x - sun.x(), y - sun.y()));
            c = mix(c, hex(0xfff7dc), disc);
            line[x] = toQRgb(c);
        }
    }

    Rng rng(104);
    // Hills from far to near, each painted over the last with mist in its hollows, its
    // ridge rimmed by the low sun and topped with trees.
    for (std::size_t i = 0; i < kHills.size(); ++i) {
        const Hill& hill = kHills[i];
        std::vector<double> ridge(width);
        for (int x = 0; x < width; ++x) {
            double r = clamp01(0.5 + 0.8 * ridges.fbm(x / hill.scale + i * 13.7, i * 7.1, 6));
            if (i == 4) {
                // A gap in the fifth range lets the lake behind it show.
                r = 0.55 + 0.45 * r - 1.1 * std::exp(-std::pow((x - w * 0.56) / (w * 0.12), 2));
            }
            ridge[x] = h * (hill.base - hill.amp * r);
        }
        const double lakeY = h * 0.805;
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const double depth = y - ridge[x];
                if (depth < -1) {
                    continue;
                }
                Rgb c = hill.colour;
                // Fields and woods: a soft texture that is stronger on the nearer hills.
                const double tex = texture.fbm(x / 22.0, y / 14.0 + i * 40, 4);
                c = c * (1 + (0.05 + 0.03 * i) * tex);
                const double sunSide = std::exp(-std::fabs(x - sun.x()) / (w * 0.35));
                const double rim = std::exp(-std::max(depth, 0.0) / 2.2) * (0.25 + 0.6 * sunSide) *
                                   (1.0 - i * 0.12);
                c = mix(c, hex(0xffb07a), clamp01(rim));
                const double mist = smoothstep(0, h * 0.10, depth) * hill.mist;
                c = mix(c, mix(hex(0xf39a82), hex(0xc9708a), i / 5.0), mist);
                if (i == 3 && y >= lakeY) {
                    // The lake: the sky and hills mirrored, broken by ripples, with the
                    // sun's path across it.
                    const double rip =
                        std::sin(y * 0.9 + texture.at(x / 30.0, y / 3.0) * 4) * (y - lakeY) * 0.08;
                    const int sx = std::clamp(static_cast<int>(x + rip), 0, width - 1);
                    const int sy = std::clamp(static_cast<int>(2 * lakeY - y), 0, height - 1);
                    Rgb refl = mix(fromQRgb(img.pixel(sx, sy)), hex(0xf0a080), 0.25) * 0.9;
                    const double glitter =
                        std::exp(-std::pow((x - sun.x()) / (w * 0.03 + (y - lakeY) * 0.5), 2)) *
                        smoothstep(0.2, 0.8, texture.at(x / 9.0, y / 1.5));
                    refl = screen(refl, hex(0xffd9a0) * glitter * 0.9);
                    const double shore = smoothstep(0, 1.5, y - lakeY);
                    c = mix(hex(0x3a2450), refl, shore);
                }
                const double edge = clamp01(depth + 1);
                line[x] = toQRgb(mix(fromQRgb(line[x]), c, edge));
            }
        }
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor treeCol = qcolor(hill.colour * 0.93);
        if (i >= 2) {
            const double treeH = h * (0.008 + 0.0045 * (i - 2) * (i - 1));
            const int step = std::max(2, static_cast<int>(treeH * 0.3));
            for (int x = 2; x < width; x += step) {
                if (ridges.at(x / 70.0 + i * 3.3, i * 2.1) > 0.15 && rng.chance(0.75)) {
                    const double th = treeH * rng.range(0.7, 1.3);
                    drawPine(p, x + rng.range(-1, 1), ridge[x] + th * 0.15, th, treeCol);
                }
            }
        }
        if (i == 4) {
            drawCottage(p, w * 0.74, ridge[static_cast<int>(w * 0.74)] + h * 0.006, h * 0.035,
                        treeCol);
        }
        if (i == 5) {
            drawBroadTree(p, rng, w * 0.86, ridge[static_cast<int>(w * 0.86)] + 4, h * 0.33,
                          qcolor(hill.colour * 0.9));
            // Tall grass along the nearest ridge.
            p.setPen(Qt::NoPen);
            for (int x = 0; x < width; x += 2) {
                const double bh = h * rng.range(0.008, 0.03);
                const double lean = rng.range(-0.5, 0.5) * bh;
                QPainterPath blade;
                blade.moveTo(x - 1.2, ridge[x] + 3);
                blade.quadTo(x, ridge[x] - bh * 0.5, x + lean, ridge[x] - bh);
                blade.quadTo(x + 0.3, ridge[x] - bh * 0.5, x + 1.2, ridge[x] + 3);
                p.fillPath(blade, qcolor(hill.colour * rng.range(0.85, 1.1)));
            }
        }
    }

    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        // A loose flock heading home across the glow.
        const QPointF flock(w * 0.30, h * 0.30);
        for (int b = 0; b < 9; ++b) {
            const double s = h * rng.range(0.008, 0.015);
            drawBird(p, flock.x() + b * w * 0.028 + rng.range(-10, 10),
                     flock.y() + std::abs(b - 3) * h * 0.018 + rng.range(-8, 8), s);
        }
    }
    grain(img, 105, 0.025);
    vignette(img, 0.35);
    return img;
}

} // namespace tessary::art

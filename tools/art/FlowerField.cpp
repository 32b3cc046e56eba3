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

enum class Kind { Poppy, Daisy, Cornflower, Tulip, Sunflower, Lavender };

struct Flower {
    double x;
    double y; // where the stem meets the ground
    double s; // size of the bloom
    Kind kind;
    double tint;
    double lean;
};

void stem(QPainter& p, double x, double y, double tx, double ty, double width) {
    QPainterPath path;
    path.moveTo(x, y);
    path.quadTo(x + (tx - x) * 0.1, y + (ty - y) * 0.6, tx, ty);
    p.strokePath(path, QPen(qcolor(0x3f7d2a), width, Qt::SolidLine, Qt::RoundCap));
}

void leaf(QPainter& p, double x, double y, double len, double angle, const QColor& c) {
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(len * 0.5, -len * 0.28, len, 0);
    path.quadTo(len * 0.5, len * 0.2, 0, 0);
    p.fillPath(path, c);
    p.restore();
}

void paintFlower(QPainter& p, const Flower& f) {
    const double s = f.s;
    const double tall =
        f.kind == Kind::Sunflower ? s * 5.5 : (f.kind == Kind::Lavender ? s * 3.2 : s * 2.8);
    const double hx = f.x + f.lean * tall * 0.2;
    const double hy = f.y - tall;
    p.setPen(Qt::NoPen);
    stem(p, f.x, f.y, hx, hy, std::max(0.8, s * 0.16));
    if (s > 4) {
        leaf(p, f.x + (hx - f.x) * 0.3, f.y - tall * 0.3, s * 1.3, -30 - f.lean * 20,
             qcolor(0x4f9a34));
        leaf(p, f.x + (hx - f.x) * 0.5, f.y - tall * 0.5, s * 1.1, 200 + f.lean * 20,
             qcolor(0x3f8a2c));
    }
    switch (f.kind) {
    case Kind::Poppy: {
        const Rgb red = mix(hex(0xe0261b), hex(0xff5a1f), f.tint);
        for (int i = 0; i < 5; ++i) {
            const double a = i * 72 + f.tint * 40;
            p.save();
            p.translate(hx, hy);
            p.rotate(a);
            p.setBrush(qcolor(red * (0.82 + 0.05 * i)));
            p.drawEllipse(QPointF(0, -s * 0.5), s * 0.55, s * 0.6);
            p.restore();
        }
        p.setBrush(qcolor(0x1d1a14));
        p.drawEllipse(QPointF(hx, hy), s * 0.22, s * 0.22);
        p.setBrush(qcolor(0x5b6b2e));
        p.drawEllipse(QPointF(hx, hy), s * 0.1, s * 0.1);
        break;
    }
    case Kind::Daisy: {
        p.setBrush(qcolor(mix(hex(0xffffff), hex(0xf5e1f0), f.tint)));
        for (int i = 0; i < 12; ++i) {
            p.save();
            p.translate(hx, hy);
            p.rotate(i * 30.0 + f.tint * 20);
            p.scale(1.0, 0.75); // seen a little from the side
            p.drawEllipse(QPointF(0, -s * 0.55), s * 0.16, s * 0.45);
            p.restore();
        }
        p.setBrush(qcolor(0xf2b705));
        p.drawEllipse(QPointF(hx, hy), s * 0.26, s * 0.22);
        break;
    }
    case Kind::Cornflower: {
        const QColor blue = qcolor(mix(hex(0x2f5fd0), hex(0x6f86f0), f.tint));
        p.setBrush(blue);
        for (int i = 0; i < 9; ++i) {
            p.save();
            p.translate(hx, hy);
            p.rotate(i * 40.0);
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.lineTo(-s * 0.2, -s * 0.6);
            petal.lineTo(-s * 0.05, -s * 0.5);
            petal.lineTo(0, -s * 0.68);
            petal.lineTo(s * 0.05, -s * 0.5);
            petal.lineTo(s * 0.2, -s * 0.6);
            petal.closeSubpath();
            p.drawPath(petal);
            p.restore();
        }
        p.setBrush(qcolor(0x3a1f6b));
        p.drawEllipse(QPointF(hx, hy), s * 0.16, s * 0.16);
        break;
    }
    case Kind::Tulip: {
        const Rgb c =
            f.tint < 0.33 ? hex(0xf25c8a) : (f.tint < 0.66 ? hex(0xffc93c) : hex(0xd7263d));
        QPainterPath cup;
        cup.moveTo(hx - s * 0.45, hy - s * 0.55);
        cup.lineTo(hx - s * 0.2, hy - s * 0.3);
        cup.lineTo(hx, hy - s * 0.62);
        cup.lineTo(hx + s * 0.2, hy - s * 0.3);
        cup.lineTo(hx + s * 0.45, hy - s * 0.55);
        cup.quadTo(hx + s * 0.5, hy + s * 0.25, hx, hy + s * 0.3);
        cup.quadTo(hx - s * 0.5, hy + s * 0.25, hx - s * 0.45, hy - s * 0.55);
        p.fillPath(cup, qcolor(c));
        QPainterPath shine;
        shine.moveTo(hx - s * 0.05, hy - s * 0.3);
        shine.quadTo(hx + s * 0.35, hy, hx, hy + s * 0.25);
        shine.quadTo(hx + s * 0.15, hy, hx - s * 0.05, hy - s * 0.3);
        p.fillPath(shine, qcolor(c * 0.8));
        break;
    }
    case Kind::Sunflower: {
        for (int ring = 0; ring < 2; ++ring) {
            p.setBrush(qcolor(ring ? hex(0xffd23f) : hex(0xf0a202)));
            for (int i = 0; i < 18; ++i) {
                p.save();
                p.translate(hx, hy);
                p.rotate(i * 20.0 + ring * 10);
                p.drawEllipse(QPointF(0, -s * 0.75), s * 0.16, s * 0.42);
                p.restore();
            }
        }
        p.setBrush(qcolor(0x5a3210));
        p.drawEllipse(QPointF(hx, hy), s * 0.45, s * 0.45);
        // Seeds in a spiral.
        p.setBrush(qcolor(0x2e1a08));
        for (int i = 0; i < 60; ++i) {
            const double r = std::sqrt(i / 60.0) * s * 0.4;
            const double a = i * 2.39996;
            p.drawEllipse(QPointF(hx + std::cos(a) * r, hy + std::sin(a) * r), s * 0.035,
                          s * 0.035);
        }
        break;
    }
    case Kind::Lavender: {
        for (int i = 0; i < 9; ++i) {
            const double t = i / 8.0;
            p.setBrush(qcolor(mix(hex(0x7b4fb8), hex(0xb08be0), (i % 3) / 2.0)));
            p.drawEllipse(QPointF(hx + (i % 2 ? 1 : -1) * s * 0.12, hy + t * s * 1.2), s * 0.16,
                          s * 0.2);
        }
        break;
    }
    }
}

void butterfly(QPainter& p, double x, double y, double s, Rgb wing, Rgb spot, double tilt) {
    p.save();
    p.translate(x, y);
    p.rotate(tilt);
    p.setPen(QPen(qcolor(0x1a1a1a), s * 0.06));
    for (int side : {-1, 1}) {
        QPainterPath upper;
        upper.moveTo(0, 0);
        upper.cubicTo(side * s * 0.4, -s * 1.0, side * s * 1.2, -s * 0.9, side * s * 1.0, -s * 0.1);
        upper.closeSubpath();
        QPainterPath lower;
        lower.moveTo(0, 0);
        lower.cubicTo(side * s * 0.9, s * 0.1, side * s * 0.8, s * 0.8, side * s * 0.2, s * 0.6);
        lower.closeSubpath();
        p.setBrush(qcolor(wing));
        p.drawPath(upper);
        p.drawPath(lower);
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(spot));
        p.drawEllipse(QPointF(side * s * 0.72, -s * 0.45), s * 0.14, s * 0.14);
        p.drawEllipse(QPointF(side * s * 0.45, s * 0.4), s * 0.1, s * 0.1);
        p.setPen(QPen(qcolor(0x1a1a1a), s * 0.06));
    }
    p.setBrush(qcolor(0x1a1a1a));
    p.drawEllipse(QPointF(0, 0.1 * s), s * 0.08, s * 0.55);
    p.drawLine(QPointF(0, -s * 0.4), QPointF(-s * 0.25, -s * 0.8));
    p.drawLine(QPointF(0, -s * 0.4), QPointF(s * 0.25, -s * 0.8));
    p.restore();
}

} // namespace

QImage paintFlowerField(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    const double w = width;
    const double h = height;
    const Noise noise(501);
    const Noise clouds(502);
    Rng rng(503);
    const double horizon = h * 0.34;
    const QPointF vp(w * 0.56, horizon - h * 0.02);
    // Where the path through the field runs at height y, and how wide it is there.
    auto pathAt = [&](double y, double& half) {
        const double z = clamp01((y - horizon) / (h - horizon));
        half = 1.5 + 38 * z * z + 6 * z;
        return vp.x() - (y - horizon) * 0.42 + 55 * std::sin(z * 5.0) * z;
    };
    const Rgb palette[] = {hex(0xe8233a), hex(0xffcf2e), hex(0xf27ab6),
                           hex(0x8e5cd0), hex(0xfff4e6), hex(0xff8c1a)};

    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            Rgb c;
            if (y < horizon) {
                c = ramp({{0.0, hex(0x4f9ad8)}, {0.7, hex(0x9fd0f0)}, {1.0, hex(0xe4f3f8)}},
                         y / horizon);
                const double fall = smoothstep(0, horizon * 0.8, y);
                const double n = clouds.fbm(x / 200.0, y / 90.0, 6) + 0.33 - fall * 0.45;
                const double nUp =
                    clouds.fbm((x - 5) / 200.0, (y - 5) / 90.0, 6) + 0.33 - fall * 0.45;
                const Rgb cloud = mix(hex(0xa8b8cc), hex(0xffffff), clamp01(0.7 - (n - nUp) * 4));
                c = mix(c, cloud, smoothstep(0.05, 0.4, n));
                // Far hills with a line of trees, blue in the distance.
                const double hill =
                    horizon - h * 0.035 * (0.6 + noise.fbm(x / 160.0, 3.0, 4)) - h * 0.02 * (x / w);
                const double trees = hill - 3 - 5 * std::fabs(noise.at(x / 6.0, 9.0));
                if (y > trees) {
                    c = mix(hex(0x6f9a8a), hex(0x4d7d5a), clamp01((y - trees) / 20.0));
                    c = c * (1 + 0.12 * noise.at(x / 4.0, y / 4.0));
                }
            } else {
                const double z = (y - horizon) / (h - horizon); // 0 far, 1 near
                // The rows of the bulb fields run towards the vanishing point.
                const double slope = (x - vp.x()) / (y - vp.y());
                // Far left near the horizon the row number is below zero; its colour is not.
                const int row = static_cast<int>(std::floor(slope * 9 + 100));
                const int bloomIndex = ((row * 7) % 6 + 6) % 6;
                const double inRow = slope * 9 + 100 - std::floor(slope * 9 + 100);
                const double grass = 0.9 + 0.25 * noise.fbm(x / (3 + 20 * z), y / (2 + 12 * z), 4);
                Rgb ground = hex(0x4e9a2e) * grass;
                const double rows = 1 - smoothstep(0.12, 0.32, z);
                if (rows > 0 && row % 3 != 0) {
                    const Rgb bloom = palette[bloomIndex];
                    const double dots =
                        smoothstep(-0.1, 0.3, noise.at(x / (1.2 + 4 * z), y / (0.8 + 3 * z)));
                    const double edge =
                        smoothstep(0.04, 0.14, inRow) * (1 - smoothstep(0.86, 0.96, inRow));
                    ground =
                        mix(ground, bloom * (0.85 + 0.3 * dots), rows * edge * (0.6 + 0.4 * dots));
                }
                // Speckles of wild flowers nearer in.
                const double wild = noise.at(x / (1.5 + 6 * z) + 40, y / (1.2 + 5 * z));
                if (rows < 1 && wild > 0.42) {
                    const Rgb bloom =
                        palette[static_cast<int>((noise.at(x / 60.0, y / 60.0) + 1) * 3) % 6];
                    ground = mix(ground, bloom, (1 - rows) * smoothstep(0.42, 0.55, wild));
                }
                double half = 0;
                const double px = pathAt(y, half);
                const double onPath = 1 - smoothstep(half * 0.8, half, std::fabs(x - px));
                const Rgb dirt =
                    hex(0xc8a97a) * (0.9 + 0.2 * noise.fbm(x / (2 + 8 * z), y / (2 + 8 * z), 3));
                c = mix(ground, dirt, onPath);
                // The air fades the furthest rows.
                c = mix(c, hex(0xcfe3e8), 0.35 * (1 - smoothstep(0, 0.15, z)));
            }
            line[x] = toQRgb(c);
        }
    }

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A windmill and a red barn on the far hills.
    {
        const double mx = w * 0.18;
        const double my = horizon - h * 0.03;
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(0x8a8f99));
        p.drawPolygon(QPolygonF{QPointF(mx - 9, my), QPointF(mx - 5, my - 40),
                                QPointF(mx + 5, my - 40), QPointF(mx + 9, my)});
        p.setBrush(qcolor(0x5a4a44));
        p.drawEllipse(QPointF(mx, my - 42), 6, 5);
        p.setPen(QPen(qcolor(0xeeeeee), 2.4));
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 2 + 0.4;
            p.drawLine(QPointF(mx, my - 42),
                       QPointF(mx + std::cos(a) * 28, my - 42 + std::sin(a) * 28));
        }
        p.setPen(Qt::NoPen);
        const double bx = w * 0.78;
        const double by = horizon - h * 0.02;
        p.setBrush(qcolor(0xa8322d));
        p.drawRect(QRectF(bx, by - 16, 34, 16));
        p.setBrush(qcolor(0x5b3a36));
        p.drawPolygon(QPolygonF{QPointF(bx - 3, by - 16), QPointF(bx + 17, by - 27),
                                QPointF(bx + 37, by - 16)});
        p.setBrush(qcolor(0xf2efe6));
        p.drawRect(QRectF(bx + 13, by - 11, 8, 11));
    }

    // The meadow flowers, far to near; which flowers grow where changes across the field.
    std::vector<Flower> flowers;
    const double start = horizon + (h - horizon) * 0.2;
    for (double y = start; y < h + 40; y += 0.6 + (y - horizon) / (h - horizon) * 3.0) {
        const double z = (y - horizon) / (h - horizon);
        const int count = static_cast<int>(4 + 9 * (1 - z));
        for (int i = 0; i < count; ++i) {
            const double x = rng.range(-20, w + 20);
            double half = 0;
            const double px = pathAt(std::min(y, h), half);
            if (std::fabs(x - px) < half * 0.85) {
                continue;
            }
            const double zone = noise.fbm(x / 220.0 + 7, y / 180.0, 3);
            Kind kind;
            const double r = rng.uniform();
            if (zone < -0.25) {
                kind = r < 0.7 ? Kind::Poppy : (r < 0.9 ? Kind::Daisy : Kind::Cornflower);
            } else if (zone < 0.05) {
                kind = r < 0.5 ? Kind::Daisy : (r < 0.85 ? Kind::Cornflower : Kind::Poppy);
            } else if (zone < 0.3) {
                kind = r < 0.65 ? Kind::Lavender : (r < 0.85 ? Kind::Tulip : Kind::Daisy);
            } else {
                kind = r < 0.55 ? Kind::Tulip : (r < 0.75 ? Kind::Poppy : Kind::Cornflower);
            }
            if (z > 0.6 && rng.chance(0.015)) {
                kind = Kind::Sunflower;
            }
            const double size = (1.5 + 22 * z * z) * rng.range(0.75, 1.25);
            flowers.push_back({x, y, size, kind, rng.uniform(), rng.range(-1, 1)});
        }
    }
    // Blades of grass among the flowers, drawn in the same pass so that they overlap.
    for (const Flower& f : flowers) {
        const double z = (f.y - horizon) / (h - horizon);
        if (z > 0.3) {
            const double bh = f.s * rng.range(1.5, 3.2);
            QPainterPath blade;
            const double bx = f.x + rng.range(-f.s, f.s);
            blade.moveTo(bx - f.s * 0.08, f.y);
            blade.quadTo(bx, f.y - bh * 0.6, bx + rng.range(-0.5, 0.5) * bh, f.y - bh);
            blade.quadTo(bx + f.s * 0.05, f.y - bh * 0.5, bx + f.s * 0.08, f.y);
            p.fillPath(blade, qcolor(mix(hex(0x3e7d22), hex(0x8cc04a), rng.uniform())));
        }
        paintFlower(p, f);
    }
    butterfly(p, w * 0.3, h * 0.62, 14, hex(0xf28c28), hex(0xfff2c0), -15);
    butterfly(p, w * 0.72, h * 0.78, 20, hex(0x3c8fe0), hex(0x0f2a55), 20);
    butterfly(p, w * 0.55, h * 0.5, 9, hex(0xf7e04a), hex(0x5a4a10), 5);
    p.end();
    grain(img, 504, 0.025);
    vignette(img, 0.25);
    return img;
}

} // namespace tessary::art

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace tessary::art {

namespace {

// Everything is laid out in 20 x 20 units; the painter is scaled so that one unit is one
// pixel, or two on a high-density screen. Rectangles sit on whole units so that they stay
// crisp at both sizes.

const QColor kInk(0x26, 0x2e, 0x3a);
const QColor kWhite(0xff, 0xff, 0xff);

// A small puzzle board: three by three tiles of 4 units with dark lines between them, the
// tiles coloured like the pieces of a landscape (sky and sun, hills, fields and water).
const std::array<QColor, 9> kTiles{
    QColor(0x86, 0xcc, 0xf2), QColor(0xff, 0xc8, 0x2e), QColor(0x5a, 0xa8, 0xe6),
    QColor(0x5c, 0xb8, 0x5c), QColor(0x2f, 0x86, 0x3f), QColor(0x9a, 0xd8, 0x6a),
    QColor(0xe8, 0xa8, 0x3e), QColor(0xc0, 0x6a, 0x34), QColor(0x35, 0x72, 0xc8)};

QRect tile(int c, int r) {
    return QRect(3 + c * 5, 3 + r * 5, 4, 4);
}

void board(QPainter& p, double fade = 0.0) {
    p.fillRect(QRect(2, 2, 16, 16), kInk);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            QColor col = kTiles[r * 3 + c];
            if (fade > 0) {
                col = QColor::fromRgbF(col.redF() + (1 - col.redF()) * fade,
                                       col.greenF() + (1 - col.greenF()) * fade,
                                       col.blueF() + (1 - col.blueF()) * fade);
            }
            p.fillRect(tile(c, r), col);
        }
    }
}

// A one-unit ring just outside a tile, solid or dotted in two colours.
void ring(QPainter& p, QRect t, const QColor& a, const QColor& b) {
    const QRect o = t.adjusted(-1, -1, 1, 1);
    int i = 0;
    auto dot = [&](int x, int y) { p.fillRect(QRect(x, y, 1, 1), (i++ % 2) ? b : a); };
    for (int x = o.left(); x <= o.right(); ++x) {
        dot(x, o.top());
    }
    for (int y = o.top() + 1; y <= o.bottom(); ++y) {
        dot(o.right(), y);
    }
    for (int x = o.right() - 1; x >= o.left(); --x) {
        dot(x, o.bottom());
    }
    for (int y = o.bottom() - 1; y > o.top(); --y) {
        dot(o.left(), y);
    }
}

// Pixel art for the 20 x 20 icon: one character a unit, '.' left as it is.
void pixels(QPainter& p, int left, int top, std::initializer_list<const char*> rows,
            std::initializer_list<std::pair<char, QColor>> palette) {
    int y = top;
    for (const char* row : rows) {
        for (int x = 0; row[x] != 0; ++x) {
            for (const auto& [key, colour] : palette) {
                if (row[x] == key) {
                    p.fillRect(QRect(left + x, y, 1, 1), colour);
                }
            }
        }
        ++y;
    }
}

// A 45-degree arrow in whole pixels for the 20 x 20 icons: its tip at (tipX, tipY), its
// shaft running down and right (dir 1) or up and left (dir -1), edged in ink.
void diagonalArrow(QPainter& p, int tipX, int tipY, int dir, const QColor& fill) {
    auto inside = [](int x, int y) {
        if (x < 0 || y < 0) {
            return false;
        }
        return x + y <= 4 || (std::abs(x - y) <= 1 && x + y <= 14);
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = -1; y <= 9; ++y) {
            for (int x = -1; x <= 9; ++x) {
                bool on = inside(x, y);
                if (pass == 0) {
                    // The ink edge: every pixel next to the arrow.
                    on = !on && (inside(x - 1, y) || inside(x + 1, y) || inside(x, y - 1) ||
                                 inside(x, y + 1));
                }
                if (on) {
                    p.fillRect(QRect(tipX + dir * x, tipY + dir * y, 1, 1),
                               pass == 0 ? kInk : fill);
                }
            }
        }
    }
}

// The game's diagonal cross-hatch over a tile, in device pixels so that the lines stay one
// pixel wide at every scale, inside an outline in `edge`.
void hatch(QPainter& p, int scale, QRect t, const QColor& lines, const QColor& edge) {
    p.save();
    p.resetTransform();
    const QRect d(t.x() * scale, t.y() * scale, t.width() * scale, t.height() * scale);
    const int period = 4;
    for (int y = 0; y < d.height(); ++y) {
        for (int x = 0; x < d.width(); ++x) {
            if ((x + y) % period == 0 || (x - y + 64) % period == 0) {
                p.fillRect(QRect(d.x() + x, d.y() + y, 1, 1), lines);
            }
        }
    }
    p.restore();
    // At 20 x 20 the outline would swallow the picture; the larger icon has room for it.
    if (scale > 1) {
        ring(p, t, edge, edge);
    }
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& fill) {
    const QLineF shaft(from, to);
    const double len = shaft.length();
    const QPointF u = (to - from) / len;
    const QPointF n(-u.y(), u.x());
    const double head = 5.0;
    const double halfHead = 3.4;
    const double halfShaft = 1.2;
    const QPointF neck = to - u * head;
    QPainterPath path;
    path.moveTo(from + n * halfShaft);
    path.lineTo(neck + n * halfShaft);
    path.lineTo(neck + n * halfHead);
    path.lineTo(to);
    path.lineTo(neck - n * halfHead);
    path.lineTo(neck - n * halfShaft);
    path.lineTo(from - n * halfShaft);
    path.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.setRenderHint(QPainter::Antialiasing, false);
}

// A radial gradient from `inner` at `centre` to `outer` at `radius` units away, worked out
// pixel by pixel at the icon's scale. Qt's own gradient code picks its arithmetic by the
// processor, so the same icon could come out a level apart on another machine.
QBrush radialFill(QPointF centre, double radius, QColor inner, QColor outer, int scale) {
    QImage img(20 * scale, 20 * scale, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double dx = (x + 0.5) / scale - centre.x();
            const double dy = (y + 0.5) / scale - centre.y();
            const double t = std::min(1.0, std::sqrt(dx * dx + dy * dy) / radius);
            auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
            line[x] = qRgb(mix(inner.red(), outer.red()), mix(inner.green(), outer.green()),
                           mix(inner.blue(), outer.blue()));
        }
    }
    // The painter is scaled; the brush undoes that so the image lands pixel for pixel.
    QBrush brush(img);
    brush.setTransform(QTransform::fromScale(1.0 / scale, 1.0 / scale));
    return brush;
}

void paintHelp(QPainter& p, int scale) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x10, 0x3a, 0x80), 1.0));
    p.setBrush(
        radialFill(QPointF(7, 6), 12, QColor(0x6c, 0xb4, 0xff), QColor(0x1a, 0x5c, 0xc0), scale));
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    if (scale == 1) {
        p.setRenderHint(QPainter::Antialiasing, false);
        pixels(p, 6, 5,
               {"..XXXX..", ".XX..XX.", ".XX..XX.", ".....XX.", "....XX..", "...XX...", "...XX...",
                "........", "...XX...", "...XX..."},
               {{'X', kWhite}});
        return;
    }
    // The question mark: a hook and a dot.
    QPainterPath hook;
    hook.moveTo(6.9, 7.6);
    hook.cubicTo(6.9, 3.6, 13.3, 3.6, 13.1, 7.4);
    hook.cubicTo(13.0, 9.6, 10.1, 9.6, 10.0, 12.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kWhite, 2.3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(hook);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(9, 14, 2, 2), kWhite);
}

void paintGrid(QPainter& p, int) {
    board(p);
    // Two pieces out of place, outlined in yellow as the board shows them.
    const QColor yellow(0xff, 0xee, 0x00);
    ring(p, tile(2, 0), yellow, yellow);
    ring(p, tile(0, 2), yellow, yellow);
}

void paintSolution(QPainter& p, int) {
    // The whole picture, uncut: sky, sun, hills and water in a frame.
    p.fillRect(QRect(2, 2, 16, 16), kInk);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(QRect(3, 3, 14, 14));
    QLinearGradient sky(0, 3, 0, 12);
    sky.setColorAt(0, QColor(0x5a, 0xa8, 0xe6));
    sky.setColorAt(1, QColor(0xb8, 0xe2, 0xf8));
    p.fillRect(QRect(3, 3, 14, 14), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xc8, 0x2e));
    p.drawEllipse(QPointF(12.5, 7), 2.5, 2.5);
    QPainterPath hills;
    hills.moveTo(3, 12);
    hills.quadTo(7, 7, 11, 11);
    hills.quadTo(14, 9, 17, 11);
    hills.lineTo(17, 17);
    hills.lineTo(3, 17);
    p.setBrush(QColor(0x3f, 0x9a, 0x4a));
    p.drawPath(hills);
    p.setBrush(QColor(0x35, 0x72, 0xc8));
    p.drawRect(QRectF(3, 14, 14, 3));
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void paintSmallImage(QPainter& p, int scale) {
    board(p, 0.35);
    // A little framed copy of the picture in the corner.
    p.fillRect(QRect(8, 9, 11, 10), kInk);
    p.fillRect(QRect(9, 10, 9, 8), kWhite);
    p.save();
    p.setClipRect(QRect(10, 11, 7, 6));
    p.fillRect(QRect(10, 11, 7, 6), QColor(0x86, 0xcc, 0xf2));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xc8, 0x2e));
    p.drawEllipse(QPointF(14.8, 12.8), 1.3, 1.3);
    QPainterPath hill;
    hill.moveTo(10, 15.5);
    hill.quadTo(12.5, 12.5, 17, 15);
    hill.lineTo(17, 17);
    hill.lineTo(10, 17);
    p.setBrush(QColor(0x3f, 0x9a, 0x4a));
    p.drawPath(hill);
    p.restore();
    (void)scale;
}

void paintMissing(QPainter& p, int scale) {
    board(p);
    // Every piece already home is hatched in blue, so the two missing ones stand out.
    const QColor blue(0x00, 0x00, 0xff);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            if ((c == 2 && r == 0) || (c == 0 && r == 2)) {
                continue;
            }
            hatch(p, scale, tile(c, r), blue, blue);
        }
    }
}

void paintPlaced(QPainter& p, int scale) {
    board(p);
    // The misplaced pieces are hatched in green, so the placed ones stand out.
    const QColor green(0x00, 0xc8, 0x00);
    const QColor blue(0x00, 0x00, 0xff);
    hatch(p, scale, tile(2, 0), green, blue);
    hatch(p, scale, tile(0, 2), green, blue);
    hatch(p, scale, tile(1, 1), green, blue);
}

// The selected cell: the game's red dotted outline.
void selection(QPainter& p, QRect t) {
    ring(p, t, QColor(0xe0, 0x10, 0x10), kWhite);
}

void paintFetch(QPainter& p, int scale) {
    board(p, 0.45);
    selection(p, tile(0, 0));
    // The right piece comes to the selected cell.
    const QColor green(0x3c, 0xd0, 0x4a);
    if (scale > 1) {
        arrow(p, QPointF(15.5, 15.5), QPointF(6.0, 6.0), green);
        return;
    }
    diagonalArrow(p, 8, 8, 1, green);
}

void paintSendHome(QPainter& p, int scale) {
    board(p, 0.45);
    selection(p, tile(0, 0));
    // The selected piece goes off to its home.
    const QColor orange(0xff, 0x98, 0x1f);
    if (scale > 1) {
        arrow(p, QPointF(5.0, 5.0), QPointF(16.5, 16.5), orange);
        return;
    }
    diagonalArrow(p, 16, 16, -1, orange);
}

void paintHideToolbar(QPainter& p, int scale) {
    // A toolbar of two columns of buttons...
    p.fillRect(QRect(2, 1, 11, 17), kInk);
    p.fillRect(QRect(3, 2, 9, 15), QColor(0xd8, 0xdc, 0xe2));
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 2; ++c) {
            p.fillRect(QRect(4 + c * 4, 3 + r * 3 + (r > 0 ? r : 0), 3, 3),
                       kTiles[(r * 2 + c) % 9]);
        }
    }
    // ...put away: a red badge with a white cross.
    if (scale == 1) {
        pixels(p, 10, 10,
               {"..RRRRR..", ".RrrrrrR.", "RrWrrrWrR", "RrrWrWrrR", "RrrrWrrrR", "RrrWrWrrR",
                "RrWrrrWrR", ".RrrrrrR.", "..RRRRR.."},
               {{'R', QColor(0x8a, 0x10, 0x10)}, {'r', QColor(0xe8, 0x30, 0x30)}, {'W', kWhite}});
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x8a, 0x10, 0x10), 1.0));
    p.setBrush(QColor(0xe8, 0x30, 0x30));
    p.drawEllipse(QRectF(9.5, 9.5, 9, 9));
    p.setPen(QPen(kWhite, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12, 12), QPointF(16, 16));
    p.drawLine(QPointF(16, 12), QPointF(12, 16));
    p.setRenderHint(QPainter::Antialiasing, false);
}

void paintMinimise(QPainter& p, int scale) {
    // A window with a blue title bar, and the bar it drops down to.
    p.fillRect(QRect(2, 1, 15, 12), kInk);
    p.fillRect(QRect(3, 2, 13, 3), QColor(0x2d, 0x7d, 0xd2));
    p.fillRect(QRect(3, 5, 13, 7), kWhite);
    p.fillRect(QRect(4, 6, 5, 1), QColor(0xb0, 0xb8, 0xc4));
    p.fillRect(QRect(4, 8, 8, 1), QColor(0xb0, 0xb8, 0xc4));
    p.fillRect(QRect(3, 16, 14, 3), kInk);
    p.fillRect(QRect(4, 17, 12, 1), QColor(0x5a, 0x66, 0x78));
    // A down arrow from the window to the bar.
    const QColor gold(0xff, 0xc8, 0x2e);
    if (scale == 1) {
        pixels(p, 10, 7,
               {"..kkkkk..", "..kyyyk..", "..kyyyk..", "..kyyyk..", "kkkyyykkk", ".kyyyyyk.",
                "..kyyyk..", "...kyk...", "....k...."},
               {{'k', kInk}, {'y', gold}});
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath down;
    down.moveTo(13, 8);
    down.lineTo(17, 8);
    down.lineTo(17, 11);
    down.lineTo(19.5, 11);
    down.lineTo(15, 15.5);
    down.lineTo(10.5, 11);
    down.lineTo(13, 11);
    down.closeSubpath();
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(gold);
    p.drawPath(down);
    p.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

const std::vector<ToolbarIcon>& toolbarIcons() {
    static const std::vector<ToolbarIcon> icons{
        {"help", paintHelp},
        {"grid", paintGrid},
        {"solution", paintSolution},
        {"small-image", paintSmallImage},
        {"missing", paintMissing},
        {"placed", paintPlaced},
        {"fetch", paintFetch},
        {"send-home", paintSendHome},
        {"hide-toolbar", paintHideToolbar},
        {"minimise", paintMinimise},
    };
    return icons;
}

QImage renderToolbarIcon(const ToolbarIcon& icon, int scale) {
    QImage img(20 * scale, 20 * scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(scale, scale);
    icon.paint(p, scale);
    p.end();
    return img;
}

} // namespace tessary::art

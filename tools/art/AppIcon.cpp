// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIcon.h"

#include "Canvas.h"
#include "TilePicture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessary::art {

namespace {

struct Layout {
    int margin;
    int gap;
    int tile;
};

// Whole pixels for every size, so that the tile edges stay sharp: the margin and gaps grow
// with the icon and the tiles take what is left.
Layout layoutFor(int size) {
    const int gap = std::max(1, static_cast<int>(std::lround(size / 36.0)));
    int margin = std::max(1, static_cast<int>(std::lround(size / 20.0)));
    while ((size - 2 * margin - 2 * gap) % 3 != 0) {
        ++margin;
    }
    return {margin, gap, (size - 2 * margin - 2 * gap) / 3};
}

QPainterPath rounded(double x, double y, double w, double h, double r) {
    QPainterPath p;
    if (r > 0) {
        p.addRoundedRect(x, y, w, h, r, r);
    } else {
        p.addRect(x, y, w, h);
    }
    return p;
}

} // namespace

void drawAppIcon(Canvas& c, int size) {
    const Layout l = layoutFor(size);
    const double s = size;
    c.fill(rounded(0, 0, s, s, s * 0.18),
           Paint::linear({0, 0}, {s, s},
                         {{0.0, QColor(0x3c, 0x34, 0x8a)}, {1.0, QColor(0x16, 0x14, 0x3e)}}));
    const double radius = l.tile >= 12 ? l.tile * 0.1 : 0.0;
    const double scale = l.tile / (kTilePictureSize / 3);
    auto at = [&](int i) { return static_cast<double>(l.margin + i * (l.tile + l.gap)); };
    // The sun's tile (top right) and the tree's tile (bottom left) have changed places.
    auto source = [](int col, int row, int& sc, int& sr) {
        sc = col;
        sr = row;
        if (col == 2 && row == 0) {
            sc = 0;
            sr = 2;
        } else if (col == 0 && row == 2) {
            sc = 2;
            sr = 0;
        }
    };
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            int sc = 0;
            int sr = 0;
            source(col, row, sc, sr);
            const bool swapped = sc != col || sr != row;
            if (swapped && size >= 48) {
                // The swapped tiles are lifted a little off the board.
                const double off = std::max(1.0, l.tile * 0.06);
                c.fill(rounded(at(col) + off, at(row) + off, l.tile, l.tile, radius),
                       Paint::solid(QColor(0, 0, 0, 110)));
            }
            c.push(rounded(at(col), at(row), l.tile, l.tile, radius), at(col) - sc * l.tile,
                   at(row) - sr * l.tile, scale);
            drawTilePicture(c);
            c.pop();
        }
    }
    if (size >= 32) {
        const double w = std::max(1.0, std::round(size / 40.0));
        const double inset = w / 2;
        c.stroke(rounded(at(0) + inset, at(2) + inset, l.tile - w, l.tile - w,
                         std::max(0.0, radius - inset)),
                 QColor(0xff, 0xee, 0x00), w);
        c.stroke(rounded(at(2) + inset, at(0) + inset, l.tile - w, l.tile - w,
                         std::max(0.0, radius - inset)),
                 QColor(0xff, 0xff, 0xff, 200), w);
    }
}

QImage renderAppIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(p);
    drawAppIcon(canvas, size);
    p.end();
    return img;
}

QString appIconSvg() {
    SvgCanvas canvas(256, 256);
    drawAppIcon(canvas, 256);
    return canvas.text();
}

} // namespace tessary::art

// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutFrames.h"

#include "Canvas.h"
#include "TilePicture.h"

#include <QPainter>

namespace tessary::art {

QImage renderAboutFrame(int frame, int scale) {
    QImage img(32 * scale, 32 * scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(p);
    const QColor dark(0x2a, 0x22, 0x4a);
    if (frame == 0) {
        // The pieces have closed up into the whole picture, framed in gold.
        p.fillRect(QRect(0, 0, 32, 32), QColor(0xf0, 0xb8, 0x28));
        QPainterPath clip;
        clip.addRect(1, 1, 30, 30);
        canvas.push(clip, 1, 1, 30.0 / kTilePictureSize);
        drawTilePicture(canvas);
        canvas.pop();
    } else {
        // Border 1, tile 14, gap 2, tile 14, border 1; the places in clockwise order are
        // top left, top right, bottom right, bottom left.
        p.fillRect(QRect(0, 0, 32, 32), dark);
        const QPoint places[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        const double unit = 28.0 / kTilePictureSize;
        for (int place = 0; place < 4; ++place) {
            const QPoint src = places[(place - frame + 4) % 4];
            const QPoint dst = places[place];
            const int x = 1 + dst.x() * 16;
            const int y = 1 + dst.y() * 16;
            QPainterPath clip;
            clip.addRect(x, y, 14, 14);
            canvas.push(clip, x - src.x() * 14, y - src.y() * 14, unit);
            drawTilePicture(canvas);
            canvas.pop();
        }
    }
    p.end();
    return img;
}

} // namespace tessary::art

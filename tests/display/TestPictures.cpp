// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestPictures.h"

#include "GifBytes.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

namespace tessary::testing {

QImage TestPictures::stripes(int w, int h, std::initializer_list<QColor> colors) {
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    const int n = int(colors.size());
    int i = 0;
    for (const QColor& c : colors) {
        const int x0 = w * i / n;
        const int x1 = w * (i + 1) / n;
        p.fillRect(x0, 0, x1 - x0, h, c);
        ++i;
    }
    return image;
}

QString TestPictures::write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QString TestPictures::bmp(const QString& name, const QImage& image) {
    return write(name, bmpBytes(image));
}

QString TestPictures::jpeg(const QString& name, const QImage& image, bool progressive) {
    return write(name, jpegBytes(image, progressive));
}

QString TestPictures::saved(const QString& name, const QImage& image, const char* format,
                            QImageIOHandler::Transformations turn) {
    if (qstrcmp(format, "gif") == 0)
        return write(name, gifBytes(image));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(turn);
    writer.write(image);
    return write(name, bytes);
}

QByteArray TestPictures::bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

QByteArray TestPictures::jpegBytes(const QImage& image, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QByteArray TestPictures::withOrientation(const QByteArray& jpeg, int orientation) {
    // APP1 "Exif": a little-endian TIFF header and one IFD entry, Orientation (0x0112, SHORT).
    QByteArray tiff("II*\0", 4);
    auto u16 = [&](int v) {
        tiff.append(char(v & 0xFF));
        tiff.append(char((v >> 8) & 0xFF));
    };
    auto u32 = [&](int v) {
        u16(v & 0xFFFF);
        u16((v >> 16) & 0xFFFF);
    };
    u32(8);
    u16(1);
    u16(0x0112);
    u16(3);
    u32(1);
    u16(orientation);
    u16(0);
    u32(0);
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment;
    segment.append(char(0xFF)).append(char(0xE1));
    segment.append(char((body.size() + 2) >> 8)).append(char((body.size() + 2) & 0xFF));
    return jpeg.left(2) + segment + body + jpeg.mid(2);
}

QByteArray TestPictures::withDeclaredSize(const QByteArray& jpeg, int w, int h) {
    QByteArray out = jpeg;
    // Walk the markers to the first start-of-frame (SOF0..SOF2).
    int i = 2;
    while (i + 9 < out.size() && uchar(out[i]) == 0xFF) {
        const uchar marker = uchar(out[i + 1]);
        const int length = (uchar(out[i + 2]) << 8) | uchar(out[i + 3]);
        if (marker >= 0xC0 && marker <= 0xC2) {
            out[i + 5] = char(h >> 8);
            out[i + 6] = char(h & 0xFF);
            out[i + 7] = char(w >> 8);
            out[i + 8] = char(w & 0xFF);
            break;
        }
        i += 2 + length;
    }
    return out;
}

} // namespace tessary::testing

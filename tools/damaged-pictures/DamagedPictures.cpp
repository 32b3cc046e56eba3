// SPDX-License-Identifier: GPL-3.0-or-later
#include "DamagedPictures.h"

#include "GifBytes.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <cstdint>
#include <random>

namespace tessary {

namespace {

using Expect = DamagedPicture::Expect;

// A smooth picture with some detail, so a JPEG of it has real compressed data.
QImage scene(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x * y) % 256));
    return image;
}

QByteArray encoded(const QImage& image, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(85);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

void put16(QByteArray& b, int at, std::uint32_t v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}
void put32(QByteArray& b, int at, std::uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// A BMP with a 40-byte information header, written by hand so the header can say anything:
// 24 or 32 bits a pixel, rows bottom-up (height > 0) or top-down (height < 0).
QByteArray bmp(int w, int h, int bits) {
    const int rows = h < 0 ? -h : h;
    const int stride = (w * bits + 31) / 32 * 4;
    QByteArray b(54 + stride * rows, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, std::uint32_t(b.size()));
    put32(b, 10, 54);
    put32(b, 14, 40);
    put32(b, 18, std::uint32_t(w));
    put32(b, 22, std::uint32_t(h));
    put16(b, 26, 1);
    put16(b, 28, std::uint32_t(bits));
    put32(b, 34, std::uint32_t(stride * rows));
    const QImage picture = scene(w, rows);
    for (int r = 0; r < rows; ++r) {
        const int y = h < 0 ? r : rows - 1 - r; // picture row stored at file row r
        for (int x = 0; x < w; ++x) {
            const QRgb p = picture.pixel(x, y);
            const int at = 54 + r * stride + x * bits / 8;
            b[at] = char(qBlue(p));
            b[at + 1] = char(qGreen(p));
            b[at + 2] = char(qRed(p));
        }
    }
    return b;
}

// Only the headers of a BMP claiming w x h pixels, followed by a little data.
QByteArray bmpHeaderOnly(std::int32_t w, std::int32_t h) {
    QByteArray b = bmp(8, 8, 24);
    put32(b, 18, std::uint32_t(w));
    put32(b, 22, std::uint32_t(h));
    return b;
}

// The JPEG with its frame header (SOF0 or SOF2) claiming w x h pixels.
QByteArray jpegClaiming(QByteArray jpeg, int w, int h) {
    for (int i = 2; i + 9 < jpeg.size(); ++i)
        if (uchar(jpeg[i]) == 0xFF && (uchar(jpeg[i + 1]) == 0xC0 || uchar(jpeg[i + 1]) == 0xC2)) {
            jpeg[i + 5] = char(h >> 8);
            jpeg[i + 6] = char(h & 0xFF);
            jpeg[i + 7] = char(w >> 8);
            jpeg[i + 8] = char(w & 0xFF);
            break;
        }
    return jpeg;
}

void put16be(QByteArray& b, int at, std::uint32_t v) {
    b[at] = char((v >> 8) & 0xFF);
    b[at + 1] = char(v & 0xFF);
}
void put32be(QByteArray& b, int at, std::uint32_t v) {
    put16be(b, at, v >> 16);
    put16be(b, at + 2, v & 0xFFFF);
}

std::uint32_t crc32(const QByteArray& bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= std::uint8_t(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The PNG with its header chunk claiming w x h pixels, its checksum made to match.
QByteArray pngClaiming(QByteArray png, std::uint32_t w, std::uint32_t h) {
    constexpr int kIhdrData = 16; // after the signature, the chunk's length and type
    put32be(png, kIhdrData, w);
    put32be(png, kIhdrData + 4, h);
    put32be(png, kIhdrData + 13, crc32(png.mid(12, 17)));
    return png;
}

// The lossy WebP with its frame header claiming w x h pixels (14 bits each).
QByteArray webpClaiming(QByteArray webp, int w, int h) {
    if (webp.mid(12, 4) == "VP8 ") {
        put16(webp, 26, std::uint32_t(w & 0x3FFF));
        put16(webp, 28, std::uint32_t(h & 0x3FFF));
    }
    return webp;
}

// The little-endian TIFF with its first directory's width and height fields set to w x h.
QByteArray tiffClaiming(QByteArray tiff, std::uint32_t w, std::uint32_t h) {
    auto u16 = [&](int at) { return int(uchar(tiff[at])) | int(uchar(tiff[at + 1])) << 8; };
    const int directory = u16(4) | u16(6) << 16;
    for (int e = 0, n = u16(directory); e < n; ++e) {
        const int at = directory + 2 + 12 * e;
        const int tag = u16(at);
        if (tag != 256 && tag != 257)
            continue;
        const std::uint32_t v = tag == 256 ? w : h;
        if (u16(at + 2) == 3)
            put16(tiff, at + 8, v);
        else
            put32(tiff, at + 8, v);
    }
    return tiff;
}

// The GIF with its screen and its first image claiming w x h pixels.
QByteArray gifClaiming(QByteArray gif, int w, int h) {
    constexpr int kFirstImage = 13 + 3 * 256; // after the header and the colour table
    for (int at : {6, kFirstImage + 5}) {
        put16(gif, at, std::uint32_t(w));
        put16(gif, at + 2, std::uint32_t(h));
    }
    return gif;
}

QByteArray randomBytes(int size, unsigned seed) {
    std::mt19937 gen(seed);
    QByteArray b(size, '\0');
    for (auto& c : b)
        c = char(gen() & 0xFF);
    b[0] = 'x'; // no picture's signature nor a GIF's block, whatever the seed gives
    return b;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

std::vector<DamagedPicture> writeDamagedPictures(const QString& folder) {
    const QDir dir(folder);
    std::vector<DamagedPicture> set;
    auto add = [&](const QString& name, const QString& what, Expect expect,
                   const QByteArray& bytes) {
        writeFile(dir.filePath(name), bytes);
        set.push_back({name, what, expect});
    };

    const QByteArray jpeg = encoded(scene(64, 48), "jpeg");
    const QByteArray progressive = encoded(scene(64, 48), "jpeg", true);
    const QByteArray grey =
        encoded(scene(48, 64).convertToFormat(QImage::Format_Grayscale8), "jpeg");
    const QByteArray bmp24 = bmp(64, 48, 24);
    const QByteArray bmp8 = encoded(scene(40, 30).convertToFormat(QImage::Format_Indexed8), "bmp");
    const QByteArray png = encoded(scene(64, 48), "png");
    const QByteArray webp = encoded(scene(64, 48), "webp");
    const QByteArray tiff = encoded(scene(64, 48), "tiff");
    const QByteArray gif = gifBytes(scene(64, 48));

    // Whole pictures under names with spaces, commas, non-ASCII letters and a leading space.
    add("harbour view.jpg", "baseline JPEG, name with a space", Expect::Loads, jpeg);
    add("boats, evening.bmp", "24-bit BMP, name with a comma", Expect::Loads, bmp24);
    add(QString::fromUtf8("Übersee café ñ.jpg"), "progressive JPEG, non-ASCII name", Expect::Loads,
        progressive);
    add(QString::fromUtf8("Ελληνικά, 日本.jpg"), "greyscale JPEG, Greek and Japanese name",
        Expect::Loads, grey);
    add(" leading space.bmp", "8-bit BMP, name with a leading space", Expect::Loads, bmp8);
    add("top-down.bmp", "32-bit BMP stored top-down (negative height)", Expect::Loads,
        bmp(40, -30, 32));
    add("jpeg named.bmp", "a JPEG named .bmp", Expect::Loads, jpeg);
    add("bmp named.jpg", "a BMP named .jpg", Expect::Loads, bmp24);
    add("png named.bmp", "a PNG named .bmp", Expect::Loads, png);
    add("harbour view.png", "PNG", Expect::Loads, png);
    add(QString::fromUtf8("Übersee café.webp"), "WebP, non-ASCII name", Expect::Loads, webp);
    add("boats, evening.tif", "TIFF, name with a comma", Expect::Loads, tiff);
    add("harbour view.gif", "GIF", Expect::Loads, gif);

    // The other formats: cut short, random bytes after a whole header, sizes no picture has.
    struct Format {
        QString ext;
        QString name;
        QByteArray whole;
        int header;      // the bytes of a whole header, before any picture data
        QByteArray huge; // claiming far more than 100 million pixels
        QByteArray noWidth;
        QString endCut; // what losing the last bytes takes away
    };
    const Format others[] = {
        {"png", "PNG", png, 33, pngClaiming(png, 60000, 60000), pngClaiming(png, 0, 48),
         "end chunk"},
        {"webp", "WebP", webp, 12, webpClaiming(webp, 16383, 16383), webpClaiming(webp, 0, 48),
         "picture data"},
        {"tif", "TIFF", tiff, 8, tiffClaiming(tiff, 60000, 60000), tiffClaiming(tiff, 0, 48),
         "last field values"},
        {"gif", "GIF", gif, 13 + 3 * 256, gifClaiming(gif, 60000, 60000), gifClaiming(gif, 0, 48),
         "trailer"},
    };
    unsigned seed = 3;
    for (const Format& f : others) {
        add("cut half." + f.ext, f.name + " cut at half its length", Expect::Refused,
            f.whole.left(f.whole.size() / 2));
        add("cut end." + f.ext, f.name + " without its last byte (its " + f.endCut + ")",
            Expect::Refused, f.whole.left(f.whole.size() - 1));
        add("garbage." + f.ext, f.name + " with random bytes after its header", Expect::Refused,
            f.whole.left(f.header) + randomBytes(2048, seed++));
        add("huge." + f.ext, f.name + " claiming more pixels than any picture taken",
            Expect::Refused, f.huge);
        add("zero width." + f.ext, f.name + " of width 0", Expect::Refused, f.noWidth);
    }

    // Cut short.
    add("cut half.jpg", "JPEG cut at half its length", Expect::Refused, jpeg.left(jpeg.size() / 2));
    add("cut headers.jpg", "JPEG cut inside its headers", Expect::Refused, jpeg.left(200));
    add("cut end marker.jpg", "JPEG without its last two bytes (the end marker)", Expect::Refused,
        jpeg.left(jpeg.size() - 2));
    add("cut progressive.jpg", "progressive JPEG cut at three quarters", Expect::Refused,
        progressive.left(progressive.size() * 3 / 4));
    add("cut half.bmp", "BMP cut at half its length", Expect::Refused,
        bmp24.left(bmp24.size() / 2));
    add("cut header.bmp", "BMP cut inside its header", Expect::Refused, bmp24.left(30));
    add("cut one byte.bmp", "BMP one byte short", Expect::Refused, bmp24.left(bmp24.size() - 1));

    // Sizes no picture has.
    add("huge 100000x100000.bmp", "BMP header claiming 100000 x 100000 pixels", Expect::Refused,
        bmpHeaderOnly(100000, 100000));
    add("huge 60000x60000.jpg", "JPEG frame claiming 60000 x 60000 pixels", Expect::Refused,
        jpegClaiming(jpeg, 60000, 60000));
    add("zero width.bmp", "BMP of width 0", Expect::Refused, bmpHeaderOnly(0, 8));
    add("zero height.bmp", "BMP of height 0", Expect::Refused, bmpHeaderOnly(8, 0));
    add("negative width.bmp", "BMP of width -8", Expect::Refused, bmpHeaderOnly(-8, 8));
    add("most negative.bmp", "BMP of width and height -2147483648", Expect::Refused,
        bmpHeaderOnly(INT32_MIN, INT32_MIN));
    add("zero width.jpg", "JPEG frame of width 0", Expect::Refused, jpegClaiming(jpeg, 0, 48));
    add("zero height.jpg", "JPEG frame of height 0", Expect::Refused, jpegClaiming(jpeg, 64, 0));

    // Not pictures at all.
    add("random.jpg", "4096 random bytes named .jpg", Expect::Refused, randomBytes(4096, 1));
    add("random.bmp", "4096 random bytes named .bmp", Expect::Refused, randomBytes(4096, 2));
    add("empty.jpg", "an empty file", Expect::Refused, QByteArray());
    add("icon named.bmp", "an icon named .bmp (not a format the game takes)", Expect::Refused,
        encoded(scene(32, 24), "ico"));
    add("text.jpg", "a line of text named .jpg", Expect::Refused, "Morvane-Tessary\r\n");
    add("jpeg start only.jpg", "a JPEG's first two bytes alone", Expect::Refused, jpeg.left(2));
    add("BM only.bmp", "the letters BM alone", Expect::Refused, "BM");

    dir.mkdir("x.bmp");
    set.push_back({"x.bmp", "a folder named x.bmp", Expect::Refused});
    set.push_back({"gone.jpg", "a file that is no longer there", Expect::Refused});
    return set;
}

} // namespace tessary

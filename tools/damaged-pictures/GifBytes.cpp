// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifBytes.h"

namespace tessary {

namespace {

constexpr int kClear = 256;
constexpr int kEnd = 257;
constexpr int kCodeBits = 9;
// Literals between clear codes: each adds a table entry, and a ninth bit suffices while the
// table stays below 512 entries.
constexpr int kLiteralsPerClear = 250;

void put16(QByteArray& b, int v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

// Packs codes least significant bit first, as GIF's LZW data is.
class CodePacker {
  public:
    void put(int code) {
        bits_ |= quint32(code) << count_;
        count_ += kCodeBits;
        while (count_ >= 8) {
            bytes_.append(char(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray finish() {
        if (count_ > 0)
            bytes_.append(char(bits_ & 0xFF));
        return bytes_;
    }

  private:
    QByteArray bytes_;
    quint32 bits_ = 0;
    int count_ = 0;
};

} // namespace

QByteArray gifBytes(const QImage& image) {
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
    QByteArray b("GIF89a");
    put16(b, indexed.width());
    put16(b, indexed.height());
    b.append(char(0xF7)); // a global table of 256 colours, 8 bits a channel
    b.append('\0');       // background colour
    b.append('\0');       // square pixels
    const QList<QRgb> colours = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        b.append(char(qRed(c)));
        b.append(char(qGreen(c)));
        b.append(char(qBlue(c)));
    }
    b.append(char(0x2C));
    put16(b, 0);
    put16(b, 0);
    put16(b, indexed.width());
    put16(b, indexed.height());
    b.append('\0');    // no local table, not interlaced
    b.append(char(8)); // LZW code size

    CodePacker codes;
    int sinceClear = kLiteralsPerClear;
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear == kLiteralsPerClear) {
                codes.put(kClear);
                sinceClear = 0;
            }
            codes.put(indexed.pixelIndex(x, y));
            ++sinceClear;
        }
    codes.put(kEnd);
    const QByteArray data = codes.finish();
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        b.append(char(block.size()));
        b.append(block);
    }
    b.append('\0'); // the end of the image's data
    b.append(char(0x3B));
    return b;
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Output.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <cstdio>

namespace tessary::art {

void Output::image(const QString& path, const QImage& img) {
    QByteArray format = "PNG";
    if (path.endsWith(QLatin1String(".jpg"))) {
        format = "JPEG";
    } else if (path.endsWith(QLatin1String(".bmp"))) {
        format = "BMP";
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "JPEG") {
        writer.setQuality(85);
    }
    // Qt writes a 32-bit image without alpha as a 24-bit BMP, the kind every reader knows.
    const QImage source = format == "BMP" ? img.convertToFormat(QImage::Format_RGB32) : img;
    if (!writer.write(source)) {
        fail(path, writer.errorString());
        return;
    }
    buffer.close();

    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QImage back = reader.read();
    if (back.isNull() || back.size() != img.size()) {
        fail(path, QStringLiteral("does not read back at its size"));
        return;
    }
    if (format == "BMP" && (bytes.size() < 30 || bytes[28] != 24 || bytes[29] != 0)) {
        fail(path, QStringLiteral("is not a 24-bit BMP"));
        return;
    }
    put(path, bytes);
}

void Output::text(const QString& path, const QByteArray& bytes) {
    put(path, bytes);
}

void Output::put(const QString& path, const QByteArray& bytes) {
    const QString full = root_.filePath(path);
    QFile file(full);
    if (mode_ == Mode::Check) {
        if (!file.open(QIODevice::ReadOnly)) {
            fail(path, QStringLiteral("is missing"));
        } else if (file.readAll() != bytes) {
            fail(path, QStringLiteral(
                           "differs from what the tool draws; run it again and commit the result"));
        } else {
            std::printf("same   %s\n", qPrintable(path));
        }
        return;
    }
    QDir().mkpath(QFileInfo(full).absolutePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        fail(path, file.errorString());
        return;
    }
    std::printf("wrote  %s (%lld bytes)\n", qPrintable(path), static_cast<long long>(bytes.size()));
}

void Output::fail(const QString& path, const QString& why) {
    std::fprintf(stderr, "FAILED %s: %s\n", qPrintable(path), qPrintable(why));
    ok_ = false;
}

} // namespace tessary::art

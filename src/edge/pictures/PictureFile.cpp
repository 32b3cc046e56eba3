// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureFile.h"

#include "files/BmpHeaderCheck.h"
#include "files/GifEndCheck.h"
#include "files/JpegEndCheck.h"
#include "files/PngEndCheck.h"
#include "files/TiffDataCheck.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace tessary {

namespace {

// The decode running on this thread, if any, and whether the JPEG decoder has complained.
thread_local bool* jpegDamage = nullptr;

std::mutex watchMutex;
int watchDepth = 0;
QtMessageHandler previousHandler = nullptr;

bool isDamageWarning(const QString& text) {
    // "Premature end of JPEG file", "Corrupt JPEG data: premature end of data segment",
    // "Corrupt JPEG data: bad Huffman code". Extraneous bytes before a marker are harmless.
    return text.contains(QLatin1String("premature end"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("Huffman"), Qt::CaseInsensitive);
}

void watchHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (jpegDamage && context.category &&
        std::strcmp(context.category, "qt.gui.imageio.jpeg") == 0) {
        if (isDamageWarning(text))
            *jpegDamage = true;
        return;
    }
    if (previousHandler) {
        previousHandler(type, context, text);
        return;
    }
    const QString line = qFormatLogMessage(type, context, text);
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

// The format is told by the content, never by the file's extension.
void configure(QImageReader& reader) {
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
}

bool sideways(QImageIOHandler::Transformations t) {
    return t.testFlag(QImageIOHandler::TransformationRotate90);
}

bool bmpComplete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(static_cast<qint64>(kBmpHeadBytes));
    return bmpDataFits(reinterpret_cast<const unsigned char*>(head.constData()),
                       static_cast<std::size_t>(head.size()),
                       static_cast<std::uint64_t>(file.size()));
}

// The formats taken besides BMP; each file is read whole.
bool readWhole(const QByteArray& format) {
    return format == "jpeg" || format == "png" || format == "gif" || format == "tiff" ||
           format == "webp";
}

// Whether a file read whole is all there, by its format's own structure. The WebP reader
// refuses a file shorter than its own header says, so a WebP needs no check of ours.
bool allThere(const QByteArray& format, const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    if (format == "jpeg")
        return jpegReachesEnd(data, size);
    if (format == "png")
        return pngReachesEnd(data, size);
    if (format == "gif")
        return gifReachesTrailer(data, size);
    if (format == "tiff")
        return tiffDataFits(data, size);
    return true;
}

} // namespace

JpegDamageWatch::JpegDamageWatch() {
    std::lock_guard lock(watchMutex);
    if (watchDepth++ == 0)
        previousHandler = qInstallMessageHandler(watchHandler);
}

JpegDamageWatch::~JpegDamageWatch() {
    std::lock_guard lock(watchMutex);
    if (--watchDepth == 0) {
        qInstallMessageHandler(previousHandler);
        previousHandler = nullptr;
    }
}

std::optional<PictureInfo> probePicture(const QString& path, PictureProblem* problem) {
    PictureProblem ignored = PictureProblem::None;
    PictureProblem& why = problem != nullptr ? *problem : ignored;
    why = PictureProblem::None;
    auto refuse = [&why](PictureProblem reason) {
        why = reason;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QFileInfo::exists(path) ? PictureProblem::NotAPicture
                                              : PictureProblem::Missing);
    const QByteArray format = QImageReader::imageFormat(&file);
    PictureInfo info;
    QBuffer buffer;
    QImageReader reader;
    if (readWhole(format)) {
        // The whole file is kept for the decoder: its ends are checked once in memory, and
        // read from memory libjpeg stays on its fast path for the whole picture (through a
        // file it gets 4 KB at a time).
        if (file.size() > kMostPictureBytes)
            return refuse(PictureProblem::TooLarge);
        info.wholeFile = file.readAll();
        if (info.wholeFile.size() != file.size() || !allThere(format, info.wholeFile))
            return refuse(PictureProblem::Damaged);
        buffer.setData(info.wholeFile);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
    } else if (format == "bmp") {
        if (!bmpComplete(path))
            return refuse(PictureProblem::Damaged);
        reader.setDevice(&file);
    } else {
        return refuse(PictureProblem::NotAPicture);
    }
    configure(reader);
    QSize raw = reader.size();
    // Qt reports a BMP stored top-down with the negative height of its header.
    raw.setHeight(int(std::abs(qint64(raw.height()))));
    if (!raw.isValid() || raw.width() <= 0 || raw.height() <= 0)
        return refuse(PictureProblem::Damaged);
    if (qint64(raw.width()) * raw.height() > kMostPicturePixels)
        return refuse(PictureProblem::TooLarge);
    info.transformation = reader.transformation();
    info.upright = sideways(info.transformation) ? raw.transposed() : raw;
    return info;
}

QString pictureRefusal(const QString& path, PictureProblem problem) {
    QString why;
    switch (problem) {
    case PictureProblem::Missing:
        why = QStringLiteral("the file is not there");
        break;
    case PictureProblem::NotAPicture:
        why = QStringLiteral("it is not a BMP, JPEG, PNG, WebP, TIFF or GIF picture");
        break;
    case PictureProblem::TooLarge:
        why =
            QStringLiteral("it has more than %1 million pixels").arg(kMostPicturePixels / 1000000);
        break;
    case PictureProblem::Damaged:
    case PictureProblem::None:
        why = QStringLiteral("it is damaged or cut short");
        break;
    }
    return QStringLiteral("%1 could not be read as a picture: %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

QImage decodePicture(const QString& path, const PictureInfo& info, QSize block, bool cropped) {
    if (block.isEmpty())
        return {};
    QFile file(path);
    QBuffer buffer;
    QImageReader reader;
    if (!info.wholeFile.isEmpty()) {
        buffer.setData(info.wholeFile); // shared, not copied
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
    } else {
        if (!file.open(QIODevice::ReadOnly))
            return {};
        reader.setDevice(&file);
    }
    configure(reader);

    // The reader scales and clips the picture as stored; the orientation is applied after.
    QSize scaled = block;
    QRect clip;
    if (cropped) {
        const double s = std::max(double(block.width()) / info.upright.width(),
                                  double(block.height()) / info.upright.height());
        scaled = QSize(std::max(block.width(), int(std::lround(info.upright.width() * s))),
                       std::max(block.height(), int(std::lround(info.upright.height() * s))));
        clip = QRect((scaled.width() - block.width()) / 2, (scaled.height() - block.height()) / 2,
                     block.width(), block.height());
    }
    if (sideways(info.transformation)) {
        scaled.transpose();
        clip = QRect(clip.y(), clip.x(), clip.height(), clip.width());
    }
    reader.setScaledSize(scaled);
    if (cropped)
        reader.setScaledClipRect(clip);

    bool damaged = false;
    jpegDamage = &damaged;
    QImage image = reader.read();
    jpegDamage = nullptr;
    if (image.isNull() || damaged)
        return {};
    if (image.size() != block) // not expected; keep the block's size whatever the decoder did
        image = image.scaled(block, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace tessary

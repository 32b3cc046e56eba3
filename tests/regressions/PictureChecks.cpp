// SPDX-License-Identifier: GPL-3.0-or-later
#include "regressions/PictureChecks.h"

#include "pictures/PictureFile.h"

namespace tessary::checks {

namespace {

// A block of the size a small board's piece block has; both fit modes are tried.
constexpr QSize kBlock(48, 36);

} // namespace

std::string checkPicture(const QString& path) {
    JpegDamageWatch watch;
    const auto info = probePicture(path);
    if (!info)
        return "";
    const QSize s = info->upright;
    if (s.width() <= 0 || s.height() <= 0 || qint64(s.width()) * s.height() > kMostPicturePixels)
        return "a picture of no size or too many pixels passed the header checks";
    for (bool cropped : {false, true}) {
        const QImage image = decodePicture(path, *info, kBlock, cropped);
        if (image.isNull())
            continue;
        if (image.size() != kBlock)
            return "the decoded picture is not the block's size";
        if (image.format() != QImage::Format_RGB32)
            return "the decoded picture is not RGB32";
    }
    return "";
}

std::string pictureOutcome(const QString& path) {
    JpegDamageWatch watch;
    const auto info = probePicture(path);
    if (!info)
        return "refused";
    return decodePicture(path, *info, kBlock, false).isNull() ? "damaged" : "ok";
}

} // namespace tessary::checks

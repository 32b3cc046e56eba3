// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>

#include <optional>

namespace tessary {

// What a picture file's headers say, once they have been checked.
struct PictureInfo {
    QSize upright; // natural size with the photo's orientation applied
    QImageIOHandler::Transformations transformation;
    QByteArray wholeFile; // the file, read once; empty for a BMP, read from the disk
};

// The largest picture taken, in pixels; anything larger is refused rather than decoded.
constexpr qint64 kMostPicturePixels = 100'000'000;
// The largest file read whole (a 100-megapixel photo is far smaller).
constexpr qint64 kMostPictureBytes = 512LL * 1024 * 1024;

// Why a file was not taken as a picture.
enum class PictureProblem { None, Missing, NotAPicture, Damaged, TooLarge };

// Reads and checks the headers of a BMP, JPEG, PNG, WebP, TIFF or GIF file: the format from
// the content, a positive size within kMostPicturePixels, and that the file is whole: for a
// BMP the declared pixel data against the file's length, for a JPEG, PNG or GIF the data
// running on to its end, for a TIFF every strip inside the file (a WebP reader checks its own
// length). Nothing else is accepted; the reason is left in `problem` when one is given. The
// size it gives is the one picture size used everywhere, by the board and the image chooser.
std::optional<PictureInfo> probePicture(const QString& path, PictureProblem* problem = nullptr);

// What the player is told about a file that is not taken: its name and the reason.
QString pictureRefusal(const QString& path, PictureProblem problem);

// Decodes the picture directly at `block` size (a JPEG at a reduced scale when it is much
// larger; a GIF's first frame), shown upright: the whole picture squeezed into the block, or with
// `cropped` the centred part of the block's proportions. A picture whose data is damaged gives a
// null image. Thread-safe; a JpegDamageWatch must be alive while it runs.
QImage decodePicture(const QString& path, const PictureInfo& info, QSize block, bool cropped);

// While one is alive, the JPEG decoder's warnings about missing or corrupt data are caught and
// make decodePicture fail (the decoder itself still returns a partly grey picture). Other
// messages go on to the handler that was installed before.
class JpegDamageWatch {
  public:
    JpegDamageWatch();
    ~JpegDamageWatch();
    JpegDamageWatch(const JpegDamageWatch&) = delete;
    JpegDamageWatch& operator=(const JpegDamageWatch&) = delete;
};

} // namespace tessary

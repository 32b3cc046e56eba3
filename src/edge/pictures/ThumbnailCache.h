// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace tessary {

// A picture's thumbnail as the catalogue shows it: the small image and the picture's own size,
// upright; or, for a file no reader can make a picture of, nothing.
struct Thumbnail {
    QImage image;
    QSize pictureSize;
    bool readable() const { return !image.isNull(); }
};

// The desktop's shared thumbnail cache, kept as the freedesktop.org thumbnail standard lays it
// out, so the file manager's thumbnails are used here and ours help it: 128-pixel PNGs in
// normal/, named by the MD5 of the picture's file:// URI, each carrying the URI and the
// picture's modification time; a picture no reader can open is noted in
// fail/tessary-<version>/ so it is not tried again until it changes. A thumbnail is taken only
// when both match the picture as it is now; otherwise it is made again.
//
// Every method may run on any thread: the cache holds nothing but its folder.
class ThumbnailCache {
  public:
    static constexpr int kNormalSize = 128;

    // root: the folder holding normal/ and fail/; by default $XDG_CACHE_HOME/thumbnails
    // (~/.cache/thumbnails).
    explicit ThumbnailCache(QString root = defaultRoot());
    static QString defaultRoot();

    // The file:// URI of an absolute path, escaped as GLib escapes it for the file managers:
    // bytes other than letters, digits and -_.!~*'()/&=:@+$, are written %XX.
    static QByteArray uriOf(const QString& absolutePath);
    // The cache's name for a picture: the MD5 of its URI in lower-case hex, then ".png".
    static QString fileNameOf(const QByteArray& uri);

    // The thumbnail of the picture at path: from the cache while it is still true to the
    // picture, else made from the picture (decoded at its small size) and stored.
    Thumbnail thumbnailOf(const QString& path) const;

    // The cache's files for a picture, made or not.
    QString normalFileOf(const QString& path) const;
    QString failFileOf(const QString& path) const;

  private:
    struct Stamp;
    static Stamp stampOf(const QString& path);
    static bool stampMatches(const QString& cacheFile, const Stamp& stamp, QImage* image,
                             QSize* pictureSize);
    void store(const QString& cacheFile, QImage image, const Stamp& stamp, QSize pictureSize) const;

    QString root_;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestPictures.h"

#include "pictures/ThumbnailCache.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tessary::testing {
namespace {

// The cache's names are the ones every desktop program computes for the same file.
TEST(ThumbnailCache, NamesAPictureAsTheFileManagersDo) {
    // The example of the thumbnail standard.
    EXPECT_EQ(ThumbnailCache::fileNameOf(ThumbnailCache::uriOf("/home/jens/photos/me.png")),
              "c6ee772d9e49320e97ec29a7eb5b1697.png");
    const QByteArray uri =
        ThumbnailCache::uriOf(QStringLiteral("/home/ann/My Pictures/été #1;2,(x).jpg"));
    EXPECT_EQ(uri, "file:///home/ann/My%20Pictures/%C3%A9t%C3%A9%20%231%3B2,(x).jpg");
    EXPECT_EQ(ThumbnailCache::fileNameOf(uri), "c4e8c8a6260f5c02d8c88df8e0caee16.png");
}

void setModified(const QString& path, const QDateTime& when) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QString keyOf(const QString& thumbnail, const char* key) {
    return QImage(thumbnail).text(QString::fromLatin1(key));
}

mode_t modeOf(const QString& path) {
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(ThumbnailCache, MakesStoresReusesAndRemakesAThumbnail) {
    TestPictures pictures;
    QTemporaryDir cacheRoot;
    const ThumbnailCache cache(cacheRoot.path() + "/thumbnails");
    // A phone photo stored sideways: its size is the upright one.
    const QString photo = pictures.write(
        "photo one.jpg",
        TestPictures::withOrientation(
            TestPictures::jpegBytes(TestPictures::stripes(640, 480, {Qt::red, Qt::blue})), 6));
    const QDateTime taken = QDateTime::fromSecsSinceEpoch(1700000000);
    setModified(photo, taken);

    const Thumbnail made = cache.thumbnailOf(photo);
    ASSERT_TRUE(made.readable());
    EXPECT_EQ(made.pictureSize, QSize(480, 640));
    EXPECT_EQ(made.image.size(), QSize(96, 128));
    const QString stored = cache.normalFileOf(photo);
    EXPECT_EQ(keyOf(stored, "Thumb::URI"),
              ThumbnailCache::uriOf(QFileInfo(photo).canonicalFilePath()));
    EXPECT_EQ(keyOf(stored, "Thumb::MTime"), "1700000000");
    EXPECT_EQ(keyOf(stored, "Thumb::Image::Width"), "480");
    // For the player's eyes only.
    EXPECT_EQ(modeOf(stored), 0600u);
    EXPECT_EQ(modeOf(cacheRoot.path() + "/thumbnails"), 0700u);
    EXPECT_EQ(modeOf(cacheRoot.path() + "/thumbnails/normal"), 0700u);

    // While the picture keeps its time, the stored thumbnail stands for it: the picture itself
    // is not read, even when it could no longer be.
    const QByteArray photoBytes = [&] {
        QFile f(photo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    pictures.write("photo one.jpg", QByteArray(photoBytes.size(), 'x'));
    setModified(photo, taken);
    const Thumbnail reused = cache.thumbnailOf(photo);
    ASSERT_TRUE(reused.readable());
    EXPECT_EQ(reused.pictureSize, QSize(480, 640));

    // A picture changed since is made again.
    pictures.write("photo one.jpg",
                   TestPictures::jpegBytes(TestPictures::stripes(120, 90, {Qt::green})));
    setModified(photo, taken.addSecs(60));
    const Thumbnail remade = cache.thumbnailOf(photo);
    EXPECT_EQ(remade.pictureSize, QSize(120, 90));
    EXPECT_EQ(remade.image.size(), QSize(120, 90)); // smaller than a thumbnail: kept as it is
    EXPECT_EQ(keyOf(stored, "Thumb::MTime"), "1700000060");

    // A file no reader takes is noted as failed by this program, and stays failed until it
    // changes.
    const QString broken = pictures.write("broken.png", "not a picture at all");
    EXPECT_FALSE(cache.thumbnailOf(broken).readable());
    EXPECT_TRUE(QFileInfo::exists(cache.failFileOf(broken)));
    EXPECT_FALSE(QFileInfo::exists(cache.normalFileOf(broken)));
}

} // namespace
} // namespace tessary::testing

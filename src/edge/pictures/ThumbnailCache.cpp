// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/ThumbnailCache.h"

#include "files/AtomicFile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef TESSARY_VERSION
#define TESSARY_VERSION "0"
#endif

namespace tessary {

namespace {

constexpr char kSoftware[] = "Tessary " TESSARY_VERSION;
constexpr char kFailFolder[] = "fail/tessary-" TESSARY_VERSION;

// A thumbnail is written whole or not at all, readable by the player alone. It is a cache: one
// lost in a crash is simply made again, so it is not flushed to the disk.
class ThumbnailFileOps : public FileOps {
  public:
    int createNew(const std::filesystem::path& path) override {
        int fd;
        do {
            fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        } while (fd < 0 && errno == EINTR);
        return fd;
    }
    bool sync(int) override { return true; }
    void syncFolder(const std::filesystem::path&) override {}
};

// The folder and those above it that are missing, each made for the player alone.
bool makePrivateFolder(const QString& folder) {
    if (QFileInfo(folder).isDir())
        return true;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder && !makePrivateFolder(parent))
        return false;
    return ::mkdir(QFile::encodeName(folder).constData(), 0700) == 0 || errno == EEXIST;
}

bool isUnescaped(char c) {
    static constexpr std::string_view kMarks = "-_.!~*'()/&=:@+$,";
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           kMarks.find(c) != std::string_view::npos;
}

} // namespace

// What the cache keys a picture by: its URI, and its modification time and size as they are
// now.
struct ThumbnailCache::Stamp {
    QByteArray uri;
    qint64 mtime = 0;
    qint64 size = 0;
};

ThumbnailCache::ThumbnailCache(QString root) : root_(std::move(root)) {}

QString ThumbnailCache::defaultRoot() {
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/thumbnails");
}

QByteArray ThumbnailCache::uriOf(const QString& absolutePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray uri = "file://";
    for (const char c : QFile::encodeName(absolutePath)) {
        if (isUnescaped(c)) {
            uri += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        uri += '%';
        uri += kHex[byte >> 4];
        uri += kHex[byte & 15];
    }
    return uri;
}

QString ThumbnailCache::fileNameOf(const QByteArray& uri) {
    return QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

ThumbnailCache::Stamp ThumbnailCache::stampOf(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return Stamp{uriOf(canonical.isEmpty() ? info.absoluteFilePath() : canonical),
                 info.lastModified().toSecsSinceEpoch(), info.size()};
}

QString ThumbnailCache::normalFileOf(const QString& path) const {
    return root_ + QStringLiteral("/normal/") + fileNameOf(stampOf(path).uri);
}

QString ThumbnailCache::failFileOf(const QString& path) const {
    return root_ + QLatin1Char('/') + QLatin1String(kFailFolder) + QLatin1Char('/') +
           fileNameOf(stampOf(path).uri);
}

bool ThumbnailCache::stampMatches(const QString& cacheFile, const Stamp& stamp, QImage* image,
                                  QSize* pictureSize) {
    // The keys are read with the small image: Qt's reader takes "Thumb::URI" apart at the
    // colon when asked for the keys alone.
    const QImage thumbnail = QImageReader(cacheFile, "png").read();
    if (thumbnail.isNull() || thumbnail.text(QStringLiteral("Thumb::URI")).toUtf8() != stamp.uri)
        return false;
    bool ok = false;
    if (thumbnail.text(QStringLiteral("Thumb::MTime")).trimmed().toLongLong(&ok) != stamp.mtime ||
        !ok)
        return false;
    if (pictureSize != nullptr)
        *pictureSize = QSize(thumbnail.text(QStringLiteral("Thumb::Image::Width")).toInt(),
                             thumbnail.text(QStringLiteral("Thumb::Image::Height")).toInt());
    if (image != nullptr)
        *image = thumbnail;
    return true;
}

void ThumbnailCache::store(const QString& cacheFile, QImage image, const Stamp& stamp,
                           QSize pictureSize) const {
    image.setText(QStringLiteral("Thumb::URI"), QString::fromLatin1(stamp.uri));
    image.setText(QStringLiteral("Thumb::MTime"), QString::number(stamp.mtime));
    image.setText(QStringLiteral("Thumb::Size"), QString::number(stamp.size));
    if (pictureSize.isValid()) {
        image.setText(QStringLiteral("Thumb::Image::Width"), QString::number(pictureSize.width()));
        image.setText(QStringLiteral("Thumb::Image::Height"),
                      QString::number(pictureSize.height()));
    }
    image.setText(QStringLiteral("Software"), QLatin1String(kSoftware));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(image))
        return;
    // A cache that cannot be written only means the thumbnail is made again next time.
    if (!makePrivateFolder(QFileInfo(cacheFile).absolutePath()))
        return;
    ThumbnailFileOps ops;
    writeFileAtomically(QFile::encodeName(cacheFile).toStdString(),
                        std::string_view(bytes.constData(), std::size_t(bytes.size())), ops);
}

Thumbnail ThumbnailCache::thumbnailOf(const QString& path) const {
    const Stamp stamp = stampOf(path);
    const QString name = fileNameOf(stamp.uri);
    const QString normal = root_ + QStringLiteral("/normal/") + name;
    const QString failed =
        root_ + QLatin1Char('/') + QLatin1String(kFailFolder) + QLatin1Char('/') + name;

    QImageReader reader(path);
    reader.setAutoTransform(true);
    Thumbnail thumbnail;
    if (stampMatches(normal, stamp, &thumbnail.image, &thumbnail.pictureSize)) {
        // A thumbnail made elsewhere may not say the picture's size: its header does.
        if (thumbnail.pictureSize.isEmpty()) {
            thumbnail.pictureSize = reader.size();
            if (reader.transformation() & QImageIOHandler::TransformationRotate90)
                thumbnail.pictureSize.transpose();
        }
        return thumbnail;
    }
    if (stampMatches(failed, stamp, nullptr, nullptr))
        return {};

    const QSize stored = reader.size();
    if (!stored.isEmpty()) {
        // The size to decode at is the picture's as stored; the turn upright comes after.
        if (stored.width() > kNormalSize || stored.height() > kNormalSize)
            reader.setScaledSize(
                stored.scaled(kNormalSize, kNormalSize, Qt::KeepAspectRatio).expandedTo({1, 1}));
        thumbnail.pictureSize = stored;
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            thumbnail.pictureSize.transpose();
        thumbnail.image = reader.read();
    }
    if (!thumbnail.readable()) {
        QImage mark(1, 1, QImage::Format_ARGB32);
        mark.fill(Qt::transparent);
        store(failed, mark, stamp, {});
        return {};
    }
    store(normal, thumbnail.image, stamp, thumbnail.pictureSize);
    return thumbnail;
}

} // namespace tessary

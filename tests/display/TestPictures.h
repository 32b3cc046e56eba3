// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageIOHandler>
#include <QString>
#include <QTemporaryDir>

#include <initializer_list>

namespace tessary::testing {

// Picture files made for one test, in a folder removed afterwards.
class TestPictures {
  public:
    // A w x h picture cut into equal vertical stripes of the given colours, left to right.
    static QImage stripes(int w, int h, std::initializer_list<QColor> colors);

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes);
    QString bmp(const QString& name, const QImage& image);
    QString jpeg(const QString& name, const QImage& image, bool progressive = false);
    // In any format Qt writes, or "gif"; a TIFF can carry the turn a viewer is to give it.
    QString saved(const QString& name, const QImage& image, const char* format,
                  QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone);

    static QByteArray bmpBytes(const QImage& image);
    static QByteArray jpegBytes(const QImage& image, bool progressive = false);
    // The same JPEG telling the viewer to turn it (EXIF orientation 1..8).
    static QByteArray withOrientation(const QByteArray& jpeg, int orientation);
    // The same JPEG with the size in its frame header changed (the data stays as it was).
    static QByteArray withDeclaredSize(const QByteArray& jpeg, int w, int h);

  private:
    QTemporaryDir dir_;
};

} // namespace tessary::testing

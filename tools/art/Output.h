// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

namespace tessary::art {

// Where the artwork goes: written into the assets folder, or compared with the files that
// are already there (to prove that the committed artwork is what this tool draws).
class Output {
  public:
    enum class Mode { Write, Check };

    Output(const QDir& root, Mode mode) : root_(root), mode_(mode) {}

    // Encodes `img` as PNG, JPEG (quality 85) or 24-bit BMP by the path's extension, and
    // reads it back to make sure the game will be able to load it.
    void image(const QString& path, const QImage& img);
    void text(const QString& path, const QByteArray& bytes);

    bool ok() const { return ok_; }

  private:
    void put(const QString& path, const QByteArray& bytes);
    void fail(const QString& path, const QString& why);

    QDir root_;
    Mode mode_;
    bool ok_ = true;
};

} // namespace tessary::art

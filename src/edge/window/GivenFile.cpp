// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/GivenFile.h"

#include "files/SavedGame.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace tessary {

GivenFileKind kindOfGivenFile(const std::string& path) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.isFile())
        return GivenFileKind::missing;
    QFile file(name);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray start = file.read(qint64(kSavedGameHeader.size()));
        if (start.toStdString() == kSavedGameHeader)
            return GivenFileKind::savedGame;
    }
    // The header alone decides here: a damaged picture still goes to the image chooser, which
    // tells the player what is wrong with it.
    return QImageReader(name).canRead() ? GivenFileKind::picture : GivenFileKind::other;
}

} // namespace tessary

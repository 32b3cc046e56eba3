#include "platform/ProgramFolders.h"

#include "files/SoundListFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tessary {

namespace {

bool writable(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tessary-XXXXXX")));
    return probe.open();
}

std::filesystem::path toPath(const QString& folder) {
    return std::filesystem::path(QDir::cleanPath(folder).toStdString());
}

} // namespace

ProgramFolders ProgramFolders::locate() {
    QString program = QCoreApplication::applicationDirPath();
    // An installed game keeps its files in <prefix>/share/tessary beside <prefix>/bin; the
    // sound list tells which folder holds them.
    const QString shared = QDir(program).filePath(QStringLiteral("../share/tessary"));
    const QString soundList =
        QString::fromUtf8(kSoundListFileName.data(), qsizetype(kSoundListFileName.size()));
    if (!QFileInfo::exists(QDir(program).filePath(soundList)) &&
        QFileInfo::exists(QDir(shared).filePath(soundList)))
        program = shared;

    ProgramFolders folders;
    folders.programFolder = toPath(program);
    if (writable(program)) {
        folders.dataFolder = folders.programFolder;
    } else {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(data);
        folders.dataFolder = toPath(data);
    }
    return folders;
}

} // namespace tessary

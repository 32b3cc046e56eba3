// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolders.h"

#include "files/DataFolderMove.h"
#include "files/SoundListFile.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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
        // Named here rather than from the application's names, which Qt would double.
        const QDir players(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
        const QString data = players.filePath(QStringLiteral("tessary"));
        QDir().mkpath(data);
        folders.dataFolder = toPath(data);
        folders.formerDataFolder = toPath(players.filePath(QStringLiteral("Tessary/Tessary")));
    }
    return folders;
}

void ProgramFolders::moveFormerFiles() const {
    std::error_code ec;
    if (formerDataFolder.empty() || !std::filesystem::is_directory(formerDataFolder, ec))
        return;
    // An earlier version still running there would write its files back at its exit.
    const auto formerLock = formerDataFolder / SingleInstance::kLockFileName;
    const int lock = ::open(formerLock.c_str(), O_RDWR | O_CLOEXEC);
    if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock);
        std::fprintf(stderr, "Tessary: the player's files stay in %s while the game runs there.\n",
                     formerDataFolder.c_str());
        return;
    }
    const DataFolderMove move =
        moveDataFolder(formerDataFolder, dataFolder,
                       {SingleInstance::kLockFileName, SingleInstance::kSocketFileName});
    if (lock >= 0)
        ::close(lock);
    if (move.oldFolderRemoved) {
        std::filesystem::remove(formerDataFolder.parent_path(), ec); // only when empty
        return;
    }
    for (const std::string& name : move.leftBehind)
        std::fprintf(stderr, "Tessary: %s stays in %s: it could not be moved to %s.\n",
                     name.c_str(), formerDataFolder.c_str(), dataFolder.c_str());
}

} // namespace tessary

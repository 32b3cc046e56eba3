#include "platform/ProgramFolders.h"

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
    // An installed game keeps its files in <prefix>/share/tessary beside <prefix>/bin.
    const QString shared = QDir(program).filePath(QStringLiteral("../share/tessary"));
    if (!QFileInfo::exists(QDir(program).filePath(QStringLiteral("tesssnd.dat"))) &&
        QFileInfo::exists(QDir(shared).filePath(QStringLiteral("tesssnd.dat"))))
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

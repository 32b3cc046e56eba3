// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace tessary {

bool QtShell::openLink(const std::string& address) {
    // Tolerant: the submit address carries a plain space before "size=", which the browser
    // must be given as %20 (strict parsing refuses the whole address and opens nothing).
    // Qt answers false when it finds no launcher (no xdg-open, no known browser on PATH).
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::TolerantMode));
}

bool QtShell::openDocument(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

bool QtShell::startProgram(const std::string& program, const std::vector<std::string>& args) {
    QStringList arguments;
    for (const auto& a : args)
        arguments << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program), arguments);
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtFileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tessary {

namespace {

// "*.jpg" becomes "*.[jJ][pP][gG]": Qt's wildcard patterns are case-sensitive on Linux.
QString anyCase(const QString& pattern) {
    QString out;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper());
        else
            out += c;
    }
    return out;
}

} // namespace

QStringList QtFileChooser::nameFilters(const std::string& filter,
                                       const std::vector<std::string>& alsoAccept) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(';', Qt::SkipEmptyParts))
            patterns << anyCase(p.trimmed());
        if (filters.isEmpty())
            for (const auto& extra : alsoAccept)
                patterns << anyCase(QString::fromStdString(extra));
        if (!description.isEmpty() || !patterns.isEmpty())
            filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(' '));
    }
    return filters;
}

bool QtFileChooser::choose(Mode mode) {
    QFileDialog dialog(parent_, QString::fromStdString(DialogTitle));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = nameFilters(Filter, AlsoAccept);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    QString suffix = QString::fromStdString(DefaultExt);
    if (suffix.startsWith('.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);

    if (mode == Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A save with no option bits overwrites an existing file without asking.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode((Flags & kFileMustExist) ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    }

    const QFileInfo initial(QString::fromStdString(FileName));
    if (!FileName.empty() && initial.dir().exists()) {
        dialog.setDirectory(initial.absoluteDir());
        dialog.selectFile(initial.fileName());
    } else if (!InitDir.empty()) {
        dialog.setDirectory(QString::fromStdString(InitDir));
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
    return true;
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutBox.h"
#include "dialogs/HofWindow.h"
#include "dialogs/JukeboxDialog.h"
#include "dialogs/MainDialogs.h"
#include "dialogs/NameEntryDialog.h"
#include "dialogs/NewPuz.h"
#include "dialogs/ScoreWindow.h"
#include "dialogs/Viewer.h"
#include "platform/ProgramFolders.h"
#include "widgets/GameTitle.h"

#include <QMessageBox>

namespace tessary {

void QtMainDialogs::showScore(QWidget* parent, const QString& performanceText) {
    ScoreWindow window(performanceText, parent);
    window.exec();
}

std::optional<NewPuzzleChoice> QtMainDialogs::showNewPuz(QWidget* parent,
                                                         const NewPuzzleChoice& shown,
                                                         std::function<void()> beep) {
    NewPuz dialog(shown, std::move(beep), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<ChosenPicture> QtMainDialogs::showViewer(QWidget* parent, const std::string& caption,
                                                       FileChooser& chooser,
                                                       const std::string& shown) {
    Viewer viewer(
        caption, chooser, shown,
        [this](QWidget* over, const QString& text) {
            showMessage(over, text, gameTitle(), Icon::Critical);
        },
        parent);
    viewer.exec();
    return viewer.chosen();
}

void QtMainDialogs::showJukebox(QWidget* parent, Settings& settings, FileChooser& chooser) {
    JukeboxDialog dialog(settings, chooser, parent);
    dialog.exec();
}

void QtMainDialogs::showMessage(QWidget* parent, const QString& text, const QString& title,
                                Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::None:
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtMainDialogs::askYesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

NameEntryAnswer QtMainDialogs::showNameEntry(QWidget* parent, int rank, const std::string& name,
                                             const std::string& email,
                                             std::function<void()> onOpen) {
    NameEntryDialog dialog(rank, name, email, std::move(onOpen), parent);
    dialog.exec();
    return dialog.answer();
}

void QtMainDialogs::showHof(QWidget* parent, HallOfFame& list,
                            const std::filesystem::path& dataFolder, Shell& shell) {
    HofWindow window(
        list, dataFolder, shell,
        [parent] {
            QMessageBox ask(QMessageBox::Warning, QStringLiteral("Clear HOF"),
                            QStringLiteral("Really clear Hall of Frame?"),
                            QMessageBox::Yes | QMessageBox::No, parent);
            ask.setDefaultButton(QMessageBox::No);
            return ask.exec() == QMessageBox::Yes;
        },
        [this](QWidget* over, const std::string& address) { showUnopenedLink(over, address); });
    window.exec();
}

void QtMainDialogs::showUnopenedLink(QWidget* parent, const std::string& address) {
    QMessageBox box(parent);
    box.setWindowTitle(gameTitle());
    box.setIcon(QMessageBox::Information);
    box.setTextFormat(Qt::PlainText);
    box.setText(QStringLiteral("No web browser could be started. To go there, copy this address "
                               "into your browser:\n\n") +
                QString::fromStdString(address));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtMainDialogs::showAbout(QWidget* parent, const Settings& settings, int& frameCounter,
                              const std::filesystem::path& programFolder,
                              std::function<void()> onOpen) {
    const auto icons = programFolder / ProgramFolders::kIconsFolder / "about";
    AboutBox box(settings, frameCounter,
                 AboutBox::loadFrames(QString::fromStdString(icons.string())), std::move(onOpen),
                 parent);
    box.exec();
}

} // namespace tessary

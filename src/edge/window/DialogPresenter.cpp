// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/DialogPresenter.h"

#include "dialogs/MainDialogs.h"
#include "files/SavedGame.h"
#include "model/SoundNumbers.h"
#include "platform/Beep.h"
#include "platform/FileChooser.h"
#include "platform/Shell.h"
#include "widgets/GameTitle.h"
#include "window/BoardPresenter.h"
#include "window/GameKeeper.h"
#include "window/Main.h"

#include <QDate>
#include <QLocale>
#include <QWidget>

#include <cerrno>
#include <cstring>

namespace tessary {

DialogPresenter::DialogPresenter(QWidget& window, QWidget& toolBar, ProgramState& state,
                                 MainServices& services, SoundPlayer& sounds, BoardPresenter& board,
                                 GameKeeper& keeper)
    : window_(window), toolBar_(toolBar), state_(state), services_(services), sounds_(sounds),
      board_(board), keeper_(keeper) {}

// The game in play when the session ends is written with no question asked to the file it is
// kept in, and offered back at the next start.
GameDialogs::SaveOutcome DialogPresenter::saveLastGame() {
    return keeper_.keepNow() ? SaveOutcome::saved : SaveOutcome::failed;
}

GameDialogs::SaveOutcome DialogPresenter::offerSave() {
    if (sessionEnding_)
        return saveLastGame();
    FileChooser& chooser = services_.CMD1;
    chooser.CancelError = true;
    chooser.DefaultExt = "SAV";
    chooser.DialogTitle = "Save Game";
    chooser.FileName.clear();
    chooser.Filter = "Tessary saved games -- Files (*.sav)|*.sav";
    chooser.Flags = 0;
    if (!chooser.show(FileChooser::Mode::Save) || chooser.FileName.empty())
        // The session may have ended while the chooser was up, cancelling it.
        return sessionEnding_ ? saveLastGame() : SaveOutcome::cancelled;
    if (writeSavedGame(chooser.FileName, state_.game, state_.settings))
        return SaveOutcome::saved;
    // Nothing was written (an existing file is left whole): the player must know the game
    // is not safe, and why.
    const int reason = errno;
    showCritical(QStringLiteral("The game could not be saved to %1:\n%2")
                     .arg(QString::fromStdString(chooser.FileName),
                          reason != 0 ? QString::fromLocal8Bit(std::strerror(reason))
                                      : QStringLiteral("the file could not be written")));
    return sessionEnding_ ? saveLastGame() : SaveOutcome::failed;
}

std::optional<NewPuzzleChoice> DialogPresenter::chooseNewPuzzle(const NewPuzzleChoice& shown) {
    return services_.dialogs.showNewPuz(&window_, shown,
                                        [this] { services_.beep.beep(Beep::Kind::Plain); });
}

std::optional<ChosenPicture> DialogPresenter::choosePicture(const std::string& caption,
                                                            const std::string& shown) {
    if (services_.CMDialog1.InitDir.empty())
        services_.CMDialog1.InitDir = (services_.programFolder / "images").string();
    return services_.dialogs.showViewer(&window_, caption, services_.CMDialog1, shown);
}

void DialogPresenter::showScoreWindow(const std::string& performanceText) {
    board_.afterAnimation([this, text = QString::fromStdString(performanceText)] {
        // A window that waited for the board opens no more once the session is ending.
        if (!sessionEnding_)
            services_.dialogs.showScore(&window_, text);
    });
}

std::optional<std::string> DialogPresenter::chooseGameToOpen() {
    FileChooser& chooser = services_.CMD1;
    chooser.CancelError = true;
    chooser.DefaultExt = "sav";
    chooser.DialogTitle = "Open Existing Puzzle";
    chooser.FileName.clear();
    chooser.Filter = "Tessary Files (*.sav)|*.sav";
    chooser.Flags = FileChooser::kFileMustExist;
    if (!chooser.show(FileChooser::Mode::Open))
        return std::nullopt;
    return chooser.FileName;
}

std::optional<bool> DialogPresenter::askToCarryOn(const std::string& question) {
    if (sessionEnding_)
        return std::nullopt;
    const bool yes =
        services_.dialogs.askYesNo(&window_, QString::fromStdString(question), gameTitle());
    // A session ending while the question was up cancelled it: that was no answer.
    if (sessionEnding_)
        return std::nullopt;
    return yes;
}

void DialogPresenter::showCritical(const std::string& text) {
    showCritical(QString::fromStdString(text));
}

void DialogPresenter::showCritical(const QString& text) {
    toolBar_.hide();
    services_.beep.beep(Beep::Kind::Hand);
    services_.dialogs.showMessage(&window_, text, gameTitle(), MainDialogs::Icon::Critical);
    toolBar_.show();
}

NameEntryAnswer DialogPresenter::askName(int rank, const std::string& name,
                                         const std::string& email) {
    if (sessionEnding_)
        return {name, email, false}; // as the entry closed: the name last typed is kept
    return services_.dialogs.showNameEntry(&window_, rank, name, email,
                                           [this] { sounds_.playsfx(sfx::kNameEntry); });
}

void DialogPresenter::showHofWindow() {
    if (sessionEnding_)
        return;
    if (state_.hall.hofCount == 0)
        showMessage("Hof was recently cleared");
    services_.dialogs.showHof(&window_, state_.hall, services_.dataFolder, services_.shell);
}

void DialogPresenter::showMessage(const std::string& text) {
    services_.dialogs.showMessage(&window_, QString::fromStdString(text), QString(),
                                  MainDialogs::Icon::None);
}

void DialogPresenter::openLink(const std::string& address) {
    if (!services_.shell.openLink(address))
        services_.dialogs.showUnopenedLink(&window_, address);
}

std::string DialogPresenter::today() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

} // namespace tessary

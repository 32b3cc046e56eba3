// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up, shut-down and menu commands.
#include "board/BoardCanvas.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/ImageCatalog.h"
#include "dialogs/MainDialogs.h"
#include "files/ChooserFolders.h"
#include "files/SettingsFile.h"
#include "model/SoundNumbers.h"
#include "platform/Beep.h"
#include "platform/FileChooser.h"
#include "platform/Shell.h"
#include "ports/MidiControl.h"
#include "score/HofFile.h"
#include "widgets/CenterForm.h"
#include "widgets/GameTitle.h"
#include "window/GivenFile.h"
#include "window/Main.h"
#include "window/ToolBar.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace tessary {

void Main::Form_Load() {
    QDir::setCurrent(QString::fromStdString(services_.programFolder.string()));
    // A first run starts from the settings the game ships with.
    if (!getINI(services_.dataFolder, state_.game.puzzle, state_.settings))
        getINI(services_.programFolder / "defaults", state_.game.puzzle, state_.settings);
    effects_.getMedia();
    // The random generator was seeded from the clock when the program started.
    state_.game.play.gameOn = false;
    Timer1->stop();
    toolBar_->startupLayout(QGuiApplication::primaryScreen()->geometry());
    setWindowTitle(gameTitle());
    // The choosers start where they last chose, this run or an earlier one, while that folder
    // is still there.
    const ChooserFolders last = readChooserFolders(services_.dataFolder);
    std::error_code missing;
    if (!last.pictures.empty() && std::filesystem::is_directory(last.pictures, missing))
        services_.CMDialog1.InitDir = last.pictures;
    if (!last.savedGames.empty() && std::filesystem::is_directory(last.savedGames, missing))
        services_.CMD1.InitDir = last.savedGames;
    // Games are saved and opened first in the player's documents folder (the home folder on a
    // desktop without one), then wherever the last game went.
    if (services_.CMD1.InitDir.empty()) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        services_.CMD1.InitDir =
            (QDir(documents).exists() ? documents : QDir::homePath()).toStdString();
    }
    board_.canvas().move(0, 0);
    setWindowState(Qt::WindowNoState);
    music_.pickRandomMidi();
    music_.setSoundMenus();
    getHOF(services_.dataFolder, state_.hall);
    centerForm(*this);
    show();
    // The About box comes up over the window once it is on screen: Form_Shown.
}

void Main::Form_Shown() {
    MenuAbout_Click();
    open_.offerKept(keeper_.kept());
}

bool Main::Form_Unload() {
    unloaded_ = true;
    // A save that failed calls the exit off, so the player can save elsewhere or exit again;
    // a save given up in the chooser still exits, and the game is not offered back: the player
    // chose to leave it. An ending session always exits.
    if (state_.game.play.gameOn) {
        const GameDialogs::SaveOutcome outcome = dialogPresenter_.offerSave();
        if (outcome == GameDialogs::SaveOutcome::failed && !dialogPresenter_.sessionEnding()) {
            unloaded_ = false;
            return false;
        }
        if (outcome == GameDialogs::SaveOutcome::cancelled)
            keeper_.gameOver();
    }
    // The last change, if it is not on disk yet (the game in play may be under a dialog).
    if (keeper_.pending())
        keeper_.keepNow();
    services_.beep.beep(Beep::Kind::Exclamation);
    tessary::putINI(services_.dataFolder, state_.game.puzzle, state_.settings);
    putHOF(services_.dataFolder, state_.hall);
    writeChooserFolders(services_.dataFolder,
                        {services_.CMDialog1.InitDir, services_.CMD1.InitDir});
    music_.closeAtExit();
    Timer1->stop();
    Timer2->stop();
    Timer4->stop();
    toolBar_->close();
    return true;
}

void Main::openGivenFile(const std::string& path) {
    board_.finishAnimation();
    switch (kindOfGivenFile(path)) {
    case GivenFileKind::savedGame:
        open_.openFile(path);
        return;
    case GivenFileKind::picture:
        flow_.newPuzzle(path);
        return;
    case GivenFileKind::missing:
        dialogPresenter_.showCritical(path + " is not found");
        return;
    case GivenFileKind::other:
        dialogPresenter_.showCritical(path + " is neither a picture nor a saved Tessary game");
        return;
    }
}

void Main::MenuNewGame_Click() {
    board_.finishAnimation(); // a new game cuts short what the board was showing
    flow_.newPuzzle();
}

void Main::MenuOpenGame_Click() {
    board_.finishAnimation();
    open_.openGame();
}

void Main::MenuExit_Click() {
    close();
}

void Main::endSession() {
    dialogPresenter_.endSession();
    board_.finishAnimation();
}

void Main::MenuSave_Click() {
    dialogPresenter_.offerSave();
}

void Main::MenuPerformance_Click() {
    play_.MenuPerformance_Click();
}

void Main::MenuHallOfFame_Click() {
    dialogPresenter_.showHofWindow();
    toolBar_->show();
}

void Main::MenuHelp_Click() {
    showHelp(QString());
}

void Main::MenuToolbar_Click() {
    showHelp(QStringLiteral("toolbar"));
}

void Main::showHelp(const QString& section) {
    if (help_ == nullptr)
        help_ = new HelpWindow(
            services_.programFolder / "tessary.html", services_.shell,
            [this](QWidget* over, const std::string& address) {
                services_.dialogs.showUnopenedLink(over, address);
            },
            this);
    help_->showSection(section);
}

void Main::MenuAbout_Click() {
    toolBar_->hide(); // the toolbar stays out of the way while the box is up
    services_.dialogs.showAbout(this, state_.settings, state_.aboutFrame, services_.programFolder,
                                [this] { playsfx(sfx::kAboutBox); });
    toolBar_->show();
}

void Main::MenuCatalog_Click() {
    if (!catalog_) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        catalog_ = std::make_unique<ImageCatalog>(
            CatalogPlaces{QString::fromStdString((services_.programFolder / "images").string()),
                          !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QString(),
                          services_.dataFolder});
        // The catalogue stays open behind the game, for the next picture.
        catalog_->onChosen = [this](const std::string& path) { openGivenFileSoon(path); };
    }
    catalog_->show();
    catalog_->raise();
    catalog_->activateWindow();
}

} // namespace tessary

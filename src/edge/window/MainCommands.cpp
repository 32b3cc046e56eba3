// The main window's start-up, shut-down and menu commands.
#include "board/BoardCanvas.h"
#include "dialogs/MainDialogs.h"
#include "files/SavedGame.h"
#include "files/SettingsFile.h"
#include "model/SoundNumbers.h"
#include "platform/Beep.h"
#include "platform/FileChooser.h"
#include "platform/Shell.h"
#include "ports/MidiControl.h"
#include "score/HofFile.h"
#include "widgets/CenterForm.h"
#include "window/Main.h"
#include "window/ToolBar.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstring>

namespace tessary {

void Main::Form_Load() {
    QDir::setCurrent(QString::fromStdString(services_.programFolder.string()));
    state_.audio.sfxListName = "tesssnd.dat";
    // A first run starts from the settings the game ships with.
    if (!getINI(services_.dataFolder, state_.game.puzzle, state_.settings))
        getINI(services_.programFolder / "defaults", state_.game.puzzle, state_.settings);
    state_.game.puzzle.maxAcross = kMaxPiecesAcross;
    state_.game.puzzle.maxDown = kMaxPiecesDown;
    effects_.getMedia();
    // The random generator was seeded from the clock when the program started.
    state_.game.play.gameOn = false;
    Timer1->stop();
    toolBar_->startupLayout(QGuiApplication::primaryScreen()->geometry());
    setWindowTitle(QStringLiteral("Tessary"));
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
    // The About box comes up over the window once it is on screen: MenuAbout's first step.
}

bool Main::Form_Unload() {
    unloaded_ = true;
    // A save that failed calls the exit off, so the player can save elsewhere or exit again;
    // a save given up in the chooser still exits. An ending session always exits.
    if (state_.game.play.gameOn && MenuSave_Click() == SaveOutcome::failed && !sessionEnding_) {
        unloaded_ = false;
        return false;
    }
    services_.beep.beep(Beep::Kind::Exclamation);
    tessary::putINI(services_.dataFolder, state_.game.puzzle, state_.settings);
    putHOF(services_.dataFolder, state_.hall);
    music_.closeAtExit();
    Timer1->stop();
    Timer2->stop();
    Timer4->stop();
    toolBar_->close();
    return true;
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
    sessionEnding_ = true;
    board_.finishAnimation();
}

// The game in play when the session ends, written with no question asked to a fixed name in
// the data folder, where the player finds it after the next login.
GameDialogs::SaveOutcome Main::saveLastGame() {
    const auto file = services_.dataFolder / "last-game.sav";
    if (writeSavedGame(file, state_.game, state_.settings))
        return SaveOutcome::saved;
    qWarning("Tessary: the game in play could not be saved to %s: %s", file.c_str(),
             std::strerror(errno));
    return SaveOutcome::failed;
}

GameDialogs::SaveOutcome Main::MenuSave_Click() {
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

std::optional<std::string> Main::chooseGameToOpen() {
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

void Main::MenuPerformance_Click() {
    play_.MenuPerformance_Click();
}

bool Main::showNameEntry(int rank) {
    if (sessionEnding_)
        return false; // as the entry cancelled: the name last typed is kept
    return services_.dialogs.showNameEntry(this, rank, state_.settings,
                                           [this] { playsfx(sfx::kNameEntry); });
}

std::string Main::today() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

void Main::openLink(const std::string& address) {
    services_.shell.openLink(address);
}

void Main::showHofWindow() {
    if (sessionEnding_)
        return;
    if (state_.hall.hofCount == 0)
        showMessage("Hof was recently cleared");
    services_.dialogs.showHof(this, state_.hall, services_.dataFolder, services_.shell);
}

void Main::MenuHallOfFame_Click() {
    showHofWindow();
    state_.hofRank = 0;
    toolBar_->show();
}

void Main::MenuHelp_Click() {
    services_.shell.openDocument((services_.programFolder / "tessary.html").string());
}

void Main::MenuToolbar_Click() {
    MenuHelp_Click();
}

void Main::MenuAbout_Click() {
    toolBar_->hide(); // the toolbar stays out of the way while the box is up
    services_.dialogs.showAbout(this, state_.settings, state_.aboutFrame, services_.programFolder,
                                [this] { playsfx(sfx::kAboutBox); });
    toolBar_->show();
}

void Main::MenuCatalog_Click() {
    const auto catalog = services_.programFolder / "imagecat";
    if (QFileInfo(QString::fromStdString(catalog.string())).isExecutable() &&
        services_.shell.startProgram(catalog.string(), {}))
        return;
    services_.shell.openDocument((services_.programFolder / "imagelst.txt").string());
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/BoardPreparation.h"
#include "flows/HofEntryFlow.h"
#include "flows/NewPuzzleFlow.h"
#include "flows/OpenGameFlow.h"
#include "layout/IdleHiding.h"
#include "ports/AudioHost.h"
#include "ports/GameHost.h"
#include "rules/Hints.h"
#include "rules/KeyboardPlay.h"
#include "rules/Play.h"
#include "sound/Music.h"
#include "sound/SoundEffects.h"
#include "window/BoardPresenter.h"
#include "window/DialogPresenter.h"
#include "window/GameKeeper.h"
#include "window/ProgramState.h"
#include "window/ResultsAfterAnimation.h"
#include "window/ToolbarPresenter.h"

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <optional>

class QAction;
class QTimer;

namespace tessary {

class Beep;
class FileChooser;
class HelpWindow;
class ImageCatalog;
class MainDialogs;
class MidiControl;
class RandomSource;
class Shell;
class SoundService;
class ToolBar;

// What the main window is given to work with: the desktop's services and the folders.
struct MainServices {
    MainDialogs& dialogs;
    FileChooser& CMD1;           // saved games
    FileChooser& CMDialog1;      // the image chooser's pictures
    FileChooser& jukeboxChooser; // background music
    Shell& shell;
    Beep& beep;
    SoundService& sound;
    MidiControl& midi;
    RandomSource& random;
    std::filesystem::path programFolder;
    std::filesystem::path dataFolder;
    int slideStepMs = BoardPace{}.slideStepMs;     // pace of an assist's slide
    int shuffleShowMs = BoardPace{}.shuffleShowMs; // the longest the shuffle takes to watch
    IdleIntervals idle = {};                       // the waits of the idle timer, Timer4
    int keepDelayMs = GameKeeper::kDelayMs;        // how far the kept game trails the board
};

// The game's one top-level window: the menus, the timers, the key preview, and the place where
// the rules meet the speakers and the layout. The board, the toolbar and the dialogs are each
// played by a presenter of their own.
class Main : public QMainWindow,
             public SoundPlayer,
             public WindowControls,
             public PuzzleFiles,
             public AudioHost {
    Q_OBJECT

  public:
    Main(ProgramState& state, MainServices& services);
    ~Main() override;

    // The start-up, up to showing the window; the About box follows once it is on screen.
    void Form_Load();
    // Once the window is on screen: the About box, then the game kept from the last run,
    // offered back.
    void Form_Shown();
    // The shut-down: offers to save a game in play, then writes the settings and the Hall
    // of Fame and stops the music. False when a failed save called the exit off.
    bool Form_Unload();
    // The desktop session is ending (a logout, SIGTERM): from now on nothing asks the player
    // anything, and the game in play is only kept, to be offered back at the next start.
    void endSession();

    // A file handed to the game (dropped on the window, named on the command line, given by a
    // second copy of the game): a saved game opens as "Open Saved Game" opens one, a picture
    // starts a new puzzle with it as the first picture; anything else is refused with a
    // message.
    void openGivenFile(const std::string& path);

    // Menu commands.
    void MenuNewGame_Click();
    void MenuOpenGame_Click();
    void MenuSave_Click();
    void MenuExit_Click();
    void MenuPerformance_Click();
    void MenuHallOfFame_Click();
    void MenuHelp_Click();
    void MenuToolbar_Click();
    void MenuAbout_Click();
    // "Image Catalog": the catalogue's window, opened once and brought forward after.
    void MenuCatalog_Click();

    // Toolbar commands: a click waits for Timer2, which runs it on the main window.
    void Btn_Click(int index);
    void Timer2_Timer();
    void Timer1_Timer();
    void Timer4_Timer();

    ToolBar& toolBar() { return *toolBar_; }
    int pendingCmd = 0;

    Play& play() { return play_; }
    Hints& hints() { return hints_; }
    Music& music() { return music_; }
    SoundEffects& effects() { return effects_; }

    // SoundPlayer, WindowControls, PuzzleFiles: the roles the rules ask of the speakers and the
    // window. While the board moves, a sound waits for it, with the board's own.
    void playsfx(int n) override;
    void setBlinkTimer(bool on) override;
    void setSaveEnabled(bool on) override;
    void minimizeMain() override;
    void setDefaultPointer() override;
    void writeSettings(const PuzzleDescription& puzzle) override;
    bool prepareLayout(const PuzzleDescription& puzzle) override;
    LayoutCheck prepareLayoutOf(const GameState& game) override;
    void applyLayout() override;

    // AudioHost: the Options captions, messages and the jukebox.
    void setMenuSoundCaption(const std::string& caption) override;
    void setMenuMusicCaption(const std::string& caption) override;
    void showMessage(const std::string& text) override;
    void doEvents() override;
    void showJukebox() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Window tests reach these through MainWindowProbe, never directly.
    friend class MainWindowProbe;

    // The window's timers and its menu entries keep the game's names.
    QTimer* Timer1 = nullptr; // 200 ms: the selection's blink while a game is in play
    QTimer* Timer2 = nullptr; // 10 ms, once: runs a toolbar button's command
    QTimer* Timer4 = nullptr; // idle: hides a finished board after a while
    QAction* MenuNewGame = nullptr;
    QAction* MenuOpenGame = nullptr;
    QAction* MenuSave = nullptr;
    QAction* MenuExit = nullptr;
    QAction* MenuSound = nullptr;
    QAction* MenuMusic = nullptr;
    QAction* MenuJukebox = nullptr;
    QAction* MenuPerformance = nullptr;
    QAction* MenuHallOfFame = nullptr;
    QAction* MenuToolbar = nullptr;
    QAction* MenuHelp = nullptr;
    QAction* MenuAbout = nullptr;
    QAction* MenuCatalog = nullptr;

    // The board's press, on a cell or none: the mouse plays now, not the keyboard.
    void Picture1_MouseDown(std::optional<GridPos> cell, Button button);
    void buildMenus();
    // A file dropped here or chosen in the catalogue: it opens once the drop or the key is
    // over, with this window in front.
    void openGivenFileSoon(const std::string& path);
    // prepareLayout without the message: the reason when no board can be made.
    std::optional<LoadFailure> prepareLayoutQuietly(const PuzzleDescription& puzzle);
    ScreenRoom screenRoom() const;
    // The help window, made the first time it is asked for, at `section` of the page.
    void showHelp(const QString& section);
    void fitWindowToBoard();
    GameHost roles();

    ProgramState& state_;
    MainServices& services_;
    std::unique_ptr<ToolBar> toolBar_;
    QWidget* client_ = nullptr;  // the window's inside, where the board goes
    HelpWindow* help_ = nullptr; // the window's child: one for the whole run
    BoardPresenter board_;
    ToolbarPresenter toolbarPresenter_;
    GameKeeper keeper_;
    DialogPresenter dialogPresenter_;
    HofEntryFlow hof_;
    ResultsAfterAnimation results_;
    Play play_;
    Hints hints_;
    KeyboardPlay keyboard_;
    NewPuzzleFlow flow_;
    OpenGameFlow open_;
    SoundEffects effects_;
    Music music_;
    IdleHiding idle_;
    std::optional<PreparedBoard> prepared_;
    std::unique_ptr<ImageCatalog> catalog_;
    bool unloaded_ = false;
};

} // namespace tessary

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
#include "window/ProgramState.h"
#include "window/ResultsAfterAnimation.h"

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <optional>

class QAction;
class QTimer;

namespace tessary {

class Beep;
class FileChooser;
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
};

// The game's one top-level window: the menus, the timers, and the place where the rules meet
// the screen, the speakers and the dialogs. The board and what shows over it are the board
// presenter's.
class Main : public QMainWindow,
             public SoundPlayer,
             public ToolbarView,
             public WindowControls,
             public GameDialogs,
             public PuzzleFiles,
             public HofEntryHost,
             public AudioHost {
    Q_OBJECT

  public:
    Main(ProgramState& state, MainServices& services);
    ~Main() override;

    // The start-up, up to showing the window; the About box follows once it is on screen.
    void Form_Load();
    // The shut-down: offers to save a game in play, then writes the settings and the Hall
    // of Fame and stops the music. False when a failed save called the exit off.
    bool Form_Unload();
    // The desktop session is ending (a logout, SIGTERM): from now on nothing asks the player
    // anything, and the game in play is saved to last-game.sav in the data folder.
    void endSession();

    // Menu commands.
    void MenuNewGame_Click();
    void MenuOpenGame_Click();
    SaveOutcome MenuSave_Click() override;
    void MenuExit_Click();
    void MenuPerformance_Click();
    void MenuHallOfFame_Click();
    void MenuHelp_Click();
    void MenuToolbar_Click();
    void MenuAbout_Click();
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

    // SoundPlayer, ToolbarView, WindowControls, GameDialogs, PuzzleFiles: the roles the rules
    // ask of the speakers, the toolbar and the windows. While the board moves, what the player
    // would see or hear of them waits for it, with the board's own.
    void playsfx(int n) override;
    void setBlinkTimer(bool on) override;
    void setSaveEnabled(bool on) override;
    void setToolbarVisible(bool visible) override;
    bool toolbarVisible() const override;
    void setToolbarFinishedLayout() override;
    void showScoreWindow(const std::string& performanceText) override;
    bool smallImageVisible() const override;
    void showSmallImage(int boardW, int boardH) override;
    void hideSmallImage() override;
    void setToolbarCaption(const std::string& caption) override;
    void minimizeMain() override;
    void setDefaultPointer() override;
    bool showNewPuzzleDialog() override;
    void putINI() override;
    void showImageChooser() override;
    bool prepareLayout() override;
    LayoutCheck prepareLayoutOf(const GameState& game) override;
    std::optional<std::string> chooseGameToOpen() override;
    void showCritical(const std::string& text) override;
    void applyLayout() override;

    // HofEntryHost: the windows and links of a new Hall of Fame entry.
    bool showNameEntry(int rank) override;
    void showHofWindow() override;
    void openLink(const std::string& address) override;
    std::string today() const override;

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

    void buildMenus();
    // prepareLayout without the message: the reason when no board can be made.
    std::optional<LoadFailure> prepareLayoutQuietly(const GameState& game);
    ScreenRoom screenRoom() const;
    void fitWindowToBoard();
    void showCritical(const QString& text);
    GameHost roles();
    SaveOutcome saveLastGame();

    ProgramState& state_;
    MainServices& services_;
    std::unique_ptr<ToolBar> toolBar_;
    QWidget* client_ = nullptr; // the window's inside, where the board goes
    BoardPresenter board_;
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
    bool unloaded_ = false;
    bool sessionEnding_ = false;
};

} // namespace tessary

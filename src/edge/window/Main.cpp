// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Main.h"

#include "board/BoardCanvas.h"
#include "board/BoardColors.h"
#include "dialogs/ImageCatalog.h"
#include "pictures/BasePicture.h"
#include "platform/ProgramFolders.h"
#include "widgets/DroppedFile.h"
#include "widgets/SkipOnFailure.h"
#include "window/PlayKeys.h"
#include "window/ToolBar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <functional>
#include <type_traits>

namespace tessary {

Main::Main(ProgramState& state, MainServices& services)
    : state_(state), services_(services),
      toolBar_(std::make_unique<ToolBar>(QString::fromStdString(
          (services.programFolder / ProgramFolders::kIconsFolder / "toolbar").string()))),
      client_(new QWidget(this)),
      board_(state.game, *this, client_, BoardPace{services.slideStepMs, services.shuffleShowMs}),
      toolbarPresenter_(*toolBar_, *this, board_),
      keeper_(state.game, state.settings, services.dataFolder, services.keepDelayMs),
      dialogPresenter_(*this, *toolBar_, state, services, *this, board_, keeper_),
      hof_(state.hall, state.settings, dialogPresenter_, services.dataFolder),
      results_(board_, hof_), play_(state.game, roles()), hints_(state.game, roles(), play_),
      keyboard_(state.game, board_, play_, hints_),
      flow_(state.game, roles(), play_, services.random),
      open_(state.game, state.settings, roles(), play_),
      effects_(state.settings, state.audio, services.sound, *this, services.programFolder.string()),
      music_(state.settings, state.audio, services.midi, effects_, *this, services.random,
             services.programFolder.string()),
      idle_(services.idle) {
    client_->setAutoFillBackground(true);
    QPalette navy = client_->palette();
    navy.setColor(QPalette::Window, boardColors::windowBackground());
    client_->setPalette(navy);
    setCentralWidget(client_);

    board_.solution().onClick = [this] { skipOnFailure([this] { hints_.basePic_Click(); }); };
    board_.canvas().onMouseDown = [this](std::optional<GridPos> cell, Button button) {
        // A click while the board moves acts once it has stopped.
        skipOnFailure([&] {
            board_.afterAnimation([this, cell, button] { Picture1_MouseDown(cell, button); });
        });
    };

    Timer1 = new QTimer(this);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, [this] { skipOnFailure([this] { Timer1_Timer(); }); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(10);
    connect(Timer2, &QTimer::timeout, this, [this] { skipOnFailure([this] { Timer2_Timer(); }); });
    Timer4 = new QTimer(this);
    Timer4->setInterval(idle_.intervals().startMs);
    connect(Timer4, &QTimer::timeout, this, [this] { skipOnFailure([this] { Timer4_Timer(); }); });
    Timer4->start();

    connect(toolBar_.get(), &ToolBar::buttonClicked, this,
            [this](int index) { skipOnFailure([&] { Btn_Click(index); }); });
    connect(toolBar_.get(), &ToolBar::gotFocus, this, [this] {
        skipOnFailure([this] {
            show();
            activateWindow();
        });
    });

    buildMenus();
    setAcceptDrops(true);
    resize(640, 480);
    // Key preview: the window sees every key before the control with the focus, and before
    // the menu shortcuts.
    qApp->installEventFilter(this);
}

GameHost Main::roles() {
    return GameHost{board_, board_,   *this,  toolbarPresenter_, *this, dialogPresenter_,
                    *this,  results_, keeper_};
}

Main::~Main() {
    qApp->removeEventFilter(this);
}

void Main::buildMenus() {
    auto add = [this](QMenu* menu, const char* caption, QKeySequence key, auto handler) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setShortcut(key);
        std::function<void()> step;
        if constexpr (std::is_member_function_pointer_v<decltype(handler)>)
            step = [this, handler] { (this->*handler)(); };
        else
            step = handler;
        connect(action, &QAction::triggered, this, [step] { skipOnFailure(step); });
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    MenuNewGame = add(file, "&New Game", QKeySequence("Ctrl+N"), &Main::MenuNewGame_Click);
    MenuOpenGame = add(file, "&Open Saved Game", QKeySequence("Ctrl+O"), &Main::MenuOpenGame_Click);
    MenuSave = add(file, "&Save This Game", QKeySequence("Ctrl+S"), &Main::MenuSave_Click);
    MenuSave->setEnabled(false);
    file->addSeparator();
    MenuExit = add(file, "E&xit ", QKeySequence("Ctrl+X"), &Main::MenuExit_Click);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    MenuSound = add(options, "Turn Sound E&ffects On", QKeySequence("Ctrl+F"),
                    [this] { music_.MenuSound_Click(); });
    MenuMusic = add(options, "Turn &Music Off", QKeySequence("Ctrl+M"),
                    [this] { music_.MenuMusic_Click(); });
    options->addSeparator();
    MenuJukebox =
        add(options, "&Jukebox", QKeySequence("Ctrl+J"), [this] { music_.MenuJukebox_Click(); });

    QMenu* score = menuBar()->addMenu(QStringLiteral("&Score"));
    MenuPerformance =
        add(score, "&Performance Evaluation", QKeySequence("Ctrl+P"), &Main::MenuPerformance_Click);
    MenuHallOfFame =
        add(score, "&Hall of Fame", QKeySequence("Ctrl+H"), &Main::MenuHallOfFame_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    MenuToolbar = add(help, "&Toolbar Help", QKeySequence("F1"), &Main::MenuToolbar_Click);
    help->addSeparator();
    MenuHelp = add(help, "&Detailed Help", QKeySequence("Ctrl+D"), &Main::MenuHelp_Click);
    MenuAbout = add(help, "&About", QKeySequence("Ctrl+A"), &Main::MenuAbout_Click);
    help->addSeparator();
    MenuCatalog = add(help, "&Image Catalog", QKeySequence("Ctrl+I"), &Main::MenuCatalog_Click);
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent =
        event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only keys meant for this window: not those of a dialog on top of it.
    if (!keyEvent || widget == nullptr || widget->window() != this ||
        QApplication::activeModalWidget() != nullptr)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    GameKey gameKey{playKeyOf(*key), commandOfKey(*key), key->isAutoRepeat()};
    // A menu bar working from the keyboard keeps its own arrows, Space and Enter.
    if (qobject_cast<QMenuBar*>(widget) != nullptr)
        gameKey.play.reset();
    if (!keyboard_.takes(gameKey))
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // the key comes to us as a key press, not as a menu shortcut
        return true;
    }
    // A key pressed while the board moves acts once it has stopped.
    skipOnFailure(
        [&] { board_.afterAnimation([this, gameKey] { keyboard_.Form_KeyDown(gameKey); }); });
    return true; // handled here: it goes no further
}

void Main::Picture1_MouseDown(std::optional<GridPos> cell, Button button) {
    keyboard_.boardClicked();
    play_.press(cell, button);
}

void Main::closeEvent(QCloseEvent* event) {
    // A shut-down that fails half-way is called off like a failed save, with nothing left
    // marked as done: the player may save or exit again.
    bool closing = false;
    skipOnFailure([&] {
        board_.finishAnimation(); // what the last move had still to show comes first
        closing = unloaded_ || Form_Unload();
    });
    if (closing && catalog_)
        catalog_->close();
    if (!closing) {
        unloaded_ = false;
        event->ignore();
        return;
    }
    event->accept();
}

void Main::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Form_Resize: the music pauses while the window is minimised, and the toolbar hides.
    const bool minimized = isMinimized();
    skipOnFailure([&] {
        music_.Form_Resize(minimized);
        toolBar_->setVisible(Form_Resize(minimized).showToolbar);
    });
}

void Main::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(event->mimeData()))
        event->acceptProposedAction();
}

void Main::dropEvent(QDropEvent* event) {
    const std::optional<std::string> file = droppedFile(event->mimeData());
    if (!file)
        return;
    event->acceptProposedAction();
    openGivenFileSoon(*file);
}

void Main::openGivenFileSoon(const std::string& path) {
    // The drop or the key ends first: the dialogs the file leads to open once it is over.
    QTimer::singleShot(0, this, [this, path] {
        skipOnFailure([&] {
            show();
            raise();
            activateWindow();
            openGivenFile(path);
        });
    });
}

void Main::mousePressEvent(QMouseEvent* event) {
    QMainWindow::mousePressEvent(event);
    skipOnFailure([this] { play_.Form_MouseDown(); });
}

void Main::Btn_Click(int index) {
    if (state_.game.play.peekShown) {
        // The click only ends the overlay; the overlay stays drawn until the next repaint.
        state_.game.play.peekShown = false;
        pendingCmd = 0;
        Timer2->stop();
        return;
    }
    pendingCmd = index;
    Timer2->start();
    show();
    raise();
    activateWindow();
}

void Main::Timer2_Timer() {
    Timer2->stop();
    // A command given while the board moves runs once it has stopped.
    board_.afterAnimation([this, button = pendingCmd] {
        if (button == 1)
            MenuToolbar_Click();
        else if (const std::optional<Command> command = commandOfToolbarButton(button))
            hints_.run(*command);
    });
}

void Main::Timer1_Timer() {
    board_.blink();
}

void Main::Timer4_Timer() {
    const IdleTick tick = idle_.Timer4_Timer(state_.game.play.gameOn, isMinimized());
    if (tick.hideBoard)
        board_.hideBoard();
    if (tick.interval)
        Timer4->setInterval(*tick.interval);
    if (tick.stop)
        Timer4->stop(); // setBlinkTimer wakes it with the next game
}

} // namespace tessary

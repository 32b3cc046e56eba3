// The main window as the rules' host: sounds, toolbar, dialogs and layout.
#include "dialogs/MainDialogs.h"
#include "files/SettingsFile.h"
#include "platform/Beep.h"
#include "platform/FileChooser.h"
#include "widgets/CenterForm.h"
#include "window/Main.h"
#include "window/ToolBar.h"

#include "model/SoundNumbers.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace tessary {

// The effects channel plays one sound at a time: a sound asked for while the board moves
// waits for it, so a slide's own sound is heard through before the swap's.
void Main::playsfx(int n) {
    board_.afterAnimation([this, n] { effects_.playsfx(n); });
}

void Main::setBlinkTimer(bool on) {
    if (!on) {
        Timer1->stop();
        return;
    }
    Timer1->start();
    // A game is in play: the idle timer, stopped while a finished board stayed hidden, ticks
    // again at once and goes back to its minute.
    if (!Timer4->isActive())
        Timer4->start(IdleHiding::kHiddenInterval);
}

void Main::setSaveEnabled(bool on) {
    MenuSave->setEnabled(on);
}

void Main::setToolbarVisible(bool visible) {
    board_.afterAnimation([this, visible] { toolBar_->setVisible(visible); });
}

bool Main::toolbarVisible() const {
    return toolBar_->isVisible();
}

void Main::setToolbarFinishedLayout() {
    board_.afterAnimation([this] { toolBar_->finishedLayout(); });
}

void Main::showScoreWindow(const std::string& performanceText) {
    board_.afterAnimation([this, text = QString::fromStdString(performanceText)] {
        // A window that waited for the board opens no more once the session is ending.
        if (!sessionEnding_)
            services_.dialogs.showScore(this, text);
    });
}

bool Main::smallImageVisible() const {
    return toolBar_->smallImageVisible();
}

// The small picture keeps the board's proportions, as high as the toolbar's picture box; the
// toolbar widens to show it whole.
void Main::showSmallImage(int boardW, int boardH) {
    const double twipsPerPixelY = 1440.0 / logicalDpiY();
    const double scale =
        boardH > 0 ? double(toolBar_->toolImgH) / boardH * (twipsPerPixelY / 15.0) : 0.0;
    const int width = static_cast<int>(std::lround(boardW * scale));
    const int height = static_cast<int>(std::lround(boardH * scale));
    toolBar_->showSmallImage(toolBar_->toolImgLeft, toolBar_->toolImgTop, width, height);
    toolBar_->setWidthPixels(width + toolBar_->toolImgLeft);
}

void Main::hideSmallImage() {
    toolBar_->setWidthPixels(toolBar_->toolImgLeft + 1);
    toolBar_->hideSmallImage();
}

void Main::setToolbarCaption(const std::string& caption) {
    toolBar_->setWindowTitle(QString::fromStdString(caption));
}

void Main::minimizeMain() {
    showMinimized();
}

void Main::setDefaultPointer() {
    while (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
}

bool Main::showNewPuzzleDialog() {
    return services_.dialogs.showNewPuz(this, state_.game.puzzle,
                                        [this] { services_.beep.beep(Beep::Kind::Plain); });
}

void Main::putINI() {
    tessary::putINI(services_.dataFolder, state_.game.puzzle, state_.settings);
}

void Main::showImageChooser() {
    if (services_.CMDialog1.InitDir.empty())
        services_.CMDialog1.InitDir = (services_.programFolder / "images").string();
    services_.dialogs.showViewer(this, state_.game.puzzle, services_.CMDialog1);
}

ScreenRoom Main::screenRoom() const {
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const QRect area = shown->availableGeometry();
    ScreenRoom room;
    room.screenW = area.width();
    room.screenH = area.height();
    // The frame: the window's outer size less the part that holds the board.
    room.frameW = frameGeometry().width() - client_->width();
    room.frameH = frameGeometry().height() - client_->height();
    return room;
}

bool Main::prepareLayout() {
    // An ending session starts no new board: the game in play is the one to keep.
    if (sessionEnding_)
        return false;
    const std::optional<LoadFailure> failure = prepareLayoutQuietly(state_.game);
    if (failure)
        showCritical(loadFailureMessage(*failure));
    return !failure;
}

LayoutCheck Main::prepareLayoutOf(const GameState& game) {
    const std::optional<LoadFailure> failure = prepareLayoutQuietly(game);
    if (!failure)
        return {LayoutCheck::Result::ok,
                {},
                prepared_->layout.boardAcross,
                prepared_->layout.boardDown};
    if (failure->reason == LoadFailure::Reason::Unreadable)
        return {LayoutCheck::Result::pictureMissing, {}, 0, 0};
    return {LayoutCheck::Result::refused, loadFailureMessage(*failure).toStdString(), 0, 0};
}

std::optional<LoadFailure> Main::prepareLayoutQuietly(const GameState& game) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QSize small(toolBar_->toolImgW, toolBar_->toolImgH);
    auto result =
        prepareBoard(LayoutRequest::fromState(game, screenRoom(), small, devicePixelRatioF()));
    setDefaultPointer();
    if (auto* failure = std::get_if<LoadFailure>(&result))
        return *failure;
    prepared_ = std::move(std::get<PreparedBoard>(result));
    return std::nullopt;
}

void Main::fitWindowToBoard() {
    const BoardGeometry& g = state_.game.board;
    client_->setMinimumSize(g.boardW, g.boardH);
    client_->setMaximumSize(g.boardW, g.boardH);
    adjustSize();
    client_->setMinimumSize(0, 0);
    client_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    centerForm(*this);
}

void Main::applyLayout() {
    if (!prepared_)
        return;
    board_.applyPrepared(*prepared_, state_.game);
    state_.game.cursor = KeyboardCursor(); // every new board starts with the cursor hidden
    fitWindowToBoard();
    toolBar_->gameLayout(prepared_->smallPicture.isNull() ? prepared_->base
                                                          : prepared_->smallPicture);
    prepared_.reset();
    setDefaultPointer();
    playsfx(sfx::kBoardLaidOut);
}

void Main::setMenuSoundCaption(const std::string& caption) {
    MenuSound->setText(QString::fromStdString(caption));
}

void Main::setMenuMusicCaption(const std::string& caption) {
    MenuMusic->setText(QString::fromStdString(caption));
}

void Main::showMessage(const std::string& text) {
    services_.dialogs.showMessage(this, QString::fromStdString(text), QString(),
                                  MainDialogs::Icon::None);
}

void Main::doEvents() {
    QApplication::processEvents();
}

void Main::showJukebox() {
    services_.dialogs.showJukebox(this, state_.settings, services_.jukeboxChooser);
}

void Main::showCritical(const std::string& text) {
    showCritical(QString::fromStdString(text));
}

void Main::showCritical(const QString& text) {
    toolBar_->hide();
    services_.beep.beep(Beep::Kind::Hand);
    services_.dialogs.showMessage(this, text, QStringLiteral("Tessary"),
                                  MainDialogs::Icon::Critical);
    toolBar_->show();
}

} // namespace tessary

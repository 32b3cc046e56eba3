// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the rules' host: sounds, window controls and layout.
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
        Timer4->start(idle_.intervals().hiddenMs);
}

void Main::setSaveEnabled(bool on) {
    MenuSave->setEnabled(on);
}

void Main::minimizeMain() {
    showMinimized();
}

void Main::setDefaultPointer() {
    while (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
}

void Main::writeSettings(const PuzzleDescription& puzzle) {
    tessary::putINI(services_.dataFolder, puzzle, state_.settings);
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

bool Main::prepareLayout(const PuzzleDescription& puzzle) {
    // An ending session starts no new board: the game in play is the one to keep.
    if (dialogPresenter_.sessionEnding())
        return false;
    const std::optional<LoadFailure> failure = prepareLayoutQuietly(puzzle);
    if (failure)
        dialogPresenter_.showCritical(loadFailureMessage(*failure).toStdString());
    return !failure;
}

LayoutCheck Main::prepareLayoutOf(const GameState& game) {
    const std::optional<LoadFailure> failure = prepareLayoutQuietly(game.puzzle);
    if (!failure)
        return {LayoutCheck::Result::ok,
                {},
                prepared_->layout.boardAcross,
                prepared_->layout.boardDown};
    if (failure->reason == LoadFailure::Reason::Unreadable)
        return {LayoutCheck::Result::pictureMissing, {}, 0, 0};
    return {LayoutCheck::Result::refused, loadFailureMessage(*failure).toStdString(), 0, 0};
}

std::optional<LoadFailure> Main::prepareLayoutQuietly(const PuzzleDescription& puzzle) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QSize small(toolBar_->toolImgW, toolBar_->toolImgH);
    auto result =
        prepareBoard(LayoutRequest::fromPuzzle(puzzle, screenRoom(), small, devicePixelRatioF()));
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
    dialogPresenter_.showMessage(text);
}

void Main::doEvents() {
    QApplication::processEvents();
}

void Main::showJukebox() {
    services_.dialogs.showJukebox(this, state_.settings, services_.jukeboxChooser);
}

} // namespace tessary

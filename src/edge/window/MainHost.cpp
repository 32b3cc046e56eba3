// The main window as the rules' host: board drawing, sounds, toolbar and layout.
#include "board/BoardCanvas.h"
#include "board/BoardColors.h"
#include "board/MoveBox.h"
#include "dialogs/MainDialogs.h"
#include "files/SettingsFile.h"
#include "pictures/BasePicture.h"
#include "widgets/CenterForm.h"
#include "window/Main.h"
#include "window/ToolBar.h"

#include "model/SoundNumbers.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cmath>

namespace tessary {

void Main::drawCell(int col, int row) {
    Picture1->show();
    Picture1->drawCell(col, row);
}

void Main::Picture1_Paint() {
    Picture1->show();
    Picture1->Picture1_Paint();
}

void Main::drawSelectionOutline(int col, int row) {
    Picture1->drawSelectionOutline(col, row);
}

void Main::bringBoardToFront() {
    Picture1->raise();
}

void Main::showBoard() {
    Picture1->show();
}

void Main::playsfx(int n) {
    effects_.playsfx(n);
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

void Main::showSolutionPicture() {
    basePic->show();
    basePic->raise();
}

void Main::hideSolutionPicture() {
    basePic->hide();
}

bool Main::solutionPictureShown() const {
    return !basePic->isHidden();
}

void Main::drawMark(int col, int row, MarkColor fill) {
    Picture1->drawMark(
        col, row, fill == MarkColor::Blue ? boardColors::missingMark() : boardColors::placedMark());
}

void Main::showMoveBox(int left, int top, GridPos home) {
    const BoardGeometry& g = state_.game.board;
    moveBox->showPiece(basePic->picture(), home, g.pieceW, g.pieceH,
                       Picture1->pos() + QPoint(left, top));
}

// Each step of a slide is painted at once and paced, taking no other input meanwhile, so the
// player sees the piece travel.
void Main::moveMoveBox(int left, int top) {
    moveBox->moveNow(Picture1->pos() + QPoint(left, top));
    if (services_.slideStepMs > 0)
        QThread::msleep(static_cast<unsigned long>(services_.slideStepMs));
}

void Main::hideMoveBox() {
    moveBox->hide();
}

const QImage& Main::basePicture() const {
    return basePic->picture();
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
    applyPreparedBoard(*prepared_, state_.game, *Picture1, *basePic);
    state_.game.cursor = KeyboardCursor(); // every new board starts with the cursor hidden
    fitWindowToBoard();
    toolBar_->gameLayout(prepared_->smallPicture.isNull() ? prepared_->base
                                                          : prepared_->smallPicture);
    prepared_.reset();
    setDefaultPointer();
    playsfx(sfx::kBoardLaidOut);
}

// The player first sees the finished picture, then watches the board shuffle; the whole
// shuffle takes at most about a second whatever the board's size, and takes no input.
void Main::shuffleProgress(int done, int total) {
    if (!isVisible() || total <= 0)
        return;
    const int showMs = services_.shuffleShowMs;
    if (done == 1) {
        Picture1->repaint();
        basePic->repaint();
        if (showMs > 0)
            QThread::msleep(static_cast<unsigned long>(showMs / 2));
        basePic->hide();
        Picture1->raise();
        Picture1->Picture1_Paint();
        shuffleStartMs_ = QDateTime::currentMSecsSinceEpoch();
    }
    // Show the board about 60 times over the shuffle, pacing it to the time allowed.
    const int frames = std::min(total, 60);
    if (done != total && (done * frames) / total == ((done - 1) * frames) / total)
        return;
    Picture1->repaint();
    const qint64 due = shuffleStartMs_ + qint64(showMs) * done / total;
    const qint64 wait = due - QDateTime::currentMSecsSinceEpoch();
    if (wait > 0)
        QThread::msleep(static_cast<unsigned long>(wait));
}

void Main::setBoardInputEnabled(bool on) {
    Picture1->setEnabled(on);
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

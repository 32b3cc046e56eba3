// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/BoardPresenter.h"

#include "board/BoardCanvas.h"
#include "board/BoardColors.h"
#include "board/BoardPreparation.h"
#include "board/MoveBox.h"
#include "pictures/BasePicture.h"
#include "widgets/SkipOnFailure.h"

#include <QWidget>

#include <iterator>
#include <utility>

namespace tessary {

BoardPresenter::BoardPresenter(const GameState& state, SoundPlayer& sounds, QWidget* client,
                               BoardPace pace)
    : basePic(new BasePicture(client)), Picture1(new BoardCanvas(state, *basePic, client)),
      moveBox(new MoveBox(client)), sounds_(sounds), pace_(pace),
      animation_(state, *Picture1, *basePic, *moveBox) {
    basePic->hide();
    Picture1->move(0, 0);
    moveBox->hide();
    animation_.onFinished = [this] { runWaiting(); };
}

void BoardPresenter::afterAnimation(std::function<void()> step) {
    if (animating())
        waiting_.push_back(std::move(step));
    else
        step();
}

// What waited may start another animation (a key pressed during a slide): that one is
// finished too.
void BoardPresenter::finishAnimation() {
    while (animating())
        animation_.finish();
}

// The steps run in order until one starts another animation; the rest then wait for that
// one, after what it holds back itself. Each is a step of its own: one that fails is skipped,
// and the player's clicks and keys behind it still act.
void BoardPresenter::runWaiting() {
    std::vector<std::function<void()>> steps;
    steps.swap(waiting_);
    for (auto step = steps.begin(); step != steps.end(); ++step) {
        skipOnFailure(*step);
        if (animating()) {
            waiting_.insert(waiting_.end(), std::make_move_iterator(step + 1),
                            std::make_move_iterator(steps.end()));
            return;
        }
    }
}

void BoardPresenter::drawCell(int col, int row) {
    afterAnimation([this, col, row] { Picture1->drawCell(col, row); });
}

void BoardPresenter::Picture1_Paint() {
    afterAnimation([this] {
        Picture1->show();
        Picture1->Picture1_Paint();
    });
}

void BoardPresenter::drawSelectionOutline(int col, int row) {
    afterAnimation([this, col, row] { Picture1->drawSelectionOutline(col, row); });
}

void BoardPresenter::drawMark(int col, int row, MarkColor fill) {
    afterAnimation([this, col, row, fill] {
        Picture1->drawMark(col, row,
                           fill == MarkColor::Blue ? boardColors::missingMark()
                                                   : boardColors::placedMark());
    });
}

void BoardPresenter::bringBoardToFront() {
    afterAnimation([this] { Picture1->raise(); });
}

void BoardPresenter::showBoard() {
    afterAnimation([this] { Picture1->show(); });
}

// What lies under or over the board goes with it, or the idle board would uncover it.
void BoardPresenter::hideBoard() {
    Picture1->hide();
    basePic->hide();
    moveBox->hide();
}

void BoardPresenter::setBoardInputEnabled(bool on) {
    afterAnimation([this, on] { Picture1->setEnabled(on); });
}

void BoardPresenter::showSolutionPicture() {
    afterAnimation([this] {
        basePic->show();
        basePic->raise();
    });
}

void BoardPresenter::hideSolutionPicture() {
    afterAnimation([this] { basePic->hide(); });
}

bool BoardPresenter::solutionPictureShown() const {
    return !basePic->isHidden();
}

void BoardPresenter::showShuffle(const ShuffleMoves& moves) {
    finishAnimation();
    animation_.playShuffle(moves, pace_.shuffleShowMs);
}

void BoardPresenter::showSlide(const SlidePath& slide) {
    finishAnimation();
    sounds_.playsfx(slide.sound);
    animation_.playSlide(slide, pace_.slideStepMs);
}

void BoardPresenter::applyPrepared(const PreparedBoard& prepared, GameState& game) {
    finishAnimation();
    applyPreparedBoard(prepared, game, *Picture1, *basePic);
}

void BoardPresenter::blink() {
    if (!animating())
        Picture1->Timer1_Timer();
}

} // namespace tessary

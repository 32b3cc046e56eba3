// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardAnimation.h"

#include "board/BoardCanvas.h"
#include "board/MoveBox.h"
#include "pictures/BasePicture.h"
#include "widgets/SkipOnFailure.h"

#include <algorithm>
#include <utility>

namespace tessary {

BoardAnimation::BoardAnimation(const GameState& state, BoardCanvas& board, BasePicture& solution,
                               MoveBox& tile)
    : state_(state), board_(board), solution_(solution), tile_(tile) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        skipOnFailure([this] { nextFrame(); });
        // A frame that failed ends the animation there: the board shows the game.
        if (playing() && !timer_.isActive())
            skipOnFailure([this] { finish(); });
    });
}

void BoardAnimation::playShuffle(const ShuffleMoves& moves, int showMs) {
    finish();
    const QWidget* window = board_.window();
    if (moves.empty() || showMs <= 0 || window == nullptr || !window->isVisible()) {
        board_.showPieces(state_.pieceAt);
        return;
    }
    // The pieces before the shuffle: the game's own with every exchange undone, last first.
    shownPieces_ = state_.pieceAt;
    for (auto move = moves.rbegin(); move != moves.rend(); ++move)
        std::swap(shownPieces_.at(move->first), shownPieces_.at(move->second));
    moves_ = moves;
    shownMoves_ = 0;
    frames_ = static_cast<int>(std::min<std::size_t>(moves.size(), kShuffleFrames));
    showMs_ = showMs;
    frame_ = 0;
    playing_ = Playing::Shuffle;
    // The player first sees the finished picture, which the new board put in front.
    solution_.setAttribute(Qt::WA_TransparentForMouseEvents);
    solution_.show();
    solution_.raise();
    timer_.start(showMs / 2);
}

void BoardAnimation::playSlide(const SlidePath& slide, int stepMs) {
    finish();
    if (stepMs <= 0)
        return;
    slide_ = slide;
    frame_ = 1;
    playing_ = Playing::Slide;
    const BoardGeometry& g = state_.board;
    tile_.showPiece(solution_.picture(), slide.to, g.pieceW, g.pieceH, board_.pos());
    placeTile();
    timer_.setInterval(stepMs);
    timer_.start();
}

void BoardAnimation::nextFrame() {
    switch (playing_) {
    case Playing::Nothing:
        return;
    case Playing::Shuffle:
        if (frame_ == frames_) {
            finish();
            return;
        }
        ++frame_;
        showShuffleFrame();
        timer_.start(shuffleFrameMs(frame_));
        return;
    case Playing::Slide:
        if (frame_ == SlidePath::kSteps) {
            finish();
            return;
        }
        ++frame_;
        placeTile();
        timer_.start();
        return;
    }
}

void BoardAnimation::finish() {
    if (!playing())
        return;
    const Playing was = playing_;
    playing_ = Playing::Nothing;
    timer_.stop();
    moves_.clear();
    solution_.setAttribute(Qt::WA_TransparentForMouseEvents, false);
    if (was == Playing::Shuffle) {
        solution_.hide();
        board_.raise();
    }
    tile_.hide();
    board_.showPieces(state_.pieceAt);
    if (onFinished)
        onFinished();
}

// Frame k shows the exchanges up to the k-th of kShuffleFrames equal shares, the last frame
// all of them. The first one takes the finished picture away.
void BoardAnimation::showShuffleFrame() {
    if (frame_ == 1) {
        solution_.hide();
        board_.raise();
    }
    const std::size_t upTo = exchangesShownBy(frame_);
    for (; shownMoves_ < upTo; ++shownMoves_) {
        const CellExchange& move = moves_[shownMoves_];
        std::swap(shownPieces_.at(move.first), shownPieces_.at(move.second));
    }
    board_.showPieces(shownPieces_);
}

std::size_t BoardAnimation::exchangesShownBy(int frame) const {
    const std::size_t total = moves_.size();
    return (std::size_t(frame) * total + std::size_t(frames_) - 1) / std::size_t(frames_);
}

// Each frame stays until its share of showMs has passed, counted in exchanges shown.
int BoardAnimation::shuffleFrameMs(int frame) const {
    const auto total = static_cast<long long>(moves_.size());
    auto due = [&](int k) {
        return static_cast<long long>(showMs_) * static_cast<long long>(exchangesShownBy(k)) /
               total;
    };
    return static_cast<int>(due(frame) - due(frame - 1));
}

void BoardAnimation::placeTile() {
    const BoardGeometry& g = state_.board;
    const BoardPixel at = slide_.tileAt(frame_, g.pieceW, g.pieceH);
    tile_.move(board_.pos() + QPoint(at.x, at.y));
}

} // namespace tessary

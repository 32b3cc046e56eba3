// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "ports/BoardMotion.h"

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <functional>

namespace tessary {

class BasePicture;
class BoardCanvas;
class MoveBox;

// The board's moving pictures: the shuffle shown exchange by exchange, and an assist's tile
// sliding to its cell. The game is in its final state before one starts; the animation only
// shows the way there, frame by frame on a timer, and can be finished at any moment, leaving
// the board as the game stands.
class BoardAnimation : public QObject {
    Q_OBJECT

  public:
    static constexpr int kShuffleFrames = 60;

    BoardAnimation(const GameState& state, BoardCanvas& board, BasePicture& solution,
                   MoveBox& tile);

    // The finished picture for half of showMs, then the board going from the pieces as they
    // were before `moves` to the game's own, in about kShuffleFrames frames over showMs. With
    // no time to show it, or the window not on screen, the board shows the game at once.
    void playShuffle(const ShuffleMoves& moves, int showMs);

    // The tile showing the piece whose home is slide.to, from slide.from to slide.to in
    // SlidePath::kSteps steps of stepMs each; the board under it stays as it was drawn. No time
    // means no slide.
    void playSlide(const SlidePath& slide, int stepMs);

    bool playing() const { return playing_ != Playing::Nothing; }

    // Stops at once: the tile and the finished picture go, and the board shows the game.
    void finish();

    // The next frame: what the timer runs.
    void nextFrame();

    // Called once an animation has ended, played out or finished early.
    std::function<void()> onFinished;

    const QTimer& frameTimer() const { return timer_; }

  private:
    enum class Playing { Nothing, Shuffle, Slide };

    void showShuffleFrame();
    std::size_t exchangesShownBy(int frame) const;
    int shuffleFrameMs(int frame) const;
    void placeTile();

    const GameState& state_;
    BoardCanvas& board_;
    BasePicture& solution_;
    MoveBox& tile_;
    QTimer timer_;
    Playing playing_ = Playing::Nothing;
    int frame_ = 0;

    // The shuffle: its exchanges, how many are on screen, and the pieces as shown.
    ShuffleMoves moves_;
    std::size_t shownMoves_ = 0;
    CellGrid shownPieces_;
    int frames_ = 0;
    int showMs_ = 0;

    SlidePath slide_;
};

} // namespace tessary

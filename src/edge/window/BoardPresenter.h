// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/BoardAnimation.h"
#include "model/GameState.h"
#include "ports/BoardOverlays.h"
#include "ports/BoardView.h"
#include "ports/SoundPlayer.h"

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace tessary {

class BasePicture;
class BoardCanvas;
class MoveBox;
struct PreparedBoard;

// How long the board's animations take to watch.
struct BoardPace {
    int slideStepMs = 12;    // each step of an assist's slide
    int shuffleShowMs = 900; // the shuffle, after the finished picture's half of it
};

// The board in the main window and what shows over it, as the rules see them (BoardView and
// BoardOverlays): the board picture, the solution picture and the sliding tile, with their
// animations. The game never waits for an animation; while one plays, whatever the rules ask
// to show, and whatever else is handed to afterAnimation, waits for it to end and then runs in
// the order it came.
class BoardPresenter : public QObject, public BoardView, public BoardOverlays {
    Q_OBJECT

  public:
    // The board's widgets go on `client`; `sounds` plays the slides' sounds.
    BoardPresenter(const GameState& state, SoundPlayer& sounds, QWidget* client, BoardPace pace);

    void drawCell(int col, int row) override;
    void Picture1_Paint() override;
    void drawSelectionOutline(int col, int row) override;
    void drawMark(int col, int row, MarkColor fill) override;
    void bringBoardToFront() override;
    void showBoard() override;
    void showShuffle(const ShuffleMoves& moves) override;
    void setBoardInputEnabled(bool on) override;
    void showSolutionPicture() override;
    void hideSolutionPicture() override;
    bool solutionPictureShown() const override;
    void showSlide(const SlidePath& slide) override;

    // True while the board moves: the player's board input, keys and toolbar commands wait
    // (through afterAnimation) until it has stopped.
    bool animating() const { return animation_.playing(); }
    // Runs `step` now, or once the animation on the board has ended.
    void afterAnimation(std::function<void()> step);
    // Ends the animation at once: the board shows the game as it stands, and what waited runs.
    void finishAnimation();

    // Puts a new board in: its numbers into `game`, its pictures on screen, the finished one
    // in front.
    void applyPrepared(const PreparedBoard& prepared, GameState& game);
    // The selection's blink; none while the board moves.
    void blink();
    void hideBoard();

    BoardCanvas& canvas() { return *Picture1; }
    BasePicture& solution() { return *basePic; }

  private:
    // Window tests reach the widgets through MainWindowProbe.
    friend class MainWindowProbe;

    void runWaiting();

    BasePicture* basePic;  // the solved picture, shown over the board by F3
    BoardCanvas* Picture1; // the board the player plays on
    MoveBox* moveBox;      // the tile an assist slides home
    SoundPlayer& sounds_;
    BoardPace pace_;
    BoardAnimation animation_;
    std::vector<std::function<void()>> waiting_;
};

} // namespace tessary

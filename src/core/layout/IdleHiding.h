// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace tessary {

// What one tick of the idle timer (Timer4) asks of the main window.
struct IdleTick {
    bool hideBoard = false;
    std::optional<int> interval; // the timer's new interval in ms, when it changes
    bool stop = false;           // nothing can change until a game is in play again
};

// How long the idle timer waits: from start-up, between ticks while a game is in play, and
// once the board is hidden (at once: the next game wakes it). The game's own waits are 10 s,
// a minute and 10 ms; the end-to-end tests give shorter ones.
struct IdleIntervals {
    int startMs = 10000;
    int playingMs = 60000;
    int hiddenMs = 10;
};

// Timer4: some time after a game ends the board picture is hidden. While a game is in play
// the timer ticks every minute (playingMs) and arms stage 3; once the game is over the next tick
// moves to stage 2 and the one after hides the board, after which nothing can change until a game
// is in play again: the timer is stopped then, and started again with the game. A minimised window
// keeps its board.
class IdleHiding {
  public:
    explicit IdleHiding(IdleIntervals intervals = {}) : intervals_(intervals) {}

    IdleTick Timer4_Timer(bool gameOn, bool minimized);
    int16_t idleStage() const { return idleStage_; }
    const IdleIntervals& intervals() const { return intervals_; }

  private:
    IdleIntervals intervals_;
    int16_t idleStage_ = 0;
};

// Form_Resize: the toolbar window follows the main window, hidden while it is minimised.
struct FormResizeDecision {
    bool showToolbar = true;
};
inline FormResizeDecision Form_Resize(bool minimized) {
    return {!minimized};
}

} // namespace tessary

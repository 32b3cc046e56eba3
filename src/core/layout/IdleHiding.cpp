// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/IdleHiding.h"

namespace tessary {

IdleTick IdleHiding::Timer4_Timer(bool gameOn, bool minimized) {
    IdleTick tick;
    if (gameOn) {
        idleStage_ = 3;
        tick.interval = intervals_.playingMs;
        return tick;
    }
    if (!minimized) {
        if (idleStage_ == 2) {
            tick.hideBoard = true;
            idleStage_ = 0;
            tick.interval = intervals_.hiddenMs;
        } else if (idleStage_ == 3) {
            idleStage_ = 2;
        }
    }
    // At stage 0 with no game in play every tick does nothing until a game starts.
    tick.stop = idleStage_ == 0;
    return tick;
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessary {

// Where the game in play is kept as it is played, so that a crash or a logout loses nothing.
class GameKeeping {
  public:
    virtual ~GameKeeping() = default;

    // The game in play changed (a swap, an assist, a hint that costs score, a new or opened
    // game): it is written again once the step under way is over, at most about twice a
    // second.
    virtual void gameChanged() = 0;
    // The game was solved: there is nothing left to offer back.
    virtual void gameOver() = 0;
};

} // namespace tessary

#pragma once

#include "model/GameState.h"
#include "ports/BoardView.h"
#include "rules/Play.h"

namespace tessary {

// The keys of play: the arrows, Home and End move the cursor; Select is Space, Swap is Enter.
enum class PlayKey { Left, Right, Up, Down, Home, End, Select, Swap };

// Playing from the keyboard: the cursor keys move the keyboard cursor, and Space (Select) and
// Enter (Swap) press the left and the right button on the cell under it, through the very
// same click handling as the mouse, so every rule, sound and count stays the mouse's.
class KeyboardPlay {
  public:
    KeyboardPlay(GameState& state, BoardView& view, Play& play)
        : s_(state), view_(view), play_(play) {}

    // A key of play while a puzzle is in play; nothing happens without one. A held Space or
    // Enter acts once, and neither acts while the cursor is hidden: the player must see the
    // cell first.
    void keyDown(PlayKey key, bool autoRepeat);

    // A mouse click on the board: the mouse is playing now, so the cursor goes out of sight.
    void boardClicked();

  private:
    void press(int button);
    void hideCursor();

    GameState& s_;
    BoardView& view_;
    Play& play_;
};

} // namespace tessary

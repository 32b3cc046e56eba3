// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "ports/BoardView.h"
#include "rules/Hints.h"
#include "rules/Play.h"
#include "rules/PlayerInput.h"

namespace tessary {

// Playing from the keyboard: the cursor keys move the keyboard cursor, and Space (Select) and
// Enter (Swap) press the left and the right button on the cell under it, through the very
// same press as the mouse's, so every rule, sound and count stays the mouse's. The function
// keys run the hints' commands.
class KeyboardPlay {
  public:
    KeyboardPlay(GameState& state, BoardView& view, Play& play, Hints& hints)
        : s_(state), view_(view), play_(play), hints_(hints) {}

    // Whether the game takes the key before the window and its menus see it: any key while the
    // marks of F5 or F6 are shown, a command, or a key of play while a puzzle is in play.
    bool takes(const GameKey& key) const;

    // Form_KeyDown, the key preview: any key while the marks are shown only takes them away (a
    // held one not even that); otherwise the command runs or the key of play plays, except
    // under F3's solution, where the keys of play leave the hidden board alone.
    void Form_KeyDown(const GameKey& key);

    // A key of play while a puzzle is in play; nothing happens without one. A held Space or
    // Enter acts once, and neither acts while the cursor is hidden: the player must see the
    // cell first.
    void keyDown(PlayKey key, bool autoRepeat);

    // A mouse click on the board: the mouse is playing now, so the cursor goes out of sight.
    void boardClicked();

  private:
    void press(Button button);
    void hideCursor();

    GameState& s_;
    BoardView& view_;
    Play& play_;
    Hints& hints_;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "ports/GameHost.h"
#include "rules/Play.h"
#include "rules/PlayerInput.h"

namespace tessary {

// The function-key commands: peeks that show part of the solution, assists that move a piece
// for the player, and the toolbar and minimise conveniences.
class Hints {
  public:
    Hints(GameState& state, GameHost host, Play& play) : s_(state), host_(host), play_(play) {}

    // A function key's or a toolbar button's command.
    void run(Command command);

    // True while the marks of F5 or F6 lie over the board: the next key only takes them away.
    bool marksShown() const { return s_.play.peekShown; }
    // Takes the marks away, without acting on anything else.
    void endMarks();
    // True while F3's solution covers the board. It stays through key presses (F3 again costs
    // another peek), but the keys of play do nothing to the board hidden under it.
    bool solutionShown() const { return host_.overlays.solutionPictureShown(); }

    void toggleGrid();
    void showSolution();
    void showSmallImage();
    void showMissing();
    void showPlaced();
    void fetchCorrectPiece();
    void sendPieceHome();
    void toggleToolbar();
    void minimizeGame();
    void basePic_Click();

  private:
    void markCells(bool solvedCells, BoardView::MarkColor fill);
    void land(GridPos target);

    GameState& s_;
    GameHost host_;
    Play& play_;
};

} // namespace tessary

#pragma once

#include "model/GameState.h"
#include "ports/GameHost.h"
#include "rules/Play.h"

namespace tessary {

// The function-key commands: peeks that show part of the solution, assists that move a piece
// for the player, and the toolbar and minimise conveniences.
class Hints {
  public:
    // Key codes of F2 and F10, as the key preview hands them over.
    static constexpr int kF2 = 113;
    static constexpr int kF10 = 121;

    Hints(GameState& state, GameHost host, Play& play) : s_(state), host_(host), play_(play) {}

    // Returns true when the key was used up: any key ends an overlay without acting.
    bool Form_KeyDown(int keyCode);

    // Runs the command of toolbar button 2..10 (the same as F2..F10).
    void runCommand(int button);

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

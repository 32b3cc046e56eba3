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
    static constexpr int kSlideSteps = 25;

    Hints(GameState& state, GameHost host, Play& play) : s_(state), host_(host), play_(play) {}

    // A function key's or a toolbar button's command.
    void run(Command command);

    // True while marks (F5, F6) or the solution (F3) lie over the board: the next key only
    // puts them away.
    bool overlayShown() const;
    // Puts the overlay away, without acting on anything else.
    void endOverlay();

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
    void slide(GridPos from, GridPos to, GridPos home, int sound);

    GameState& s_;
    GameHost host_;
    Play& play_;
    bool fetchBusy_ = false;
    bool sendBusy_ = false;
};

} // namespace tessary

#pragma once

#include "engine/GridPos.h"

namespace tessary {

// The board on screen, as the rules see it: cells, outlines, marks, the solution picture over
// the board and the tile that slides during an assist. Positions are board pixels.
class BoardView {
  public:
    enum class MarkColor { Blue, Green };

    virtual ~BoardView() = default;

    virtual void drawCell(int col, int row) = 0;
    virtual void Picture1_Paint() = 0; // full repaint; also hides the solution picture
    virtual void drawSelectionOutline(int col, int row) = 0; // red dotted outline
    virtual void drawMark(int col, int row, MarkColor fill) = 0;
    virtual void bringBoardToFront() = 0;
    virtual void showSolutionPicture() = 0;
    virtual void hideSolutionPicture() = 0;

    // The moving tile showing the piece whose home is `home`.
    virtual void showMoveBox(int left, int top, GridPos home) = 0;
    virtual void moveMoveBox(int left, int top) = 0;
    virtual void hideMoveBox() = 0;

    // Called after every exchange of the shuffle, so the player can watch it happen.
    virtual void shuffleProgress(int done, int total) = 0;
    virtual void setBoardInputEnabled(bool on) = 0;
};

} // namespace tessary

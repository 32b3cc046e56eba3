#pragma once

#include "model/GridPos.h"

namespace tessary {

// What shows over the board for a moment: the solution picture, and the tile that slides
// during an assist. Positions are board pixels.
class BoardOverlays {
  public:
    virtual ~BoardOverlays() = default;

    virtual void showSolutionPicture() = 0;
    virtual void hideSolutionPicture() = 0;
    virtual bool solutionPictureShown() const = 0;
    // The moving tile showing the piece whose home is `home`.
    virtual void showMoveBox(int left, int top, GridPos home) = 0;
    virtual void moveMoveBox(int left, int top) = 0;
    virtual void hideMoveBox() = 0;
};

} // namespace tessary

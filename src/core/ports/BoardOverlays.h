// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/BoardMotion.h"

namespace tessary {

// What shows over the board for a moment: the solution picture, and the tile that slides
// during an assist.
class BoardOverlays {
  public:
    virtual ~BoardOverlays() = default;

    virtual void showSolutionPicture() = 0;
    virtual void hideSolutionPicture() = 0;
    virtual bool solutionPictureShown() const = 0;
    // An assist's slide, its sound starting with it. The game has already moved on: what the
    // rules show after it is seen and heard once the piece has landed.
    virtual void showSlide(const SlidePath& slide) = 0;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/PuzzleResults.h"
#include "window/BoardPresenter.h"

namespace tessary {

// A finished puzzle's result, taken once the board has stopped moving: the last assist's slide
// is seen, and its sounds heard, before the Hall of Fame asks for a name.
class ResultsAfterAnimation : public PuzzleResults {
  public:
    ResultsAfterAnimation(BoardPresenter& board, PuzzleResults& results)
        : board_(board), results_(results) {}

    void enterHof(int32_t netScore, const std::string& title, int pieces) override {
        board_.afterAnimation(
            [this, netScore, title, pieces] { results_.enterHof(netScore, title, pieces); });
    }

  private:
    BoardPresenter& board_;
    PuzzleResults& results_;
};

} // namespace tessary

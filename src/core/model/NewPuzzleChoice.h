// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"

#include <cstdint>

namespace tessary {

// What the player picks in the new-puzzle dialog: the puzzle type, the pieces across and down
// in one image, and how each picture fills its part of the board.
struct NewPuzzleChoice {
    int16_t puzType = 0; // 1..4; 0 until a type has ever been picked
    int16_t imgAcross = 0;
    int16_t imgDown = 0;
    int16_t fitMode = 0; // kStretched or kCropped

    // The dialog opens with the puzzle chosen last.
    static NewPuzzleChoice of(const PuzzleDescription& puzzle) {
        return {puzzle.puzType, puzzle.imgAcross, puzzle.imgDown, puzzle.fitMode};
    }
    void applyTo(PuzzleDescription& puzzle) const {
        puzzle.puzType = puzType;
        puzzle.imgAcross = imgAcross;
        puzzle.imgDown = imgDown;
        puzzle.fitMode = fitMode;
    }
    bool operator==(const NewPuzzleChoice&) const = default;
};

} // namespace tessary

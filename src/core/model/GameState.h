// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CellGrid.h"
#include "model/GridPos.h"
#include "model/KeyboardCursor.h"
#include "model/PieceLimits.h"

#include <array>
#include <cstdint>
#include <string>

namespace tessary {

// Puzzle types, as the new-puzzle dialog numbers them.
enum PuzzleType : int16_t { kSingle = 1, kDouble = 2, kTriple = 3, kTwoByTwo = 4 };

// How each picture fills its part of the board, as the new-puzzle dialog numbers them.
enum FitMode : int16_t { kStretched = 1, kCropped = 2 };

// Which puzzle is being played.
struct PuzzleDescription {
    int16_t puzType = 0;                // 1..4, the number of images
    int16_t imgAcross = 0;              // pieces across in one image
    int16_t imgDown = 0;                // pieces down in one image
    int16_t fitMode = 0;                // kStretched or kCropped
    std::array<std::string, 5> puzFile; // entries 1..puzType used
    std::string puzPath;
    std::string puzTitle;
};

// Pixel geometry of the board.
struct BoardGeometry {
    int16_t boardAcross = 0;
    int16_t boardDown = 0;
    int16_t boardW = 0;
    int16_t boardH = 0;
    int16_t pieceW = 0;
    int16_t pieceH = 0;
    int16_t baseW = 0;
    float baseH = 0;
};

// Selection, flags and the running counts of the game in play.
struct PlayState {
    int16_t selX = 0; // 0 means nothing is selected
    int16_t selY = 0;
    bool gameOn = false;
    bool showMisplaced = false;
    bool peekShown = false;
    bool assistMove = false;
    int16_t leftToMove = 0;
    int16_t swaps = 0;
    int16_t goodSwaps = 0;
    int16_t peeks = 0;
    int16_t assists = 0;
    int32_t netScore = 0;
};

// Everything the rules read and write about the puzzle on the board.
struct GameState {
    PuzzleDescription puzzle;
    BoardGeometry board;
    PlayState play;
    CellGrid pieceAt;      // pieceAt(c, r): home of the piece shown at cell (c, r)
    CellGrid cellOf;       // cellOf(hc, hr): the cell where the piece with home (hc, hr) lies
    KeyboardCursor cursor; // only for the player's eyes: never saved

    bool isSolved(int col, int row) const {
        return pieceAt(col, row) == GridPos{int16_t(col), int16_t(row)};
    }
    bool onBoard(int col, int row) const {
        return col >= 1 && col <= board.boardAcross && row >= 1 && row <= board.boardDown;
    }
};

} // namespace tessary

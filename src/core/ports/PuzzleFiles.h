// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tessary {

struct GameState;
struct PuzzleDescription;

// What the pictures of a puzzle made of a board, before anything of the game changes.
struct LayoutCheck {
    enum class Result { ok, pictureMissing, refused };
    Result result = Result::ok;
    std::string message; // why a refused board cannot be laid out, for the player
    int boardAcross = 0; // the board the pictures give, when ok
    int boardDown = 0;
};

// The files a new puzzle reads and writes: the settings and the pictures of its board.
class PuzzleFiles {
  public:
    virtual ~PuzzleFiles() = default;

    // Writes the settings file, with the type and size of `puzzle`.
    virtual void writeSettings(const PuzzleDescription& puzzle) = 0;
    // Loads and checks every picture of `puzzle` without changing anything; on failure it has
    // told the player which file could not be read.
    virtual bool prepareLayout(const PuzzleDescription& puzzle) = 0;
    // The same for another game (one read from a file), without a word to the player.
    virtual LayoutCheck prepareLayoutOf(const GameState& game) = 0;
    // Lays the prepared board out: board size and geometry, the composed picture shown at the
    // board's place, the window fitted, the toolbar's game layout, the board's sound.
    virtual void applyLayout() = 0;
};

} // namespace tessary

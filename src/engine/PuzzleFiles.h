#pragma once

namespace tessary {

// The files a new puzzle reads and writes: the settings and the pictures of its board.
class PuzzleFiles {
  public:
    virtual ~PuzzleFiles() = default;

    virtual void putINI() = 0;
    // Loads and checks every picture of the puzzle without changing anything; on failure it
    // has told the player which file could not be read.
    virtual bool prepareLayout() = 0;
    // Lays the prepared board out: board size and geometry, the composed picture shown at the
    // board's place, the window fitted, the toolbar's game layout, the board's sound.
    virtual void applyLayout() = 0;
};

} // namespace tessary

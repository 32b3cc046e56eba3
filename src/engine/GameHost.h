#pragma once

#include "engine/GridPos.h"

#include <cstdint>
#include <string>

namespace tessary {

// What the rules ask of the screen, the speakers and the windows. The main window implements
// it for real; engine tests record every call in order. The engine never draws, plays or
// opens anything itself.
class GameHost {
  public:
    virtual ~GameHost() = default;

    // Board drawing.
    virtual void drawCell(int col, int row) = 0;
    virtual void Picture1_Paint() = 0; // full repaint; also hides the solution picture
    virtual void drawSelectionOutline(int col, int row) = 0; // red dotted outline
    virtual void bringBoardToFront() = 0;
    // Shows the board picture again as it was last drawn (the idle timer may have hidden it).
    virtual void showBoard() = 0;

    // Sound effect number n of the sound list.
    virtual void playsfx(int n) = 0;

    // Timers and menu entries.
    virtual void setBlinkTimer(bool on) = 0;  // Timer1, the selection blink
    virtual void setSaveEnabled(bool on) = 0; // "&Save This Game"

    // The floating toolbar.
    virtual void setToolbarVisible(bool visible) = 0;
    virtual bool toolbarVisible() const = 0;
    virtual void setToolbarFinishedLayout() = 0;

    // Modal windows at the end of a puzzle.
    virtual void showScoreWindow(const std::string& performanceText) = 0;
    virtual void enterHof(int32_t netScore, const std::string& title, int pieces,
                          const std::string& playerName, int flag) = 0;

    // Hints: the solution picture over the board, the cross-hatch marks, the toolbar's small
    // picture (toolbar pixels), and the toolbar's width and caption.
    enum class MarkColor { Blue, Green };
    virtual void showSolutionPicture() = 0;
    virtual void hideSolutionPicture() = 0;
    virtual void drawMark(int col, int row, MarkColor fill) = 0;
    virtual bool smallImageVisible() const = 0;
    virtual void showSmallImage(int left, float top, int width, int height) = 0;
    virtual void hideSmallImage() = 0;
    virtual void setToolbarWidth(int pixels) = 0;
    virtual void setToolbarCaption(const std::string& caption) = 0;
    virtual double twipsPerPixelY() const = 0;

    // Assists: the moving tile showing the piece whose home is `home`, at board pixels.
    virtual void showMoveBox(int left, int top, GridPos home) = 0;
    virtual void moveMoveBox(int left, int top) = 0;
    virtual void hideMoveBox() = 0;

    virtual void minimizeMain() = 0;

    // The new-puzzle flow. Dialogs are modal: each returns once the player has closed it.
    // Saving the game in play: written, given up in the chooser, or not written (the player
    // has been told why).
    enum class SaveOutcome { saved, cancelled, failed };
    virtual SaveOutcome MenuSave_Click() = 0;
    virtual void setDefaultPointer() = 0;
    // Sets imgAcross, imgDown, puzType, fitMode; false when closed without "Ok".
    virtual bool showNewPuzzleDialog() = 0;
    virtual void putINI() = 0;
    virtual void showImageChooser() = 0; // sets chosenFile (empty when cancelled), chosenTitle
    // Loads and checks every image of the puzzle without changing anything; on failure it has
    // told the player which file could not be read.
    virtual bool prepareLayout() = 0;
    // Lays the prepared board out: board size and geometry, the composed picture shown at
    // the board's place, the window fitted, the toolbar's game layout, sound 11.
    virtual void applyLayout() = 0;
    // Called after every exchange of the shuffle, so the screen can show it happening.
    virtual void shuffleProgress(int done, int total) = 0;
    virtual void setBoardInputEnabled(bool on) = 0;
};

} // namespace tessary

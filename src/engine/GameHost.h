#pragma once

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
};

} // namespace tessary

#pragma once

#include <string>

namespace tessary {

// The modal windows of a game. Each returns once the player has closed it; what the player
// chose is written into the puzzle description handed to the window.
class GameDialogs {
  public:
    virtual ~GameDialogs() = default;

    virtual void MenuSave_Click() = 0;      // offers to save the game in play
    virtual void showNewPuzzleDialog() = 0; // sets imgAcross, imgDown, puzType, fitMode
    virtual void showImageChooser() = 0;    // sets chosenFile ("" when cancelled), chosenTitle
    virtual void showScoreWindow(const std::string& performanceText) = 0;
};

} // namespace tessary

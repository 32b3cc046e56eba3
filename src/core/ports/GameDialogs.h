#pragma once

#include <optional>
#include <string>

namespace tessary {

// The modal windows of a game. Each returns once the player has closed it; what the player
// chose is written into the puzzle description handed to the window.
class GameDialogs {
  public:
    // Saving the game in play: written, given up in the chooser, or not written (the player
    // has been told why).
    enum class SaveOutcome { saved, cancelled, failed };

    virtual ~GameDialogs() = default;

    // Offers to save the game in play (the File menu's "Save This Game" does the same).
    virtual SaveOutcome offerSave() = 0;
    // Sets imgAcross, imgDown, puzType, fitMode; false when closed without "Ok".
    virtual bool showNewPuzzleDialog() = 0;
    virtual void showImageChooser() = 0; // sets chosenFile ("" when cancelled), chosenTitle
    virtual void showScoreWindow(const std::string& performanceText) = 0;
    // The saved game to open, or nothing when the chooser was cancelled.
    virtual std::optional<std::string> chooseGameToOpen() = 0;
    // A critical message, with its beep; the toolbar steps aside while it is up.
    virtual void showCritical(const std::string& text) = 0;
};

} // namespace tessary

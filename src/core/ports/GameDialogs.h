// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NewPuzzleChoice.h"

#include <optional>
#include <string>

namespace tessary {

// A picture taken in the image chooser: its file, and the file's name without its folder.
struct ChosenPicture {
    std::string file;
    std::string name;
    bool operator==(const ChosenPicture&) const = default;
};

// The modal windows of a game. Each returns once the player has closed it, with what the
// player chose; none of them changes the game.
class GameDialogs {
  public:
    // Saving the game in play: written, given up in the chooser, or not written (the player
    // has been told why).
    enum class SaveOutcome { saved, cancelled, failed };

    virtual ~GameDialogs() = default;

    // Offers to save the game in play (the File menu's "Save This Game" does the same).
    virtual SaveOutcome offerSave() = 0;
    // The new-puzzle dialog, opened on `shown`; nothing when it was closed without "Ok".
    virtual std::optional<NewPuzzleChoice> chooseNewPuzzle(const NewPuzzleChoice& shown) = 0;
    // The image chooser with its window titled `caption` ("" keeps its own title), showing the
    // picture `shown` if one is given, else asking for one first; nothing when the player took
    // no picture.
    virtual std::optional<ChosenPicture> choosePicture(const std::string& caption,
                                                       const std::string& shown) = 0;
    virtual void showScoreWindow(const std::string& performanceText) = 0;
    // The saved game to open, or nothing when the chooser was cancelled.
    virtual std::optional<std::string> chooseGameToOpen() = 0;
    // A question at start-up: carry on with the game kept from the last run? Yes is the
    // default answer; nothing when the question went unanswered (the session ended).
    virtual std::optional<bool> askToCarryOn(const std::string& question) = 0;
    // A critical message, with its beep; the toolbar steps aside while it is up.
    virtual void showCritical(const std::string& text) = 0;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/GameDialogs.h"
#include "ports/HofEntryHost.h"
#include "ports/SoundPlayer.h"
#include "window/ProgramState.h"

#include <optional>
#include <string>

class QString;
class QWidget;

namespace tessary {

class BoardPresenter;
class GameKeeper;
struct MainServices;

// The modal windows the rules ask for, shown over the main window through MainDialogs: the
// save offered, the new-puzzle dialog, the image chooser, the Score window, the open chooser
// and critical messages, then the Hall of Fame entry's name entry, list, message and browser.
class DialogPresenter : public GameDialogs, public HofEntryHost {
  public:
    // `toolBar` steps aside while a critical message is up; `sounds` greets the name entry; the
    // Score window waits for `board` to stop moving, so the last move is seen first; a save
    // offered as the session ends goes to `keeper`.
    DialogPresenter(QWidget& window, QWidget& toolBar, ProgramState& state, MainServices& services,
                    SoundPlayer& sounds, BoardPresenter& board, GameKeeper& keeper);

    // The desktop session is ending (a logout, SIGTERM): from now on nothing asks the player
    // anything, and a save offered only writes the game kept in the data folder.
    void endSession() { sessionEnding_ = true; }
    bool sessionEnding() const { return sessionEnding_; }

    SaveOutcome offerSave() override;
    std::optional<NewPuzzleChoice> chooseNewPuzzle(const NewPuzzleChoice& shown) override;
    std::optional<ChosenPicture> choosePicture(const std::string& caption,
                                               const std::string& shown) override;
    void showScoreWindow(const std::string& performanceText) override;
    std::optional<std::string> chooseGameToOpen() override;
    std::optional<bool> askToCarryOn(const std::string& question) override;
    void showCritical(const std::string& text) override;

    NameEntryAnswer askName(int rank, const std::string& name, const std::string& email) override;
    void showHofWindow() override;
    void showMessage(const std::string& text) override;
    void openLink(const std::string& address) override;
    std::string today() const override;

  private:
    SaveOutcome saveLastGame();
    void showCritical(const QString& text);

    QWidget& window_;
    QWidget& toolBar_;
    ProgramState& state_;
    MainServices& services_;
    SoundPlayer& sounds_;
    BoardPresenter& board_;
    GameKeeper& keeper_;
    bool sessionEnding_ = false;
};

} // namespace tessary

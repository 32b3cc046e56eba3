#include "flows/OpenGameFlow.h"

#include "files/SavedGame.h"

namespace tessary {

void OpenGameFlow::openGame() {
    const std::optional<std::string> path = host_.dialogs.chooseGameToOpen();
    if (!path || path->empty())
        return;
    const std::string notAGame = *path + " is not a saved Tessary game";

    // Read and check the whole file before anything of the game in play changes.
    SavedGameLoad load = readSavedGame(*path, s_, settings_);
    if (load.status != SavedGameStatus::ok) {
        if (s_.play.gameOn)
            host_.board.Picture1_Paint();
        host_.dialogs.showCritical(notAGame);
        return;
    }

    // The pictures must load too, and make the file's own board: a first picture that has
    // changed shape since the save lays out another board, with cells no piece would fill.
    const LayoutCheck check = host_.files.prepareLayoutOf(load.game);
    switch (check.result) {
    case LayoutCheck::Result::pictureMissing:
        host_.dialogs.showCritical("File name specified in .SAV file is not found");
        return;
    case LayoutCheck::Result::refused:
        host_.dialogs.showCritical(check.message);
        return;
    case LayoutCheck::Result::ok:
        break;
    }
    if (check.boardAcross != load.game.board.boardAcross ||
        check.boardDown != load.game.board.boardDown) {
        host_.dialogs.showCritical(notAGame);
        return;
    }

    s_ = std::move(load.game);
    settings_.spareSetting = load.settings.spareSetting;
    s_.play.selX = 0;
    s_.play.selY = 0;
    s_.play.peekShown = false; // the overlay belonged to the board just replaced
    host_.files.applyLayout();
    play_.board().countLeft();
    s_.play.gameOn = true;
    host_.window.setBlinkTimer(true);
    host_.window.setSaveEnabled(true);
    host_.board.Picture1_Paint();
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/OpenGameFlow.h"

#include "files/SavedGame.h"

namespace tessary {

namespace {

std::string notASavedGame(const std::string& path) {
    return path + " is not a saved Tessary game";
}

} // namespace

void OpenGameFlow::openGame() {
    const std::optional<std::string> path = host_.dialogs.chooseGameToOpen();
    if (path && !path->empty())
        openFile(*path);
}

void OpenGameFlow::offerKept(const KeptGame& kept) {
    if (!kept.exists())
        return;
    const std::string path = kept.file().string();
    const SavedGameLoad load = readSavedGame(path, s_, settings_);
    if (load.status != SavedGameStatus::ok) {
        // Told once, where the file now lies.
        host_.dialogs.showCritical(notASavedGame(kept.setAsideRefused().value_or(path).string()));
        return;
    }
    const GameState& game = load.game;
    const BoardGeometry& board = game.board;
    int left = 0;
    for (int c = 1; c <= board.boardAcross; ++c)
        for (int r = 1; r <= board.boardDown; ++r)
            left += game.isSolved(c, r) ? 0 : 1;
    const std::string question = "Carry on with the puzzle you were playing?\n\n\"" +
                                 game.puzzle.puzTitle + "\", " + std::to_string(board.boardAcross) +
                                 " x " + std::to_string(board.boardDown) + " pieces, " +
                                 std::to_string(left) + " still to place.";
    const std::optional<bool> carryOn = host_.dialogs.askToCarryOn(question);
    if (!carryOn)
        return; // asked again next time
    if (!*carryOn)
        kept.putAway();
    else if (!openFile(path))
        kept.setAsideRefused();
}

bool OpenGameFlow::openFile(const std::string& path) {
    // Read and check the whole file before anything of the game in play changes.
    SavedGameLoad load = readSavedGame(path, s_, settings_);
    if (load.status != SavedGameStatus::ok) {
        if (s_.play.gameOn)
            host_.board.Picture1_Paint();
        host_.dialogs.showCritical(notASavedGame(path));
        return false;
    }

    // The pictures must load too, and make the file's own board: a first picture that has
    // changed shape since the save lays out another board, with cells no piece would fill.
    const LayoutCheck check = host_.files.prepareLayoutOf(load.game);
    switch (check.result) {
    case LayoutCheck::Result::pictureMissing:
        host_.dialogs.showCritical("File name specified in .SAV file is not found");
        return false;
    case LayoutCheck::Result::refused:
        host_.dialogs.showCritical(check.message);
        return false;
    case LayoutCheck::Result::ok:
        break;
    }
    if (check.boardAcross != load.game.board.boardAcross ||
        check.boardDown != load.game.board.boardDown) {
        host_.dialogs.showCritical(notASavedGame(path));
        return false;
    }

    s_ = std::move(load.game);
    settings_.spareSetting = load.settings.spareSetting;
    s_.play.selX = 0;
    s_.play.selY = 0;
    s_.play.peekShown = false; // the overlay belonged to the board just replaced
    host_.files.applyLayout();
    play_.board().countLeft();
    s_.play.gameOn = true;
    host_.keeping.gameChanged();
    host_.window.setBlinkTimer(true);
    host_.window.setSaveEnabled(true);
    host_.board.Picture1_Paint();
    return true;
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/NewPuzzleFlow.h"

#include <optional>
#include <string>

namespace tessary {

namespace {

// The title a picture gives its puzzle: its file name without the extension.
std::string titleOf(const std::string& fileName) {
    const auto dot = fileName.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

} // namespace

void NewPuzzleFlow::newPuzzle(const std::string& firstPicture) {
    // A game the player meant to keep but that could not be written stays in play; the
    // player has been told why and may save it elsewhere first.
    if (s_.play.gameOn && host_.dialogs.offerSave() == GameDialogs::SaveOutcome::failed)
        return;
    const bool wasOn = s_.play.gameOn;
    s_.play.gameOn = false;
    host_.window.setBlinkTimer(false);
    host_.toolbar.setToolbarVisible(false);
    host_.window.setDefaultPointer();
    // The dialog closed by Esc or its close box gives up, as a cancelled chooser does.
    const std::optional<NewPuzzleChoice> choice =
        host_.dialogs.chooseNewPuzzle(NewPuzzleChoice::of(s_.puzzle));
    if (!choice) {
        abandon(wasOn);
        return;
    }
    // The new puzzle is described apart until its board is ready: given up, the board on
    // screen keeps its own description (the save and the performance evaluation read it).
    PuzzleDescription next = s_.puzzle;
    choice->applyTo(next);
    // The settings file takes the new type and size at once, pictures or not.
    host_.files.writeSettings(next);
    // No first picture, or a later one left out, abandons the new puzzle; so does a picture
    // that cannot be read. Nothing of the game in play has changed yet.
    if (!choosePictures(next, firstPicture) || !host_.files.prepareLayout(next)) {
        abandon(wasOn);
        return;
    }

    s_.puzzle = std::move(next);
    s_.play.swaps = 0;
    s_.play.goodSwaps = 0;
    s_.play.peeks = 0;
    s_.play.assists = 0;
    host_.files.applyLayout();
    // The new board starts with nothing selected (the old cell may come out of the shuffle
    // solved, or lie past the new board's edge) and no overlay to end.
    s_.play.selX = s_.play.selY = 0;
    s_.play.peekShown = false;
    Board& board = play_.board();
    board.countLeft();
    board.placeHome();
    // A small board can come out of the shuffle with every piece home, leaving a game with
    // nothing to do that can never be finished: shuffle it again.
    ShuffleMoves moves;
    do {
        const ShuffleMoves more = board.shuffle(random_);
        moves.insert(moves.end(), more.begin(), more.end());
        board.countLeft();
    } while (s_.play.leftToMove == 0 && s_.board.boardAcross * s_.board.boardDown > 1);
    host_.board.showShuffle(moves);
    host_.overlays.hideSolutionPicture();
    host_.board.setBoardInputEnabled(true);
    s_.play.gameOn = true;
    host_.keeping.gameChanged(); // the new game replaces the one kept
    host_.window.setBlinkTimer(true);
    host_.window.setSaveEnabled(true);
}

bool NewPuzzleFlow::choosePictures(PuzzleDescription& p, const std::string& firstPicture) {
    const int images = p.puzType;
    // A picture left out still asks for the ones after it; the puzzle is given up at the end.
    bool complete = images >= kSingle && images <= kTwoByTwo;
    for (int i = 1; i <= images && i < int(p.puzFile.size()); ++i) {
        // With one picture the chooser keeps its own caption, "Start New Puzzle".
        const std::string caption =
            images > 1 ? "Select puzzle " + std::to_string(i) + " of " + std::to_string(images)
                       : std::string();
        const std::optional<ChosenPicture> picture =
            host_.dialogs.choosePicture(caption, i == 1 ? firstPicture : std::string());
        if (!picture) {
            complete = false;
            continue;
        }
        p.puzFile[i] = picture->file;
        p.puzPath = picture->file;
        p.puzTitle = titleOf(picture->name); // the last picture names the puzzle
    }
    return complete;
}

void NewPuzzleFlow::abandon(bool wasOn) {
    s_.play.gameOn = wasOn;
    if (wasOn) {
        // The idle timer saw no game in play while the dialogs were up and may have hidden
        // the board; the game goes on exactly as it was drawn.
        host_.board.showBoard();
        host_.window.setBlinkTimer(true);
    }
    host_.toolbar.setToolbarVisible(true);
}

} // namespace tessary

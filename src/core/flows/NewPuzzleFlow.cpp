#include "flows/NewPuzzleFlow.h"

#include <string>

namespace tessary {

namespace {

// The title a picture gives its puzzle: its file name without folder and extension.
std::string titleOf(const std::string& chosenTitle) {
    const auto dot = chosenTitle.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? chosenTitle : chosenTitle.substr(0, dot);
}

} // namespace

void NewPuzzleFlow::newPuzzle() {
    // A game the player meant to keep but that could not be written stays in play; the
    // player has been told why and may save it elsewhere first.
    if (s_.play.gameOn && host_.dialogs.MenuSave_Click() == GameDialogs::SaveOutcome::failed)
        return;
    const bool wasOn = s_.play.gameOn;
    // The dialog and the chooser write the new choice straight into the puzzle description;
    // if the new puzzle is given up, the board on screen must keep its own description (the
    // save and the performance evaluation read it).
    const PuzzleDescription shown = s_.puzzle;
    s_.play.gameOn = false;
    host_.window.setBlinkTimer(false);
    host_.toolbar.setToolbarVisible(false);
    host_.window.setDefaultPointer();
    // The dialog closed by Esc or its close box gives up, as a cancelled chooser does.
    if (!host_.dialogs.showNewPuzzleDialog()) {
        restoreDescription(shown);
        abandon(wasOn);
        return;
    }
    host_.files.putINI();
    chooseImages();

    PuzzleDescription& p = s_.puzzle;
    // No first picture, or a later one left out, abandons the new puzzle; so does a picture
    // that cannot be read. Nothing of the game in play has changed yet.
    bool complete = p.puzType >= kSingle && p.puzType <= kTwoByTwo;
    for (int i = 1; complete && i <= p.puzType; ++i)
        complete = !p.puzFile[i].empty();
    if (!complete || !host_.files.prepareLayout()) {
        restoreDescription(shown);
        abandon(wasOn);
        return;
    }

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
    host_.window.setBlinkTimer(true);
    host_.window.setSaveEnabled(true);
}

void NewPuzzleFlow::chooseImages() {
    PuzzleDescription& p = s_.puzzle;
    const int images = p.puzType;
    for (int i = 1; i <= images && i < int(p.puzFile.size()); ++i) {
        // With one picture the chooser keeps its own caption, "Start New Puzzle".
        p.chooserCaption =
            images > 1 ? "Select puzzle " + std::to_string(i) + " of " + std::to_string(images)
                       : std::string();
        host_.dialogs.showImageChooser();
        p.puzPath = p.chosenFile;
        if (p.chosenFile.size() >= 4)
            p.puzTitle = titleOf(p.chosenTitle);
        p.puzFile[i] = p.chosenFile;
    }
}

void NewPuzzleFlow::restoreDescription(const PuzzleDescription& shown) {
    PuzzleDescription& p = s_.puzzle;
    p.puzType = shown.puzType;
    p.imgAcross = shown.imgAcross;
    p.imgDown = shown.imgDown;
    p.fitMode = shown.fitMode;
    p.puzFile = shown.puzFile;
    p.puzPath = shown.puzPath;
    p.puzTitle = shown.puzTitle;
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

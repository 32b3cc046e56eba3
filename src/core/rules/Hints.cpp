// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Hints.h"

#include "model/Counter16.h"
#include "model/GameName.h"
#include "model/SoundNumbers.h"

#include <string>

namespace tessary {

void Hints::run(Command command) {
    switch (command) {
    case Command::ToggleGrid:
        toggleGrid();
        break;
    case Command::ShowSolution:
        showSolution();
        break;
    case Command::SmallImage:
        showSmallImage();
        break;
    case Command::ShowMissing:
        showMissing();
        break;
    case Command::ShowPlaced:
        showPlaced();
        break;
    case Command::FetchPiece:
        fetchCorrectPiece();
        break;
    case Command::SendHome:
        sendPieceHome();
        break;
    case Command::ToggleToolbar:
        toggleToolbar();
        break;
    case Command::Minimize:
        minimizeGame();
        break;
    }
}

void Hints::endMarks() {
    s_.play.peekShown = false;
    host_.board.Picture1_Paint();
}

void Hints::toggleGrid() {
    if (!s_.play.gameOn)
        return;
    s_.play.showMisplaced = !s_.play.showMisplaced;
    host_.board.Picture1_Paint();
    play_.board().countLeft();
}

void Hints::showSolution() {
    if (!s_.play.gameOn)
        return;
    host_.overlays.showSolutionPicture();
    addToCounter(s_.play.peeks, 1);
    host_.keeping.gameChanged();
    play_.board().countLeft();
}

void Hints::basePic_Click() {
    host_.overlays.hideSolutionPicture();
}

void Hints::showSmallImage() {
    if (!s_.play.gameOn)
        return;
    host_.toolbar.setToolbarVisible(true);
    if (host_.toolbar.smallImageVisible()) {
        host_.toolbar.hideSmallImage();
    } else {
        addToCounter(s_.play.peeks, 1);
        host_.keeping.gameChanged();
        host_.toolbar.showSmallImage(s_.board.boardW, s_.board.boardH);
    }
    host_.toolbar.setToolbarCaption(std::string(kGameName));
    play_.board().countLeft();
}

void Hints::markCells(bool solvedCells, BoardView::MarkColor fill) {
    if (!s_.play.gameOn)
        return;
    for (int c = 1; c <= s_.board.boardAcross; ++c)
        for (int r = 1; r <= s_.board.boardDown; ++r)
            if (s_.isSolved(c, r) == solvedCells)
                host_.board.drawMark(c, r, fill);
    s_.play.peekShown = true;
    addToCounter(s_.play.peeks, 1);
    host_.keeping.gameChanged();
    play_.board().countLeft();
}

void Hints::showMissing() {
    markCells(true, BoardView::MarkColor::Blue);
}

void Hints::showPlaced() {
    markCells(false, BoardView::MarkColor::Green);
}

namespace {

// The landing swap of an assist earns no credit. The mark never outlives the swap, even one
// that fails half-way, or every later swap would score nothing.
class AssistMark {
  public:
    explicit AssistMark(bool& mark) : mark_(mark) { mark_ = true; }
    ~AssistMark() { mark_ = false; }
    AssistMark(const AssistMark&) = delete;
    AssistMark& operator=(const AssistMark&) = delete;

  private:
    bool& mark_;
};

} // namespace

// The selected piece lands on `target` with an ordinary swap, and the assist is counted.
void Hints::land(GridPos target) {
    {
        const AssistMark mark(s_.play.assistMove);
        play_.doSwap(s_.play.selX, s_.play.selY, target.x, target.y);
    }
    // The swap has asked for the game to be kept, which is written after this step, count
    // and all; a swap that solved the puzzle has ended the keeping.
    addToCounter(s_.play.assists, 1);
}

void Hints::fetchCorrectPiece() {
    if (!s_.play.gameOn)
        return;
    if (s_.play.selX == 0) {
        host_.sounds.playsfx(sfx::kNothingToFetch);
        return;
    }
    const GridPos wanted{s_.play.selX, s_.play.selY};
    const GridPos source = s_.cellOf.at(wanted);
    s_.play.selX = source.x;
    s_.play.selY = source.y;
    // The game does not wait for the slide: the piece lands at once.
    host_.overlays.showSlide({source, wanted, sfx::kFetchSlide});
    land(wanted);
    if (s_.play.selX != 0) {
        const GridPos left{s_.play.selX, s_.play.selY};
        s_.play.selX = 0;
        s_.play.selY = 0;
        host_.board.drawCell(left.x, left.y);
    }
}

void Hints::sendPieceHome() {
    if (!s_.play.gameOn)
        return;
    if (s_.play.selX == 0) {
        host_.sounds.playsfx(sfx::kNothingToSend);
        return;
    }
    const GridPos selected{s_.play.selX, s_.play.selY};
    const GridPos home = s_.pieceAt.at(selected);
    host_.overlays.showSlide({selected, home, sfx::kSendSlide});
    land(home);
}

void Hints::toggleToolbar() {
    host_.toolbar.setToolbarVisible(!host_.toolbar.toolbarVisible());
}

void Hints::minimizeGame() {
    host_.window.minimizeMain();
}

} // namespace tessary

#include "rules/Hints.h"

#include "model/Counter16.h"
#include "model/GameName.h"
#include "model/SoundNumbers.h"

#include <cmath>
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
    play_.board().countLeft();
}

void Hints::showMissing() {
    markCells(true, BoardView::MarkColor::Blue);
}

void Hints::showPlaced() {
    markCells(false, BoardView::MarkColor::Green);
}

// The piece travels from one cell to another in equal steps, in a straight line, and ends
// exactly over the end cell. Positions are board pixels.
void Hints::slide(GridPos from, GridPos to, GridPos home, int sound) {
    const int w = s_.board.pieceW;
    const int h = s_.board.pieceH;
    host_.overlays.showMoveBox((from.x - 1) * w, (from.y - 1) * h, home);
    host_.sounds.playsfx(sound);
    for (int i = 1; i <= kSlideSteps; ++i) {
        const double col = double(to.x - from.x) * i / kSlideSteps + from.x - 1;
        const double row = from.y + double(to.y - from.y) * i / kSlideSteps - 1;
        host_.overlays.moveMoveBox(static_cast<int>(std::lround(col * w)),
                                   static_cast<int>(std::lround(row * h)));
    }
    host_.overlays.hideMoveBox();
}

void Hints::fetchCorrectPiece() {
    if (!s_.play.gameOn || fetchBusy_)
        return;
    fetchBusy_ = true;
    if (s_.play.selX == 0) {
        host_.sounds.playsfx(sfx::kNothingToFetch);
        fetchBusy_ = false;
        return;
    }
    const GridPos wanted{s_.play.selX, s_.play.selY};
    const GridPos source = s_.cellOf.at(wanted);
    s_.play.selX = source.x;
    s_.play.selY = source.y;
    slide(source, wanted, wanted, sfx::kFetchSlide);
    s_.play.assistMove = true;
    play_.doSwap(s_.play.selX, s_.play.selY, wanted.x, wanted.y);
    addToCounter(s_.play.assists, 1);
    s_.play.assistMove = false;
    if (s_.play.selX != 0) {
        const GridPos left{s_.play.selX, s_.play.selY};
        s_.play.selX = 0;
        s_.play.selY = 0;
        host_.board.drawCell(left.x, left.y);
    }
    fetchBusy_ = false;
}

void Hints::sendPieceHome() {
    if (!s_.play.gameOn || sendBusy_)
        return;
    sendBusy_ = true;
    if (s_.play.selX == 0) {
        host_.sounds.playsfx(sfx::kNothingToSend);
        sendBusy_ = false;
        return;
    }
    const GridPos selected{s_.play.selX, s_.play.selY};
    const GridPos home = s_.pieceAt.at(selected);
    slide(selected, home, home, sfx::kSendSlide);
    s_.play.assistMove = true;
    play_.doSwap(s_.play.selX, s_.play.selY, home.x, home.y);
    addToCounter(s_.play.assists, 1);
    s_.play.assistMove = false;
    sendBusy_ = false;
}

void Hints::toggleToolbar() {
    host_.toolbar.setToolbarVisible(!host_.toolbar.toolbarVisible());
}

void Hints::minimizeGame() {
    host_.window.minimizeMain();
}

} // namespace tessary

#include "rules/Play.h"

#include "model/Counter16.h"
#include "model/SoundNumbers.h"
#include "score/Performance.h"

#include <cmath>
#include <optional>

namespace tessary {

namespace {

// Cell index along one axis: ((pixel - 1) \ pieceSize) + 1, the pixel rounded first. A click on
// a cell's first pixel counts for the cell before it; no piece size yet means no cell.
std::optional<int> cellIndex(float pixel, int pieceSize) {
    if (pieceSize <= 0 || !std::isfinite(pixel))
        return std::nullopt;
    const double rounded = std::nearbyint(static_cast<double>(pixel) - 1.0);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int>(rounded) / pieceSize + 1;
}

} // namespace

void Play::Form_MouseDown() {
    host_.toolbar.setToolbarVisible(true);
}

void Play::Picture1_MouseDown(int button, float x, float y) {
    host_.toolbar.setToolbarVisible(true);
    host_.board.bringBoardToFront();
    if (s_.play.peekShown) {
        s_.play.peekShown = false;
        host_.board.Picture1_Paint(); // the click still acts below
    }

    const auto col = cellIndex(x, s_.board.pieceW);
    const auto row = cellIndex(y, s_.board.pieceH);
    // Only cells of the board can be picked: a click in the strip right of or below the last
    // cell, or before any puzzle, is refused like a click on a solved piece.
    if (!col || !row || !s_.onBoard(*col, *row) || s_.isSolved(*col, *row)) {
        host_.sounds.playsfx(sfx::kRefused);
        return;
    }

    if (button == kLeftButton) {
        const int16_t oldX = s_.play.selX;
        const int16_t oldY = s_.play.selY;
        host_.sounds.playsfx(sfx::kSelect);
        s_.play.selX = static_cast<int16_t>(*col);
        s_.play.selY = static_cast<int16_t>(*row);
        if (oldX != 0)
            host_.board.drawCell(oldX, oldY);
        host_.board.drawSelectionOutline(*col, *row);
    } else if (button == kRightButton) {
        if (s_.play.selX == 0) {
            host_.sounds.playsfx(sfx::kRefused);
            return;
        }
        addToCounter(s_.play.swaps, 1);
        doSwap(s_.play.selX, s_.play.selY, *col, *row);
    }
}

void Play::doSwap(int16_t& selCol, int16_t& selRow, int targetCol, int targetRow) {
    const GridPos selected{selCol, selRow};
    const GridPos target{int16_t(targetCol), int16_t(targetRow)};
    int sound = sfx::kNeitherHome;
    int n = 0;
    if (s_.cellOf.at(selected) == target) {
        sound = sfx::kTargetHome;
        n = 1;
    }
    if (s_.cellOf.at(target) == selected) {
        sound = sfx::kSelectedHome;
        n += 1;
    }
    if (!s_.play.assistMove)
        addToCounter(s_.play.goodSwaps, n);

    board_.swapCells(targetCol, targetRow, selected.x, selected.y, true);
    host_.sounds.playsfx(sound);

    const bool selectedCellSolved = s_.isSolved(selected.x, selected.y);
    if (n == 0 || (n == 1 && selectedCellSolved)) {
        selCol = target.x;
        selRow = target.y;
        host_.board.drawCell(selected.x, selected.y);
        host_.board.drawSelectionOutline(target.x, target.y);
    } else if (n == 1) {
        host_.board.drawSelectionOutline(selected.x, selected.y);
    } else {
        selCol = 0;
        selRow = 0;
        host_.board.drawCell(selected.x, selected.y);
    }

    board_.countLeft();
    if (s_.play.leftToMove == 0)
        finishPuzzle();
}

void Play::finishPuzzle() {
    host_.sounds.playsfx(sfx::kFinished);
    s_.play.gameOn = false;
    host_.window.setBlinkTimer(false);
    host_.window.setSaveEnabled(false);
    MenuPerformance_Click();
    host_.toolbar.setToolbarFinishedLayout();
    host_.toolbar.setToolbarVisible(true);
    if (s_.play.goodSwaps != 0)
        host_.results.enterHof(s_.play.netScore, s_.puzzle.puzTitle,
                               s_.board.boardAcross * s_.board.boardDown);
}

void Play::MenuPerformance_Click() {
    const PerformanceReport report = evaluatePerformance(s_.puzzle, s_.play);
    s_.play.netScore = report.netScore;
    host_.dialogs.showScoreWindow(report.text);
    host_.toolbar.setToolbarVisible(true);
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Play.h"

#include "model/Counter16.h"
#include "model/SoundNumbers.h"
#include "score/Performance.h"

namespace tessary {

void Play::Form_MouseDown() {
    host_.toolbar.setToolbarVisible(true);
}

void Play::press(std::optional<GridPos> cell, Button button) {
    host_.toolbar.setToolbarVisible(true);
    host_.board.bringBoardToFront();
    if (s_.play.peekShown) {
        s_.play.peekShown = false;
        host_.board.Picture1_Paint(); // the click still acts below
    }

    // Only cells of the board can be picked: a click in the strip right of or below the last
    // cell, or before any puzzle, is refused like a click on a solved piece.
    if (!cell || !s_.onBoard(cell->x, cell->y) || s_.isSolved(cell->x, cell->y)) {
        host_.sounds.playsfx(sfx::kRefused);
        return;
    }

    if (button == Button::Left) {
        const int16_t oldX = s_.play.selX;
        const int16_t oldY = s_.play.selY;
        host_.sounds.playsfx(sfx::kSelect);
        s_.play.selX = cell->x;
        s_.play.selY = cell->y;
        if (oldX != 0)
            host_.board.drawCell(oldX, oldY);
        host_.board.drawSelectionOutline(cell->x, cell->y);
    } else if (button == Button::Right) {
        if (s_.play.selX == 0) {
            host_.sounds.playsfx(sfx::kRefused);
            return;
        }
        addToCounter(s_.play.swaps, 1);
        doSwap(s_.play.selX, s_.play.selY, cell->x, cell->y);
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

    host_.keeping.gameChanged();
    board_.countLeft();
    if (s_.play.leftToMove == 0)
        finishPuzzle();
}

void Play::finishPuzzle() {
    host_.sounds.playsfx(sfx::kFinished);
    s_.play.gameOn = false;
    host_.keeping.gameOver(); // a solved puzzle is not offered back
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
    if (s_.play.gameOn)
        host_.keeping.gameChanged(); // the score is part of the saved game
    host_.dialogs.showScoreWindow(report.text);
    host_.toolbar.setToolbarVisible(true);
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "rules/PlayerInput.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tessary {

class BasePicture;

// Picture1, the board picture. It keeps the board as it stands in an image of its own (the
// backing store): drawCell copies one piece out of basePic's picture into it and asks the
// screen to refresh that cell only, and the widget's paint event shows the exposed part of the
// backing store with one copy. It remembers what each cell shows, so the game's full repaint,
// Picture1_Paint, redraws only the cells that no longer show the game as it stands.
class BoardCanvas : public QWidget {
    Q_OBJECT

  public:
    BoardCanvas(const GameState& state, BasePicture& basePic, QWidget* parent = nullptr);

    // A new board of `size` logical pixels: the backing store at basePic's pixel ratio (set
    // basePic's picture first), all of it the board's background colour.
    void resetBoard(QSize size);

    // Draws cell (col, row): its piece from basePic, the yellow outline when misplaced pieces
    // are shown and this one is misplaced, the red dotted outline when it is the selection,
    // and the keyboard cursor's dashes when the cursor is shown on it.
    void drawCell(int col, int row);

    // Brings every cell of the board to the pieces `pieces` places there (outlines as
    // drawCell draws them), drawing only the cells that show something else. An animation
    // shows its frames this way; showing the game's own pieceAt brings the board up to date.
    void showPieces(const CellGrid& pieces);

    // The selection's red dotted outline on cell (col, row), without redrawing the cell.
    void drawSelectionOutline(int col, int row);

    // Hides the solution picture, then shows every cell of the board as the game stands.
    void Picture1_Paint();

    // The 200 ms blink: the selection's outline again, red and blue in turn (red first).
    void Timer1_Timer();

    // A hint's mark over cell (col, row): a diagonal cross-hatch in `fill` inside a blue outline.
    void drawMark(int col, int row, const QColor& fill);

    // The backing store, in device pixels (its devicePixelRatio says how many per board pixel).
    const QImage& picture() const { return backing_; }
    // The colour of the last blink, &HBBGGRR: 0 before the first, then 255 (red) or &HFF0000.
    int32_t blinkColor() const { return blinkColor_; }

    // A press of the left, right or middle button on the board: on the cell under the
    // pointer, or on none (the strip past the last cell, or no puzzle yet).
    std::function<void(std::optional<GridPos> cell, Button button)> onMouseDown;

    QSize sizeHint() const override { return boardSize_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // What a cell of the backing store shows, as paintCell last drew it.
    struct ShownCell {
        GridPos piece;
        bool misplaced = false; // the yellow outline
        bool selected = false;
        bool cursor = false;
        bool drawn = false; // false: never drawn, or something has been drawn over it since

        friend bool operator==(const ShownCell&, const ShownCell&) = default;
    };

    QRect cellRect(int col, int row) const;
    ShownCell cellShowing(int col, int row, GridPos piece) const;
    ShownCell& shown(int col, int row);
    void paintCell(int col, int row, const ShownCell& cell); // into the backing store only
    void drawnOver(int col, int row);
    QRect devicePixels(const QRect& logical) const;
    void outline(const QRect& cell, const QColor& color, bool dotted); // cell in board pixels

    const GameState& state_;
    BasePicture& basePic_;
    QSize boardSize_;
    QImage backing_;
    std::vector<ShownCell> shown_;
    int32_t blinkColor_ = 0;
};

} // namespace tessary

#pragma once

#include "model/GameState.h"
#include "rules/PlayerInput.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

namespace tessary {

class BasePicture;

// Picture1, the board picture. It keeps the board in an image of its own (the backing store):
// drawCell copies one piece out of basePic's picture into it and asks the screen to refresh
// that cell only; the widget's paint event just shows the backing store. The game's full
// repaint, Picture1_Paint, is a call the game makes, not something the window system does.
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

    // The selection's red dotted outline on cell (col, row), without redrawing the cell.
    void drawSelectionOutline(int col, int row);

    // Hides the solution picture, then draws every cell of the board.
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
    QRect cellRect(int col, int row) const;
    void paintCell(int col, int row); // into the backing store only
    QRect devicePixels(const QRect& logical) const;
    void outline(const QRect& cell, const QColor& color, bool dotted); // cell in board pixels

    const GameState& state_;
    BasePicture& basePic_;
    QSize boardSize_;
    QImage backing_;
    int32_t blinkColor_ = 0;
};

} // namespace tessary

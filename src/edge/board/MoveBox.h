// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GridPos.h"

#include <QImage>
#include <QWidget>

namespace tessary {

// The moving tile of the assists: one piece's picture sliding over the board. It only shows:
// a click on it goes to the board underneath.
class MoveBox : public QWidget {
    Q_OBJECT

  public:
    explicit MoveBox(QWidget* parent = nullptr);

    // Sizes the tile to one piece, fills it with the piece whose home is `home` (its own
    // pieceW x pieceH block of `base`, exactly as drawCell draws it), places it at `topLeft`
    // and shows it on top.
    void showPiece(const QImage& base, GridPos home, int pieceW, int pieceH, QPoint topLeft);

    const QImage& piece() const { return piece_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage piece_;
};

} // namespace tessary

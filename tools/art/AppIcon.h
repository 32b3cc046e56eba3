// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace tessary::art {

class Canvas;

// The application icon: the tile picture cut three by three on a dark rounded square, with
// two tiles swapped (the sun has landed bottom left), the selected one outlined in yellow.
void drawAppIcon(Canvas& canvas, int size);
QImage renderAppIcon(int size);
QString appIconSvg(); // the same drawing at 256 x 256 as SVG text

} // namespace tessary::art

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace tessary::art {

// The About box's animation: the tile picture cut two by two, the tiles moving one place
// clockwise each frame, so that frame 0 shows the picture whole (in a golden frame) and the
// loop 1, 2, 3, 0 ends with the pieces falling into place. 32 x 32 pixels times `scale`.
constexpr int kAboutFrames = 4;
QImage renderAboutFrame(int frame, int scale);

} // namespace tessary::art

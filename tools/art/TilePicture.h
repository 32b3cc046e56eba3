// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessary::art {

class Canvas;

// The little sunset landscape that the application icon and the About box animation cut
// into tiles: 216 x 216 units, the sun in the top right third, a tree bottom left.
constexpr double kTilePictureSize = 216;
void drawTilePicture(Canvas& canvas);

} // namespace tessary::art

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <vector>

class QPainter;

namespace tessary::art {

// The ten pictures of the command toolbar's buttons, drawn on a 20 x 20 grid.
struct ToolbarIcon {
    const char* name; // file name without ".png"
    void (*paint)(QPainter& p, int scale);
};

const std::vector<ToolbarIcon>& toolbarIcons();

// The icon at 20 x 20 pixels times `scale` (1, or 2 for high-density screens), on a
// transparent ground.
QImage renderToolbarIcon(const ToolbarIcon& icon, int scale);

} // namespace tessary::art

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <algorithm>
#include <cmath>

namespace tessary {

// The board's geometry is in logical pixels; its pictures are kept at the screen's own pixels
// (ratio device pixels to one logical pixel). A logical rectangle covers the device pixels
// from round(x * ratio) to round((x + w) * ratio), so the rectangles of neighbouring cells
// meet without a gap or an overlap, and every picture of the board maps them the same way.
inline QRect toDevicePixels(const QRect& logical, double ratio) {
    if (ratio == 1.0)
        return logical;
    auto at = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    const int x0 = at(logical.x()), y0 = at(logical.y());
    return QRect(x0, y0, at(logical.x() + logical.width()) - x0,
                 at(logical.y() + logical.height()) - y0);
}

// The thickness, in device pixels, of a line one logical pixel wide.
inline int deviceLineWidth(double ratio) {
    return std::max(1, static_cast<int>(std::lround(ratio)));
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Finish.h"

#include "Colour.h"
#include "Rng.h"

#include <cmath>

namespace tessary::art {

void vignette(QImage& image, double strength) {
    const double cx = image.width() / 2.0;
    const double cy = image.height() / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot(x - cx, y - cy) / reach;
            const double k = 1.0 - strength * smoothstep(0.55, 1.05, d);
            line[x] = toQRgb(fromQRgb(line[x]) * k);
        }
    }
}

void grain(QImage& image, std::uint64_t seed, double amount) {
    Rng rng(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double n = (rng.uniform() - 0.5) * amount;
            line[x] = toQRgb(fromQRgb(line[x]) + Rgb{n, n, n});
        }
    }
}

} // namespace tessary::art

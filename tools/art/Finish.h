// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>

namespace tessary::art {

// Last touches shared by the sample pictures.

// Darkens the corners a little, as a lens does.
void vignette(QImage& image, double strength);

// Fine film grain, so that no area of a picture is perfectly flat.
void grain(QImage& image, std::uint64_t seed, double amount);

} // namespace tessary::art

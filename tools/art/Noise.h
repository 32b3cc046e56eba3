// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace tessary::art {

// Gradient noise in two dimensions with a fixed seed, and sums of its octaves.
class Noise {
  public:
    explicit Noise(std::uint64_t seed);

    // Smooth noise, roughly in [-1, 1], with features about one unit apart.
    double at(double x, double y) const;
    // Octaves added with halving weights, scaled back to roughly [-1, 1].
    double fbm(double x, double y, int octaves) const;
    // Sharp crests where the noise crosses zero, in [0, 1]: mountain ridges, veins.
    double ridged(double x, double y, int octaves) const;

  private:
    double grad(int hash, double x, double y) const;
    std::array<int, 512> perm_{};
};

} // namespace tessary::art

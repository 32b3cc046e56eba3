// SPDX-License-Identifier: GPL-3.0-or-later
#include "Noise.h"

#include "Rng.h"

#include <cmath>
#include <numeric>
#include <utility>

namespace tessary::art {

namespace {

double fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}
double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

Noise::Noise(std::uint64_t seed) {
    std::array<int, 256> p{};
    std::iota(p.begin(), p.end(), 0);
    Rng rng(seed);
    for (int i = 255; i > 0; --i) {
        std::swap(p[i], p[rng.below(i + 1)]);
    }
    for (int i = 0; i < 512; ++i) {
        perm_[i] = p[i & 255];
    }
}

double Noise::grad(int hash, double x, double y) const {
    // Eight directions: the four axes and the four diagonals.
    switch (hash & 7) {
    case 0:
        return x + y;
    case 1:
        return -x + y;
    case 2:
        return x - y;
    case 3:
        return -x - y;
    case 4:
        return x;
    case 5:
        return -x;
    case 6:
        return y;
    default:
        return -y;
    }
}

double Noise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int xi = static_cast<int>(static_cast<long long>(fx) & 255);
    const int yi = static_cast<int>(static_cast<long long>(fy) & 255);
    const double dx = x - fx;
    const double dy = y - fy;
    const double u = fade(dx);
    const double v = fade(dy);
    const int aa = perm_[perm_[xi] + yi];
    const int ab = perm_[perm_[xi] + yi + 1];
    const int ba = perm_[perm_[xi + 1] + yi];
    const int bb = perm_[perm_[xi + 1] + yi + 1];
    const double top = lerp(grad(aa, dx, dy), grad(ba, dx - 1, dy), u);
    const double bottom = lerp(grad(ab, dx, dy - 1), grad(bb, dx - 1, dy - 1), u);
    return lerp(top, bottom, v);
}

double Noise::fbm(double x, double y, int octaves) const {
    double sum = 0;
    double amp = 1;
    double norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * at(x, y);
        norm += amp;
        amp *= 0.5;
        // Each octave is shifted so that the lattice points of the octaves never line up.
        x = x * 2.0 + 17.31;
        y = y * 2.0 + 9.77;
    }
    return sum / norm * 1.4;
}

double Noise::ridged(double x, double y, int octaves) const {
    double sum = 0;
    double amp = 1;
    double norm = 0;
    for (int i = 0; i < octaves; ++i) {
        const double r = 1.0 - std::fabs(at(x, y));
        sum += amp * r * r;
        norm += amp;
        amp *= 0.5;
        x = x * 2.0 + 31.7;
        y = y * 2.0 + 5.3;
    }
    return sum / norm;
}

} // namespace tessary::art

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace tessary {

// Pseudo-random reals in [0, 1). Injected so that tests can replay a shuffle.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// The game's generator: seeded once from the clock at start-up, never reseeded.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}
    static SeededRandom fromClock();
    double next() override { return dist_(engine_); }

  private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RandomSource.h"

#include <chrono>

namespace tessary {

SeededRandom SeededRandom::fromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return SeededRandom(static_cast<uint64_t>(now.count()));
}

} // namespace tessary

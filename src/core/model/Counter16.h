// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>

namespace tessary {

// Game counters are 16-bit. An increment that would leave the range fails and leaves the
// count as it was (so it sticks at 32767); the action that raised it still happens.
inline bool addToCounter(int16_t& counter, int amount) {
    const int sum = counter + amount;
    if (sum > std::numeric_limits<int16_t>::max() || sum < std::numeric_limits<int16_t>::min())
        return false;
    counter = static_cast<int16_t>(sum);
    return true;
}

} // namespace tessary

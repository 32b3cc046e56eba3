// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace tessary {

// Where a solved puzzle's result goes: the Hall of Fame, when the score earns a place.
class PuzzleResults {
  public:
    virtual ~PuzzleResults() = default;
    virtual void enterHof(int32_t netScore, const std::string& title, int pieces) = 0;
};

} // namespace tessary

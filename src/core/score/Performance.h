// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"

#include <cstdint>
#include <string>

namespace tessary {

// The net score from the current counts: the 32-bit base less the penalty. A base beyond
// 32 bits gives 0.
int32_t calcScore(const PuzzleDescription& puzzle, const PlayState& play);

struct PerformanceReport {
    std::string text; // lines joined by CR LF, no line break after the last
    int32_t netScore = 0;
};

// The text of the "Score" window and the net score it shows.
PerformanceReport evaluatePerformance(const PuzzleDescription& puzzle, const PlayState& play);

// A ratio written with the pattern "###%": percent rounded to whole, no leading zeros.
std::string formatPercent(float ratio);

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/Performance.h"

#include <cmath>
#include <limits>

namespace tessary {

namespace {

// The penalty: 3 for every swap, 1 for every peek and 5 for every assist per picture, less 5
// for every good swap per picture. Each counter holds 16 bits, so the sum always fits 32.
long long penalty(const PuzzleDescription& puzzle, const PlayState& play) {
    const long long type = puzzle.puzType;
    return 3LL * play.swaps - 5LL * play.goodSwaps * type + play.peeks + 5LL * play.assists * type;
}

bool fits32(long long value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

} // namespace

int32_t calcScore(const PuzzleDescription& puzzle, const PlayState& play) {
    const long long base = 30LL * puzzle.puzType * (puzzle.imgAcross - 1) * (puzzle.imgDown - 1);
    if (!fits32(base))
        return 0;
    const long long result = base - penalty(puzzle, play);
    return fits32(result) ? static_cast<int32_t>(result) : 0;
}

std::string formatPercent(float ratio) {
    const float percent = std::nearbyint(ratio * 100.0f); // halves go to the even whole
    if (percent == 0.0f)
        return "%";
    return std::to_string(static_cast<long long>(percent)) + "%";
}

PerformanceReport evaluatePerformance(const PuzzleDescription& puzzle, const PlayState& play) {
    const std::string crlf = "\r\n";
    const long long pieces = 1LL * puzzle.puzType * puzzle.imgDown * puzzle.imgAcross;
    PerformanceReport report;
    std::string& t = report.text;
    t = "Pieces: " + std::to_string(pieces) + "  (" + std::to_string(puzzle.imgAcross) +
        " Across, " + std::to_string(puzzle.imgDown) + " Down)";
    t += crlf;
    if (play.swaps != 0) {
        const float ratio = static_cast<float>(play.goodSwaps) / static_cast<float>(play.swaps);
        t += "Correct Swaps " + std::to_string(play.goodSwaps) + " of " +
             std::to_string(play.swaps) + "  (" + formatPercent(ratio) + ")";
    }
    if (play.peeks > 0)
        t += "  Peeks " + std::to_string(play.peeks);
    if (play.leftToMove != 0)
        t += crlf + "Left to Move " + std::to_string(play.leftToMove);
    report.netScore = calcScore(puzzle, play);
    if (play.assists > 0)
        t += "  Assists " + std::to_string(play.assists);
    t += crlf + "Net Score ";
    if (play.leftToMove != 0 || play.goodSwaps != 0)
        t += std::to_string(report.netScore);
    else
        t += "N/A";
    return report;
}

} // namespace tessary

#include "score/Performance.h"

#include <cmath>
#include <limits>
#include <optional>

namespace tessary {

namespace {

// 16-bit arithmetic: a result outside -32768..32767 is a failure.
std::optional<int> checked16(long long value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> penalty(const PuzzleDescription& puzzle, const PlayState& play) {
    const int type = puzzle.puzType;
    auto p = checked16(3LL * play.swaps);
    if (!p)
        return std::nullopt;
    auto earned = checked16(5LL * play.goodSwaps);
    if (!earned || !(earned = checked16(1LL * *earned * type)) ||
        !(p = checked16(1LL * *p - *earned)))
        return std::nullopt;
    if (!(p = checked16(1LL * *p + play.peeks)))
        return std::nullopt;
    auto cost = checked16(5LL * play.assists);
    if (!cost || !(cost = checked16(1LL * *cost * type)) || !(p = checked16(1LL * *p + *cost)))
        return std::nullopt;
    return p;
}

bool fits32(long long value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

} // namespace

int32_t calcScore(const PuzzleDescription& puzzle, const PlayState& play) {
    const long long base = 30LL * puzzle.puzType * (puzzle.imgAcross - 1) * (puzzle.imgDown - 1);
    const auto p = penalty(puzzle, play);
    if (!fits32(base) || !p)
        return 0;
    const long long result = base - *p;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/Performance.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

struct Counts {
    int type = 1, across = 4, down = 3, swaps = 0, good = 0, peeks = 0, assists = 0, left = 0;
};

PerformanceReport evaluate(const Counts& c) {
    PuzzleDescription puzzle;
    puzzle.puzType = int16_t(c.type);
    puzzle.imgAcross = int16_t(c.across);
    puzzle.imgDown = int16_t(c.down);
    PlayState play;
    play.swaps = int16_t(c.swaps);
    play.goodSwaps = int16_t(c.good);
    play.peeks = int16_t(c.peeks);
    play.assists = int16_t(c.assists);
    play.leftToMove = int16_t(c.left);
    return evaluatePerformance(puzzle, play);
}

TEST(Performance, WorkedExampleGives183InFourLines) {
    const auto report = evaluate({.swaps = 10, .good = 8, .peeks = 2, .assists = 1, .left = 3});
    EXPECT_EQ(report.netScore, 183);
    EXPECT_EQ(report.text, "Pieces: 12  (4 Across, 3 Down)\r\n"
                           "Correct Swaps 8 of 10  (80%)  Peeks 2\r\n"
                           "Left to Move 3  Assists 1\r\n"
                           "Net Score 183");
}

TEST(Performance, RatioTextRoundsAndMayPass100OrBeBare) {
    EXPECT_NE(evaluate({.swaps = 2, .good = 3, .left = 1}).text.find("(150%)"), std::string::npos);
    EXPECT_NE(evaluate({.swaps = 5, .good = 0, .left = 1}).text.find("  (%)"), std::string::npos);
    EXPECT_EQ(formatPercent(2.0f / 3.0f), "67%");
    EXPECT_EQ(formatPercent(0.004f), "%");
}

TEST(Performance, AssistsLandOnTheSecondLineWhenNothingIsLeft) {
    EXPECT_EQ(evaluate({.swaps = 4, .good = 3, .peeks = 1, .assists = 2}).text,
              "Pieces: 12  (4 Across, 3 Down)\r\n"
              "Correct Swaps 3 of 4  (75%)  Peeks 1  Assists 2\r\n"
              "Net Score 172");
    // Finished by assists alone: the assists stand alone on line 2 and the score is N/A.
    EXPECT_EQ(evaluate({.assists = 6}).text,
              "Pieces: 12  (4 Across, 3 Down)\r\n  Assists 6\r\nNet Score N/A");
}

TEST(Performance, BeforeAnyPuzzleTheScoreReadsNA) {
    EXPECT_EQ(evaluate({.type = 0, .across = 0, .down = 0}).text,
              "Pieces: 0  (0 Across, 0 Down)\r\n\r\nNet Score N/A");
}

TEST(Performance, NegativeScoresKeepTheirSign) {
    const auto report = evaluate({.across = 2, .down = 2, .swaps = 20, .left = 4});
    EXPECT_EQ(report.netScore, 30 - 60);
    EXPECT_NE(report.text.find("Net Score -30"), std::string::npos);
}

// The counters are 16-bit, but the penalty they make is not: a big puzzle of several pictures
// solved with thousands of good swaps scores in full.
TEST(Performance, BigPuzzlesScoreInFullWhateverThePenalty) {
    EXPECT_EQ(evaluate({.type = 4, .across = 25, .down = 25, .swaps = 2495, .good = 2499}).netScore,
              111615);
    EXPECT_EQ(evaluate({.type = 3, .across = 30, .down = 30, .swaps = 2186, .good = 2186}).netScore,
              90 * 29 * 29 - 3 * 2186 + 15 * 2186);
    EXPECT_EQ(evaluate({.type = 4, .assists = 1639}).netScore, 4 * 30 * 3 * 2 - 20 * 1639);
    EXPECT_EQ(evaluate({.swaps = 10923, .left = 1}).netScore, 180 - 32769);
    EXPECT_EQ(evaluate({.type = 4, .across = 50, .down = 40, .left = 1}).netScore, 120 * 49 * 39);
}

} // namespace
} // namespace tessary

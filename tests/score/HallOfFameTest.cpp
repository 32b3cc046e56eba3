// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/HallOfFame.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

HallOfFame listOf(std::initializer_list<int> scores) {
    HallOfFame list;
    for (const int s : scores) {
        std::string title = "t";
        title += std::to_string(s);
        list.insertAt(list.hofCount + 1, makeHofEntry(s, title, 4, "p", "d"));
    }
    return list;
}

TEST(HallOfFame, RanksAfterEqualScoresAndShiftsTheRestDown) {
    EXPECT_EQ(HallOfFame{}.findRank(0), 0); // an empty list takes only a score above 0
    EXPECT_EQ(HallOfFame{}.findRank(1), 1);
    HallOfFame list = listOf({900, 800, 700, 600});
    const int rank = list.findRank(700);
    EXPECT_EQ(rank, 4);
    list.makeRoom(rank);
    ASSERT_TRUE(list.fillEntry(rank, makeHofEntry(700, "new", 9, "Bo", "today")));
    EXPECT_EQ(list.hofCount, 5);
    EXPECT_EQ(list.hof[3].tag, "t700    ");
    EXPECT_EQ(list.hof[4].name, "Bo");
    EXPECT_EQ(list.hof[5].tag, "t600    ");
}

TEST(HallOfFame, AFullListDropsItsLastEntry) {
    HallOfFame list;
    for (int i = 0; i < kHofPlaces; ++i)
        list.insertAt(i + 1, makeHofEntry(3000 - 100 * i, "", 4, "p", "d")); // 3000 .. 100
    EXPECT_EQ(list.findRank(50), 0);
    EXPECT_EQ(list.findRank(100), 0); // equal to the last
    EXPECT_EQ(list.findRank(101), 30);
    list.insertAt(30, makeHofEntry(101, "", 4, "p", "d"));
    list.insertAt(1, makeHofEntry(5000, "", 4, "p", "d"));
    EXPECT_EQ(list.hofCount, 30);
    EXPECT_EQ(list.hof[2].score, 3000);
    EXPECT_EQ(list.hof[30].score, 200); // 101 fell off
}

TEST(HallOfFame, TheSearchLooksAtAllThirtySlotsAndBadRanksChangeNothing) {
    HallOfFame list = listOf({900, 800});
    list.hofCount = 1; // a slot beyond the count still holding a score
    EXPECT_EQ(list.findRank(850), 2);
    EXPECT_FALSE(list.insertAt(0, makeHofEntry(1, "", 1, "", "")));
    EXPECT_FALSE(list.insertAt(31, makeHofEntry(1, "", 1, "", "")));
    EXPECT_EQ(list.hof[1].score, 900);
    EXPECT_EQ(list.hofCount, 1);
}

TEST(HallOfFame, ScoresOutsideSixteenBitsAreClampedBeforeRanking) {
    EXPECT_EQ(listOf({32767}).findRank(100000), 2); // as 32767: after the equal score
    EXPECT_EQ(makeHofEntry(100000, "", 0, "", "").score, 32767);
    EXPECT_EQ(makeHofEntry(-100000, "", 70000, "", "").score, -32768);
    EXPECT_EQ(makeHofEntry(0, "", 70000, "", "").size, 32767);
}

TEST(HallOfFame, TitlesBecomeEightCharacterTags) {
    EXPECT_EQ(fitTag("Landscape 1"), "Landscap");
    EXPECT_EQ(fitTag("  Garden  "), "Garden  ");
    EXPECT_EQ(fitTag(""), "        ");
    EXPECT_EQ(fitTag("\xC3\x89t\xC3\xA9 \xC3\xA0 Paris"), "\xC3\x89t\xC3\xA9 \xC3\xA0 Pa");
}

TEST(HallOfFame, ClearingZeroesTheScoresAndKeepsTheRest) {
    HallOfFame list = listOf({900, 800});
    list.clearList();
    EXPECT_EQ(list.hofCount, 0);
    EXPECT_EQ(list.findRank(0), 0);
    EXPECT_EQ(list.findRank(1), 1);
    EXPECT_EQ(list.hof[1].name, "p");
}

} // namespace
} // namespace tessary

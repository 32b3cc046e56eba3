#include "score/HallOfFame.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

HallOfFame listOf(std::initializer_list<int> scores) {
    HallOfFame list;
    for (const int s : scores)
        list.insertAt(list.hofCount + 1, makeHofEntry(s, "t" + std::to_string(s), 4, "p", "d"));
    return list;
}

std::vector<int> scoresOf(const HallOfFame& list) {
    std::vector<int> out;
    for (int i = 1; i <= kHofPlaces; ++i)
        out.push_back(list.hof[i].score);
    return out;
}

TEST(HallOfFame, AnEmptyListTakesAnythingAboveZero) {
    HallOfFame list;
    EXPECT_EQ(list.findRank(0), 0);
    EXPECT_EQ(list.findRank(-5), 0);
    EXPECT_EQ(list.findRank(1), 1);
}

TEST(HallOfFame, AnEqualScoreRanksAfterTheEarlierOnes) {
    HallOfFame list = listOf({900, 800, 700, 600});
    const int rank = list.findRank(700);
    EXPECT_EQ(rank, 4);
    ASSERT_TRUE(list.insertAt(rank, makeHofEntry(700, "new", 9, "Bo", "today")));
    EXPECT_EQ(list.hofCount, 5);
    EXPECT_EQ(list.hof[4].name, "Bo");
    EXPECT_EQ(list.hof[5].score, 600);
    EXPECT_EQ(list.hof[5].tag, "t600    ");
    EXPECT_EQ(list.hof[3].tag, "t700    ");
}

TEST(HallOfFame, AFullListDropsItsLastEntry) {
    HallOfFame list;
    for (int i = 0; i < kHofPlaces; ++i)
        list.insertAt(i + 1, makeHofEntry(3000 - 100 * i, "", 4, "p", "d"));
    ASSERT_EQ(list.hofCount, 30);
    EXPECT_EQ(list.findRank(50), 0);  // lower than all 30
    EXPECT_EQ(list.findRank(100), 0); // equal to the last
    EXPECT_EQ(list.findRank(101), 30);
    list.insertAt(30, makeHofEntry(101, "", 4, "p", "d"));
    EXPECT_EQ(list.hofCount, 30);
    EXPECT_EQ(list.hof[30].score, 101);
    EXPECT_EQ(list.hof[29].score, 200);
    list.insertAt(1, makeHofEntry(5000, "", 4, "p", "d"));
    EXPECT_EQ(list.hofCount, 30);
    EXPECT_EQ(list.hof[2].score, 3000);
    EXPECT_EQ(list.hof[30].score, 200); // 101 fell off
}

TEST(HallOfFame, TheSearchLooksAtAllThirtySlots) {
    HallOfFame list = listOf({900, 800});
    list.hofCount = 1; // a slot beyond the count still holding a score
    EXPECT_EQ(list.findRank(850), 2);
    EXPECT_EQ(list.findRank(750), 3);
}

TEST(HallOfFame, BadRanksChangeNothing) {
    HallOfFame list = listOf({900});
    const HallOfFame before = list;
    EXPECT_FALSE(list.insertAt(0, makeHofEntry(1, "", 1, "", "")));
    EXPECT_FALSE(list.insertAt(31, makeHofEntry(1, "", 1, "", "")));
    EXPECT_EQ(scoresOf(list), scoresOf(before));
    EXPECT_EQ(list.hofCount, 1);
}

TEST(HallOfFame, ScoresOutsideSixteenBitsAreClampedBeforeRanking) {
    HallOfFame list = listOf({32767});
    EXPECT_EQ(list.findRank(100000), 2); // as 32767: after the equal score
    EXPECT_EQ(makeHofEntry(100000, "", 70000, "", "").score, 32767);
    EXPECT_EQ(makeHofEntry(-100000, "", 70000, "", "").score, -32768);
    EXPECT_EQ(makeHofEntry(0, "", 70000, "", "").size, 32767);
}

TEST(HallOfFame, TitlesBecomeEightCharacterTags) {
    EXPECT_EQ(fitTag("Landscape 1"), "Landscap");
    EXPECT_EQ(fitTag("  Garden  "), "Garden  ");
    EXPECT_EQ(fitTag(""), "        ");
    EXPECT_EQ(fitTag("   "), "        ");
    EXPECT_EQ(fitTag("\xC3\x89t\xC3\xA9 \xC3\xA0 Paris"), "\xC3\x89t\xC3\xA9 \xC3\xA0 Pa");
}

TEST(HallOfFame, ClearingZeroesTheScoresAndKeepsTheRest) {
    HallOfFame list = listOf({900, 800});
    list.clearList();
    EXPECT_EQ(list.hofCount, 0);
    EXPECT_EQ(scoresOf(list), std::vector<int>(30, 0));
    EXPECT_EQ(list.hof[1].name, "p");
    EXPECT_EQ(list.findRank(0), 0);
}

} // namespace
} // namespace tessary

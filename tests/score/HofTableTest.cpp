// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/HofTable.h"
#include "score/HofLinks.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tessary {
namespace {

TEST(HofTable, TheExampleRow) {
    const HofEntry ann = makeHofEntry(1250, "x", 80, "Ann", "12/6/99");
    EXPECT_EQ(hofRow(1, ann), "  1    1250  80  Ann                 12/6/99");
}

TEST(HofTable, ColumnsKeepTheirWidths) {
    const HofEntry longName =
        makeHofEntry(-32768, "x", 6, "ABCDEFGHIJKLMNOPQRSTUVWXY", "1/1/01"); // 25 characters
    EXPECT_EQ(hofRow(30, longName), " 30  -32768   6  ABCDEFGHIJKLMNOPQRST1/1/01");
    EXPECT_EQ(hofRow(7, makeHofEntry(5, "x", 2000, "\xC3\x89lise", "d")),
              "  7       52000  \xC3\x89lise               d");
}

TEST(HofTable, HeaderThenOneRowPerEntryWithNoBreakAfterTheLast) {
    HallOfFame list;
    EXPECT_EQ(hofTableText(list), "Rank   Score   Size   Name       Date ");
    for (int i = 1; i <= 3; ++i)
        list.insertAt(
            i, makeHofEntry(100 - i, "t", 4, std::string{'P', static_cast<char>('0' + i)}, "d"));
    list.hof[4] = list.hof[1]; // beyond the count: not shown
    const std::string row = "      99   4  P1                  d";
    EXPECT_EQ(hofTableText(list), "Rank   Score   Size   Name       Date \r\n  1" + row +
                                      "\r\n  2" + "      98   4  P2                  d\r\n  3" +
                                      "      97   4  P3                  d");
}

TEST(HofLinks, BrowseAndSubmitAddresses) {
    unsetenv("TESSARY_HOF_SERVER");
    EXPECT_EQ(hofServer(), kHofServer);
    EXPECT_EQ(hofBrowseAddress(), std::string(kHofServer) + "/games/puzhof.asp?game=tess");
    EXPECT_EQ(hofSubmitAddress(1250, 80, "Ann", ""),
              std::string(kHofServer) + "/games/puzhof.asp?game=tess&a=1250&b=Ann size=80&c=");
    // A name or address typed with & or = cannot add a key of its own.
    EXPECT_EQ(hofSubmitAddress(-35, 4, "Ann & Bo=1", "a+b@x.org"),
              std::string(kHofServer) +
                  "/games/puzhof.asp?game=tess&a=-35&b=Ann%20%26%20Bo%3D1 size=4&c=a%2Bb%40x.org");
    // A club's own server, named in the environment.
    setenv("TESSARY_HOF_SERVER", "http://127.0.0.1:8080/", 1);
    EXPECT_EQ(hofBrowseAddress(), "http://127.0.0.1:8080/games/puzhof.asp?game=tess");
    unsetenv("TESSARY_HOF_SERVER");
    EXPECT_EQ(percentEncode("\xC3\xA9~_.-"), "%C3%A9~_.-");
}

} // namespace
} // namespace tessary

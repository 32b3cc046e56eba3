// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/HofFile.h"

#include "storage/TestFiles.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

HallOfFame sampleList() {
    HallOfFame list;
    list.insertAt(1, makeHofEntry(1250, "Lighthouse at dusk", 80, "Ann", "12/6/99"));
    list.insertAt(2, makeHofEntry(-35, "  Cat ", 2500, "  Smith, \"Bo\"", "1/2/2024"));
    list.insertAt(3, makeHofEntry(7, "", 4, "", ""));
    return list;
}

TEST(HofFile, AnEntryIsSixLines) {
    HallOfFame list;
    list.insertAt(1, makeHofEntry(1250, "Lighthouse", 80, "Ann", "12/6/99"));
    EXPECT_EQ(hofText(list), " 1 \r\n 1250 \r\n 80 \r\n 0 \r\nLighthou\r\n\"Ann\"\r\n12/6/99\r\n");
    EXPECT_EQ(hofText(HallOfFame{}), " 0 \r\n");
}

TEST(HofFile, RoundTripKeepsEveryField) {
    TempFolder dir;
    ASSERT_TRUE(putHOF(dir.path, sampleList()));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"tess.hof"});
    HallOfFame list;
    ASSERT_TRUE(getHOF(dir.path, list));
    EXPECT_EQ(list.hofCount, 3);
    HallOfFame want = sampleList();
    want.hof[2].name = "  Smith, 'Bo'"; // a double quote cannot be stored in a quoted field
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(list.hof[i], want.hof[i]) << i;
}

TEST(HofFile, AQuoteInANameFromAnOlderFileCutsOnlyThatName) {
    const auto list = parseHof(" 2 \r\n 50 \r\n 4 \r\n 0 \r\nab\r\n\"Ann \"Bo\" x\"\r\n1/1/01\r\n"
                               " 40 \r\n 4 \r\n 0 \r\nabcdefghij\r\n\"Cy\"\r\n2/2/02\r\n");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->hof[1].name, "Ann ");
    EXPECT_EQ(list->hof[1].date, "1/1/01");
    EXPECT_EQ(list->hof[1].tag, "ab      ");
    EXPECT_EQ(list->hof[2].tag, "abcdefgh");
    EXPECT_EQ(list->hof[2].name, "Cy");
    EXPECT_EQ(parseHof("\r\n").value().hofCount, 0); // an empty count line
}

TEST(HofFile, ADamagedFileGivesAnEmptyListWithNoScoresLeft) {
    std::vector<std::string> damaged = cutsAtEveryLine(hofText(sampleList()));
    std::string count31 = " 31 \r\n", garbage;
    for (int i = 0; i < 31; ++i)
        count31 += " 100 \r\n 4 \r\n 0 \r\nx\r\n\"p\"\r\nd\r\n";
    for (int i = 0; i < 3000; ++i)
        garbage += char((i * 104729 + 7) % 256);
    damaged.insert(damaged.end(), {count31, " -1 \r\n", garbage});
    TempFolder dir;
    HallOfFame list = sampleList();
    EXPECT_FALSE(getHOF(dir.path, list)); // no file at all
    EXPECT_EQ(list.hofCount, 0);
    for (const auto& bytes : damaged) {
        dir.write("tess.hof", bytes);
        list = sampleList();
        const bool loaded = getHOF(dir.path, list);
        EXPECT_TRUE(!loaded || bytes == garbage) << bytes.size(); // garbage reads as count 0
        EXPECT_EQ(list.hofCount, 0);
        EXPECT_EQ(list.findRank(1), 1) << "a score left in a slot would still rank";
    }
}

TEST(HofFile, AFailedWriteIsReportedAndClearingDeletesEverySpelling) {
    TempFolder dir;
    EXPECT_FALSE(putHOF(dir.path / "gone", sampleList()));
    ASSERT_TRUE(putHOF(dir.path, sampleList()));
    dir.write("TESS.HOF", "old");
    deleteHofFile(dir.path);
    EXPECT_TRUE(dir.names().empty());
}

} // namespace
} // namespace tessary

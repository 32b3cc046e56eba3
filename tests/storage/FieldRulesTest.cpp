// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FieldReader.h"
#include "files/FieldWriter.h"
#include "files/TextEncoding.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(FieldWriter, WritesNumbersTextAndQuotedTextAsTheFilesHaveThem) {
    FieldWriter w;
    w.numberLine({8, 6, 0, 1});
    w.numberLine({-35, -2147483647 - 1});
    w.textLine("  a, b");
    w.textLine("one\r\ntwo"); // a line break would shift the rest of the file
    w.quotedLine("Ann \"Bo\", Lee");
    w.textLine("caf\xE9"); // not UTF-8: replaced, so the file always reads back as UTF-8
    EXPECT_EQ(w.text(), " 8  6  0  1 \r\n-35 -2147483648 \r\n  a, b\r\none  two\r\n"
                        "\"Ann 'Bo', Lee\"\r\ncaf\xEF\xBF\xBD\r\n");
}

TEST(FieldReader, LineReadsTakeWholeLinesAndFailAtTheEnd) {
    FieldReader in("  a, \"b\" \r\nsecond\nlast");
    std::string s;
    std::vector<std::string> got;
    while (in.readLine(s))
        got.push_back(s);
    EXPECT_EQ(got, std::vector<std::string>({"  a, \"b\" ", "second", "last"}));
    EXPECT_EQ(s, "last"); // the failed read left it alone
    EXPECT_TRUE(in.endReached());
}

TEST(FieldReader, NumberFieldsEndAtSpaceCommaOrLineEnd) {
    FieldReader in(" 8  6 \r\n-35 \r\n7,9\n  12 , 13\r\n\r\n");
    std::vector<int> got;
    for (int16_t v = 0; in.readField(v);)
        got.push_back(v);
    EXPECT_EQ(got, std::vector<int>({8, 6, -35, 7, 9, 12, 13, 0})); // the empty line gives 0
    int32_t wide = 5;
    EXPECT_FALSE(in.readField(wide));
    EXPECT_EQ(wide, 5);
}

TEST(FieldReader, TextOrANumberTooWideForTheFieldReadsAsZero) {
    FieldReader in("abc\r\n12abc\r\n40000\r\n2.5\r\n3.5\r\n-1e3\r\n+4\r\ninf\r\n40000\r\n-1\r\n");
    std::vector<int> got;
    for (int k = 0; k < 8; ++k) {
        int16_t v = 9;
        ASSERT_TRUE(in.readField(v));
        got.push_back(v);
    }
    EXPECT_EQ(got, std::vector<int>({0, 0, 0, 2, 4, -1000, 4, 0})); // halves to even
    int32_t wide = 0;
    bool on = false;
    EXPECT_TRUE(in.readField(wide) && in.readField(on));
    EXPECT_EQ(wide, 40000);
    EXPECT_TRUE(on);
}

TEST(FieldReader, StringFieldsSplitAtCommasAndQuotesProtectThem) {
    FieldReader in(
        "  one.wav , two.wav\r\n\"a, b.wav\"\r\n\"Ann \"Bo\" x\", next\r\n\"open\r\nlast");
    std::vector<std::string> got;
    for (std::string s; in.readField(s);)
        got.push_back(s);
    // After a closing quote the rest of the field is skipped, so "next" is still the next one.
    EXPECT_EQ(got, std::vector<std::string>(
                       {"one.wav", "two.wav", "a, b.wav", "Ann ", "next", "open", "last"}));
}

TEST(FieldReader, DecodesWindows1252AndDropsAByteOrderMark) {
    std::string a, b;
    FieldReader old("Caf\xE9 \x80 \x93x\x94\r\n");
    ASSERT_TRUE(old.readLine(a));
    EXPECT_EQ(a, "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D");
    FieldReader utf8("\xEF\xBB\xBFMorvane-Tessary\r\nZo\xC3\xAB\r\n");
    ASSERT_TRUE(utf8.readLine(a) && utf8.readLine(b));
    EXPECT_EQ(a, "Morvane-Tessary");
    EXPECT_EQ(b, "Zo\xC3\xAB");
}

TEST(TextEncoding, ValidatesAndCountsByCharacter) {
    EXPECT_TRUE(isValidUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"));
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad; // overlong, surrogate, too high, cut short
    const std::string s = "\xC3\xA9t\xC3\xA9";
    EXPECT_EQ(utf8Length(s), 3u);
    EXPECT_EQ(utf8Left(s, 2), "\xC3\xA9t");
    EXPECT_EQ(utf8Right(s, 2), "t\xC3\xA9");
    EXPECT_EQ(utf8Left(s, 9), s);
}

} // namespace
} // namespace tessary

#include "storage/FieldReader.h"
#include "storage/FieldWriter.h"
#include "storage/TextEncoding.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(FieldWriter, NumbersRunTogetherWithSignOrSpaceAndTrailingSpace) {
    FieldWriter w;
    w.numberLine({8, 6, 0, 1});
    w.numberLine({-35});
    w.numberLine({-2147483647 - 1, 32767});
    EXPECT_EQ(w.text(), " 8  6  0  1 \r\n-35 \r\n-2147483648  32767 \r\n");
}

TEST(FieldWriter, TextLinesAndQuotedTextStayOnTheirLine) {
    FieldWriter w;
    w.textLine("");
    w.textLine("  a, b");
    w.textLine("one\r\ntwo\nthree");
    w.quotedLine("Ann \"Bo\" Lee");
    w.quotedLine("Smith, Ann");
    EXPECT_EQ(w.text(), "\r\n  a, b\r\none  two three\r\n\"Ann 'Bo' Lee\"\r\n\"Smith, Ann\"\r\n");
}

TEST(FieldWriter, BytesThatAreNotUtf8AreReplacedSoTheFileStaysUtf8) {
    FieldWriter w;
    w.textLine("caf\xE9 \xC3\xA9");
    EXPECT_EQ(w.text(), "caf\xEF\xBF\xBD \xC3\xA9\r\n");
    EXPECT_TRUE(isValidUtf8(w.text()));
}

TEST(FieldReader, LineReadsTakeWholeLinesWithEitherLineEnd) {
    FieldReader in("  a, \"b\" \r\nsecond\nlast");
    std::string s = "unchanged";
    ASSERT_TRUE(in.readLine(s));
    EXPECT_EQ(s, "  a, \"b\" ");
    ASSERT_TRUE(in.readLine(s));
    EXPECT_EQ(s, "second");
    ASSERT_TRUE(in.readLine(s));
    EXPECT_EQ(s, "last");
    EXPECT_FALSE(in.endReached());
    EXPECT_FALSE(in.readLine(s));
    EXPECT_EQ(s, "last");
    EXPECT_TRUE(in.endReached());
}

TEST(FieldReader, NumberFieldsEndAtSpaceCommaOrLineEnd) {
    FieldReader in(" 8  6  0  1 \r\n-35 \r\n7,9\n  12 , 13\r\n\r\n");
    int16_t a = 0, b = 0, c = 0, d = 0;
    int32_t e = 0, f = 0, g = 0, h = 0, i = 0, j = 5;
    EXPECT_TRUE(in.readField(a) && in.readField(b) && in.readField(c) && in.readField(d));
    EXPECT_TRUE(in.readField(e) && in.readField(f) && in.readField(g));
    EXPECT_TRUE(in.readField(h) && in.readField(i) && in.readField(j));
    EXPECT_EQ(std::vector<int>({a, b, c, d, e, f, g, h, i}),
              std::vector<int>({8, 6, 0, 1, -35, 7, 9, 12, 13}));
    EXPECT_EQ(j, 0); // the empty last line
    EXPECT_FALSE(in.readField(j));
    EXPECT_EQ(j, 0);
    EXPECT_TRUE(in.endReached());
}

TEST(FieldReader, TextOrATooWideNumberReadsAsZero) {
    FieldReader in("abc\r\n12abc\r\n40000\r\n40000\r\n2.5\r\n3.5\r\n-1e3\r\n+4\r\ninf\r\n");
    int16_t v = 9;
    std::vector<int> got;
    for (int k = 0; k < 9; ++k) {
        int32_t wide = 9;
        if (k == 3) {
            ASSERT_TRUE(in.readField(wide));
            got.push_back(wide);
        } else {
            ASSERT_TRUE(in.readField(v));
            got.push_back(v);
        }
    }
    EXPECT_EQ(got, std::vector<int>({0, 0, 0, 40000, 2, 4, -1000, 4, 0}));
}

TEST(FieldReader, StringFieldsSplitAtCommasAndQuotesProtectThem) {
    FieldReader in(
        "  one.wav , two.wav\r\n\"a, b.wav\"\r\n\"Ann \"Bo\" x\", next\r\n\"open\r\nlast");
    std::vector<std::string> got;
    std::string s;
    while (in.readField(s))
        got.push_back(s);
    // After a closing quote the rest of the field is skipped, so "next" is still the next one.
    EXPECT_EQ(got, std::vector<std::string>(
                       {"one.wav", "two.wav", "a, b.wav", "Ann ", "next", "open", "last"}));
}

TEST(FieldReader, ABooleanIsAnyNonzeroNumber) {
    FieldReader in("-1 \r\n0 \r\n5\r\n");
    bool a = false, b = true, c = false;
    EXPECT_TRUE(in.readField(a) && in.readField(b) && in.readField(c));
    EXPECT_TRUE(a);
    EXPECT_FALSE(b);
    EXPECT_TRUE(c);
}

TEST(FieldReader, AFileThatIsNotUtf8IsReadAsWindows1252) {
    FieldReader in("Caf\xE9 \x80 \x93x\x94\r\n");
    std::string s;
    ASSERT_TRUE(in.readLine(s));
    EXPECT_EQ(s, "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D");
}

TEST(FieldReader, UTF8IsKeptAndAByteOrderMarkDropped) {
    FieldReader in("\xEF\xBB\xBFMorvane-Tessary\r\nZo\xC3\xAB\r\n");
    std::string a, b;
    ASSERT_TRUE(in.readLine(a) && in.readLine(b));
    EXPECT_EQ(a, "Morvane-Tessary");
    EXPECT_EQ(b, "Zo\xC3\xAB");
}

TEST(TextEncoding, RefusesOverlongSurrogateAndCutSequences) {
    EXPECT_TRUE(isValidUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));         // cut short
}

TEST(TextEncoding, CharacterCountsCutAndAlignByCharacterNotByte) {
    const std::string s = "\xC3\xA9t\xC3\xA9"; // "été"
    EXPECT_EQ(utf8Length(s), 3u);
    EXPECT_EQ(utf8Left(s, 2), "\xC3\xA9t");
    EXPECT_EQ(utf8Right(s, 2), "t\xC3\xA9");
    EXPECT_EQ(utf8Left(s, 9), s);
}

} // namespace
} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Submission.h"

#include <gtest/gtest.h>

using namespace hof;

namespace {

// The query of a submission as the game sends it, decoded.
Query submission(const std::string& a, const std::string& b, const std::string& c = "a@b.org") {
    return {{"game", "tess"}, {"a", a}, {"b", b}, {"c", c}};
}

std::vector<std::string> problemsOf(const Query& query) {
    return checkSubmission("tess", query).problems;
}

} // namespace

TEST(Submission, QueryValuesRunToTheNextAmpersand) {
    const Query query = parseQuery("game=tess&a=12&b=Ann%20%26%20Bo%20size=80&c=a%2Bb%40x.org&d&"
                                   "e=1+2&f=%zz%4");
    EXPECT_EQ(query, (Query{{"game", "tess"},
                            {"a", "12"},
                            {"b", "Ann & Bo size=80"},
                            {"c", "a+b@x.org"},
                            {"d", ""},
                            {"e", "1 2"},
                            {"f", "%zz%4"}}));
}

TEST(Submission, NameAndSizeSplitAtTheLastSizeKey) {
    const auto plain = splitNameAndSize("Ann size=80");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->name, "Ann");
    EXPECT_EQ(plain->size, "80");
    // A name may itself hold " size=": the piece count is after the last one.
    const auto tricky = splitNameAndSize("Max size=9 size=80");
    ASSERT_TRUE(tricky);
    EXPECT_EQ(tricky->name, "Max size=9");
    EXPECT_EQ(tricky->size, "80");
    EXPECT_FALSE(splitNameAndSize("Ann size80"));
    EXPECT_FALSE(splitNameAndSize("Annsize=80"));
}

TEST(Submission, AGoodOneIsTakenWithItsNameTrimmed) {
    const auto check = checkSubmission("tess", submission("1250", "  Zoë Ann  size=80"));
    ASSERT_TRUE(check.submission) << testing::PrintToString(check.problems);
    EXPECT_EQ(check.submission->game, "tess");
    EXPECT_EQ(check.submission->score, 1250);
    EXPECT_EQ(check.submission->size, 80);
    EXPECT_EQ(check.submission->name, "Zoë Ann");
    EXPECT_EQ(check.submission->email, "a@b.org");
    // An accent typed as its own mark is stored as the one letter it makes, so both spellings
    // are one name.
    const auto decomposed = checkSubmission("tess", submission("1250", "Zoe\u0308 Ann size=80"));
    ASSERT_TRUE(decomposed.submission) << testing::PrintToString(decomposed.problems);
    EXPECT_EQ(decomposed.submission->name, "Zo\u00eb Ann");
    // The game sends an empty e-mail when the player typed none; a missing one is the same.
    EXPECT_TRUE(checkSubmission("tess", submission("1", "Bo size=4", "")).submission);
    EXPECT_TRUE(checkSubmission("tess", {{"a", "32767"}, {"b", "Bo size=2500"}}).submission);
}

TEST(Submission, ScoreIsAWholeNumberFrom1To32767) {
    const std::vector<std::string> wrong = {"The score must be a whole number from 1 to 32767."};
    for (const std::string bad : {"0", "-5", "32768", "99999999999", "", "12a", "+3", " 3", "1.5"})
        EXPECT_EQ(problemsOf(submission(bad, "Ann size=80")), wrong) << bad;
    EXPECT_EQ(problemsOf({{"b", "Ann size=80"}}),
              std::vector<std::string>{"The score (a=) is missing."});
}

TEST(Submission, SizeIsAWholeNumberFrom4To2500) {
    const std::vector<std::string> wrong = {
        "The number of pieces must be a whole number from 4 to 2500."};
    for (const std::string bad : {"3", "2501", "", "8x", "-4", "4 "})
        EXPECT_EQ(problemsOf(submission("10", "Ann size=" + bad)), wrong) << bad;
    EXPECT_EQ(problemsOf(submission("10", "Ann")),
              std::vector<std::string>{
                  "The name must be followed by \" size=\" and the number of pieces."});
    EXPECT_EQ(problemsOf({{"a", "10"}}), std::vector<std::string>{"The name (b=) is missing."});
}

TEST(Submission, NameIsOneTo40PrintableCharacters) {
    EXPECT_EQ(problemsOf(submission("10", "    size=80")),
              std::vector<std::string>{"The name is empty."});
    // Characters are counted, not bytes: 40 two-byte letters are fine, 41 are not.
    std::string zoes;
    for (int i = 0; i < 40; ++i)
        zoes += "ë";
    EXPECT_TRUE(problemsOf(submission("10", zoes + " size=80")).empty());
    EXPECT_EQ(problemsOf(submission("10", zoes + "e size=80")),
              std::vector<std::string>{"The name is longer than 40 characters."});
    // A letter and its accent count once when they make one letter.
    std::string marked;
    for (int i = 0; i < 40; ++i)
        marked += "e\u0308";
    EXPECT_TRUE(problemsOf(submission("10", marked + " size=80")).empty());
    EXPECT_EQ(problemsOf(submission("10", marked + "x\u0308 size=80")),
              std::vector<std::string>{"The name is longer than 40 characters."});
    const std::vector<std::string> unprintable = {"The name may hold only printable characters."};
    for (const std::string& bad :
         {std::string("Ann\tBo"), std::string("Ann\nBo"), std::string("A\x7f"),
          std::string("A\xc2\x85"), std::string("A\xff"), std::string("A\xc3"),
          std::string("A\xc0\xaf"), std::string("A\xed\xa0\x80")})
        EXPECT_EQ(problemsOf(submission("10", bad + " size=80")), unprintable);
}

TEST(Submission, NamesThatShowSomethingElseAreRefused) {
    const std::vector<std::string> hidden = {
        "The name may not hold invisible characters or ones that turn text around."};
    // Zero-width space, word joiner, byte order mark; right-to-left override and isolate.
    for (const std::string& bad :
         {std::string("\u200b"), std::string("Ann\u2060"), std::string("\ufeffAnn"),
          std::string("\u202e12345"), std::string("A\u2067B"), std::string("A\u200fB")})
        EXPECT_EQ(problemsOf(submission("10", bad + " size=80")), hidden) << bad;
    // No-break, ideographic and thin spaces alone leave a blank row.
    EXPECT_EQ(problemsOf(submission("10", "\u00a0\u3000\u2009 size=80")),
              std::vector<std::string>{"The name is empty."});
    EXPECT_TRUE(problemsOf(submission("10", "Ann\u00a0Bo size=80")).empty());
    // Accents are counted once the letter has taken in the one it has a form for.
    EXPECT_TRUE(problemsOf(submission("10", "Zoe\u0301\u0302\u0303\u0304 size=80")).empty());
    EXPECT_EQ(
        problemsOf(submission("10", "Zox\u0301\u0302\u0303\u0304 size=80")),
        std::vector<std::string>{"The name may not stack more than 3 accents on one letter."});
}

TEST(Submission, EmailIsAtMost100PrintableBytes) {
    EXPECT_TRUE(problemsOf(submission("10", "Ann size=80", std::string(100, 'e'))).empty());
    EXPECT_EQ(problemsOf(submission("10", "Ann size=80", std::string(101, 'e'))),
              std::vector<std::string>{"The e-mail address is longer than 100 characters."});
    EXPECT_EQ(problemsOf(submission("10", "Ann size=80", "a@b\r\nX-Evil: 1")),
              std::vector<std::string>{"The e-mail address may hold only printable characters."});
}

TEST(Submission, EveryProblemIsListed) {
    EXPECT_EQ(problemsOf(submission("0", " size=1")).size(), 3u);
    EXPECT_FALSE(isSubmission({{"game", "tess"}}));
    EXPECT_TRUE(isSubmission({{"game", "tess"}, {"c", ""}}));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/LeadingNumber.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    EXPECT_EQ(leadingCount("12"), 12);
    EXPECT_EQ(leadingCount("  12abc"), 12);
    EXPECT_EQ(leadingCount("1 2"), 12); // blanks are ignored, even inside
    EXPECT_EQ(leadingCount("-3"), -3);
    EXPECT_EQ(leadingCount("4e1"), 40);
    EXPECT_EQ(leadingCount("5e"), 5);
    EXPECT_EQ(leadingCount("6-"), 6);
}

TEST(LeadingNumber, TextWithoutANumberReadsAsZero) {
    EXPECT_EQ(leadingCount(""), 0);
    EXPECT_EQ(leadingCount("abc"), 0);
    EXPECT_EQ(leadingCount("."), 0);
    EXPECT_EQ(leadingCount("-"), 0);
}

TEST(LeadingNumber, HalvesRoundToEven) {
    EXPECT_EQ(leadingCount("7.5"), 8);
    EXPECT_EQ(leadingCount("6.5"), 6);
    EXPECT_EQ(leadingCount("2.5"), 2);
    EXPECT_EQ(leadingCount("2.51"), 3);
}

TEST(LeadingNumber, ValuesBeyond16BitsGiveNothing) {
    EXPECT_EQ(leadingCount("32767"), 32767);
    EXPECT_FALSE(leadingCount("99999").has_value());
    EXPECT_FALSE(leadingCount("1e400").has_value());
    EXPECT_FALSE(leadingCount("-32769").has_value());
}

} // namespace
} // namespace tessary

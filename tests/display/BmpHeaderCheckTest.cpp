// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/BmpHeaderCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tessary {
namespace {

void put16(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// The first 54 bytes of a BMP with a 40-byte information header.
std::vector<unsigned char> bmpHead(std::int32_t w, std::int32_t h, int bits,
                                   std::uint32_t compression = 0, std::uint32_t sizeImage = 0) {
    std::vector<unsigned char> b(kBmpHeadBytes, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 10, 54);
    put32(b, 14, 40);
    put32(b, 18, static_cast<std::uint32_t>(w));
    put32(b, 22, static_cast<std::uint32_t>(h));
    put16(b, 26, 1);
    put16(b, 28, static_cast<std::uint32_t>(bits));
    put32(b, 30, compression);
    put32(b, 34, sizeImage);
    return b;
}

bool fits(const std::vector<unsigned char>& head, std::uint64_t fileSize) {
    return bmpDataFits(head.data(), head.size(), fileSize);
}

TEST(BmpHeaderCheck, PaddedRowsMustAllBeInTheFile) {
    // 3 x 2 at 24 bits: rows of 9 bytes padded to 12.
    const auto head = bmpHead(3, 2, 24);
    EXPECT_TRUE(fits(head, 54 + 24));
    EXPECT_FALSE(fits(head, 54 + 23));
    // Top-down rows (negative height) need the same data.
    EXPECT_TRUE(fits(bmpHead(3, -2, 24), 54 + 24));
    EXPECT_FALSE(fits(bmpHead(3, -2, 24), 54 + 12));
    // 1-bit rows: 33 pixels take 5 bytes, padded to 8.
    EXPECT_TRUE(fits(bmpHead(33, 1, 1), 54 + 8));
    EXPECT_FALSE(fits(bmpHead(33, 1, 1), 54 + 7));
}

TEST(BmpHeaderCheck, RefusesSizesThatCannotBeAPicture) {
    EXPECT_FALSE(fits(bmpHead(0, 2, 24), 1000));
    EXPECT_FALSE(fits(bmpHead(-3, 2, 24), 1000));
    EXPECT_FALSE(fits(bmpHead(3, 0, 24), 1000));
    EXPECT_FALSE(fits(bmpHead(3, 2, 0), 1000));
    // A huge declared size in a small file.
    EXPECT_FALSE(fits(bmpHead(0x7FFFFFFF, 0x7FFFFFFF, 32), 100000));
}

TEST(BmpHeaderCheck, RunLengthDataIsCheckedWhenItsSizeIsGiven) {
    EXPECT_TRUE(fits(bmpHead(100, 100, 8, 1, 500), 54 + 500));
    EXPECT_FALSE(fits(bmpHead(100, 100, 8, 1, 500), 54 + 499));
    EXPECT_TRUE(fits(bmpHead(100, 100, 4, 2, 0), 60));
}

TEST(BmpHeaderCheck, Os2HeaderHas16BitSizes) {
    std::vector<unsigned char> b(26, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 10, 26);
    put32(b, 14, 12);
    put16(b, 18, 4); // 4 x 3 at 8 bits: rows of 4 bytes
    put16(b, 20, 3);
    put16(b, 22, 1);
    put16(b, 24, 8);
    EXPECT_TRUE(bmpDataFits(b.data(), b.size(), 26 + 12));
    EXPECT_FALSE(bmpDataFits(b.data(), b.size(), 26 + 11));
}

TEST(BmpHeaderCheck, RefusesWhatIsNotABmpHeader) {
    auto head = bmpHead(3, 2, 24);
    EXPECT_FALSE(bmpDataFits(head.data(), 20, 1000)); // cut inside the headers
    auto offset = head;
    put32(offset, 10, 5000); // pixel data said to start past the end
    EXPECT_FALSE(fits(offset, 1000));
    head[0] = 'X';
    EXPECT_FALSE(fits(head, 1000));
    auto odd = bmpHead(3, 2, 24);
    put32(odd, 14, 20); // no such information header
    EXPECT_FALSE(fits(odd, 1000));
}

} // namespace
} // namespace tessary

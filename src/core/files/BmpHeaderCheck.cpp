// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/BmpHeaderCheck.h"

namespace tessary {

namespace {

std::uint32_t u16(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}
std::uint32_t u32(const unsigned char* p) {
    return u16(p) | u16(p + 2) << 16;
}
std::int32_t s32(const unsigned char* p) {
    return static_cast<std::int32_t>(u32(p));
}

enum : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

} // namespace

bool bmpDataFits(const unsigned char* head, std::size_t headSize, std::uint64_t fileSize) {
    if (headSize < 26 || head[0] != 'B' || head[1] != 'M')
        return false;
    const std::uint64_t offBits = u32(head + 10);
    const std::uint32_t infoSize = u32(head + 14);

    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint64_t sizeImage = 0;
    if (infoSize == 12) { // OS/2 1.x header: 16-bit unsigned sizes
        width = u16(head + 18);
        height = u16(head + 20);
        bitCount = u16(head + 24);
    } else if (infoSize >= 40 && headSize >= kBmpHeadBytes) {
        width = s32(head + 18);
        height = s32(head + 22); // negative for rows stored top-down
        bitCount = u16(head + 28);
        compression = u32(head + 30);
        sizeImage = u32(head + 34);
    } else {
        return false;
    }
    if (width <= 0 || height == 0 || bitCount == 0 || offBits > fileSize)
        return false;
    if (height < 0)
        height = -height;

    switch (compression) {
    case kRgb:
    case kBitfields:
    case kAlphaBitfields: {
        // Rows are padded to whole 32-bit words.
        const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
        return offBits + stride * static_cast<std::uint64_t>(height) <= fileSize;
    }
    case kRle8:
    case kRle4:
        // Run-length data has no fixed size; when the header gives it, it must be there.
        return offBits + sizeImage <= fileSize;
    default:
        return true; // other encodings are left to the decoder, which refuses what it lacks
    }
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PngEndCheck.h"

#include <cstdint>
#include <cstring>

namespace tessary {

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// A chunk's length, type and checksum around its data.
constexpr std::size_t kChunkFrame = 12;
constexpr std::uint32_t kLongestChunk = 0x7FFFFFFF;

std::uint32_t bigEndian32(const unsigned char* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 |
           std::uint32_t(p[3]);
}

} // namespace

bool pngReachesEnd(const unsigned char* data, std::size_t size) {
    if (size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0)
        return false;
    std::size_t i = sizeof kSignature;
    while (size - i >= kChunkFrame) {
        const std::uint32_t length = bigEndian32(data + i);
        if (length > kLongestChunk || length > size - i - kChunkFrame)
            return false;
        if (std::memcmp(data + i + 4, "IEND", 4) == 0)
            return true;
        i += kChunkFrame + length;
    }
    return false;
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/GifEndCheck.h"

#include <cstring>

namespace tessary {

namespace {

enum : unsigned char { kImage = 0x2C, kExtension = 0x21, kTrailer = 0x3B };
constexpr std::size_t kHeader = 13;          // signature, version and screen descriptor
constexpr std::size_t kImageDescriptor = 10; // its introducer, place, size and flags

// The bytes of the colour table a descriptor's flags byte announces, if any.
std::size_t colourTableBytes(unsigned char flags) {
    return (flags & 0x80) ? 3u << ((flags & 0x07) + 1) : 0;
}

// Steps over a run of sub-blocks and its zero terminator; false when the file ends first.
bool skipSubBlocks(const unsigned char* data, std::size_t size, std::size_t& i) {
    while (i < size) {
        const std::size_t length = data[i++];
        if (length == 0)
            return true;
        if (length > size - i)
            return false;
        i += length;
    }
    return false;
}

} // namespace

bool gifReachesTrailer(const unsigned char* data, std::size_t size) {
    if (size < kHeader ||
        (std::memcmp(data, "GIF87a", 6) != 0 && std::memcmp(data, "GIF89a", 6) != 0))
        return false;
    std::size_t i = kHeader + colourTableBytes(data[10]);
    while (i < size) {
        const unsigned char block = data[i];
        if (block == kTrailer)
            return true;
        if (block == kImage) {
            if (size - i < kImageDescriptor)
                return false;
            i += kImageDescriptor + colourTableBytes(data[i + 9]);
            ++i; // the LZW code size
        } else if (block == kExtension) {
            i += 2; // its introducer and label
        } else {
            return false;
        }
        if (i > size || !skipSubBlocks(data, size, i))
            return false;
    }
    return false;
}

} // namespace tessary

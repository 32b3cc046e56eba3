// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/JpegEndCheck.h"

#include <cstring>

namespace tessary {

namespace {

enum : unsigned char {
    kSoi = 0xD8,
    kEoi = 0xD9,
    kSos = 0xDA,
    kRst0 = 0xD0,
    kRst7 = 0xD7,
    kTem = 0x01,
};

bool standalone(unsigned char m) {
    return m == kTem || (m >= kRst0 && m <= kRst7);
}

} // namespace

bool jpegReachesEnd(const unsigned char* data, std::size_t size) {
    if (size < 4 || data[0] != 0xFF || data[1] != kSoi)
        return false;
    std::size_t i = 2;
    while (true) {
        // The next marker: 0xFF, any fill bytes 0xFF, then the marker code.
        while (i < size && data[i] != 0xFF)
            ++i; // stray bytes between segments: the decoder skips them too
        while (i < size && data[i] == 0xFF)
            ++i;
        if (i >= size)
            return false;
        const unsigned char marker = data[i++];
        if (marker == kEoi)
            return true;
        if (marker == 0 || standalone(marker))
            continue;
        if (i + 2 > size)
            return false;
        const std::size_t length = std::size_t(data[i]) << 8 | data[i + 1];
        if (length < 2 || i + length > size)
            return false;
        i += length;
        if (marker != kSos)
            continue;
        // Compressed data: 0xFF is followed by a stuffed 0 or a restart marker inside it; any
        // other marker ends it.
        while (true) {
            const void* ff = std::memchr(data + i, 0xFF, size - i);
            if (!ff)
                return false;
            i = std::size_t(static_cast<const unsigned char*>(ff) - data);
            std::size_t j = i + 1;
            while (j < size && data[j] == 0xFF)
                ++j;
            if (j >= size)
                return false;
            if (data[j] == 0 || (data[j] >= kRst0 && data[j] <= kRst7)) {
                i = j + 1;
                continue;
            }
            i = j - 1; // the marker's own 0xFF
            break;
        }
    }
}

} // namespace tessary

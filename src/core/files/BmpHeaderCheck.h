// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace tessary {

// The first bytes of a BMP file needed to check it: the file header and the longest
// information header fields read.
constexpr std::size_t kBmpHeadBytes = 54;

// Whether the pixel data a BMP's headers declare fits in a file of `fileSize` bytes, with a
// positive width and a non-zero height. A truncated BMP decodes to a partly blank picture
// without any error, so the file's length is checked against its own headers.
// `head` holds the file's first `headSize` bytes.
bool bmpDataFits(const unsigned char* head, std::size_t headSize, std::uint64_t fileSize);

} // namespace tessary

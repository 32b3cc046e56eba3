// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tessary {

// Whether a GIF file runs on to its trailer: the header, the colour tables its descriptors
// announce, every image and extension block with all its sub-blocks, then the trailer byte.
// The GIF reader shows a file cut short as a partly drawn picture without any error, so a
// cut is told by the blocks. Bytes after the trailer are allowed.
bool gifReachesTrailer(const unsigned char* data, std::size_t size);

} // namespace tessary

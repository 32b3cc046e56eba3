// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tessary {

// Whether a PNG file runs on to its end chunk: the signature, then every chunk whole (length,
// type, data and checksum) up to IEND. The PNG reader takes a file cut inside or just before
// its end chunk as a whole picture, so a file cut short is told by its chunks instead.
// Bytes after IEND are allowed.
bool pngReachesEnd(const unsigned char* data, std::size_t size);

} // namespace tessary

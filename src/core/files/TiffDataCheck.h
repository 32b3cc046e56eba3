// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tessary {

// Whether everything a TIFF file's first directory points to lies inside the file: the
// directory itself, every value stored away from it, and every strip or tile of the picture.
// The TIFF reader takes a file cut inside its last values as a whole picture, so a file cut
// short is told by its own pointers. Classic and big TIFF, either byte order.
bool tiffDataFits(const unsigned char* data, std::size_t size);

} // namespace tessary

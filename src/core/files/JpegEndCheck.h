// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tessary {

// Whether a JPEG file runs on to its end-of-image marker: every marker segment whole and the
// compressed data of every scan followed by another marker, up to EOI. A file cut short fails,
// whatever the decoder makes of it (it fills the missing rows with grey and only warns).
// Bytes after EOI are allowed, as some cameras add their own.
bool jpegReachesEnd(const unsigned char* data, std::size_t size);

} // namespace tessary

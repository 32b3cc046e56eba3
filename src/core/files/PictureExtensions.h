// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace tessary {

// The endings of the picture files the game reads, in lower case: the one list the file
// chooser, the catalogue and the board agree on.
inline constexpr std::array<std::string_view, 8> kPictureExtensions = {
    "bmp", "jpg", "jpeg", "png", "webp", "tif", "tiff", "gif"};

// True when the file's name ends in a dot and one of kPictureExtensions, in any letter case.
bool hasPictureExtension(std::string_view fileName);

} // namespace tessary

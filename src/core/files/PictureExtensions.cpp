// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PictureExtensions.h"

#include <algorithm>
#include <cctype>

namespace tessary {

bool hasPictureExtension(std::string_view fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string_view ending = fileName.substr(dot + 1);
    return std::any_of(
        kPictureExtensions.begin(), kPictureExtensions.end(), [ending](std::string_view known) {
            return std::equal(
                ending.begin(), ending.end(), known.begin(), known.end(),
                [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
        });
}

} // namespace tessary

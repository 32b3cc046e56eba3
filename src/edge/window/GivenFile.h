// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tessary {

// What a file handed to the game is (dropped on the window, named on the command line): a
// saved game is known by its first line, a picture by what Qt's image readers make of it.
enum class GivenFileKind { missing, savedGame, picture, other };

GivenFileKind kindOfGivenFile(const std::string& path);

} // namespace tessary

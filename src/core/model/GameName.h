// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tessary {

// The game's name: the main window's and the messages' title, the toolbar's caption, and the
// name the desktop files its data folder under.
inline constexpr std::string_view kGameName = "Tessary";

} // namespace tessary

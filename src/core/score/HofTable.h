// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "score/HallOfFame.h"

#include <string>
#include <string_view>

namespace tessary {

// The Hall of Fame window's fixed-pitch table for this game's code.
inline constexpr std::string_view kHofHeader = "Rank   Score   Size   Name       Date ";

// One row: rank (3 wide), score (8), size (4), name (22: two spaces and at most 20 characters
// of it), then the date as stored.
std::string hofRow(int rank, const HofEntry& entry);

// The header, then CR LF and a row for each entry; no line break after the last row.
std::string hofTableText(const HallOfFame& list);

} // namespace tessary

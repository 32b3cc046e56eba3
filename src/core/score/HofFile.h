// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "score/HallOfFame.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// The Hall of Fame file "tess.hof": the count, then six lines per entry (score, size, dif,
// the 8-character tag, the name in double quotes, the date), 1 + 6n lines in all.
std::string hofFileName();

// The file's text for the list.
std::string hofText(const HallOfFame& list);

// The list in the file's text; nullopt when it is damaged (a count outside 0..30, an entry
// cut short). An empty first line counts as 0 entries.
std::optional<HallOfFame> parseHof(std::string_view fileBytes);

// getHOF: loads folder/tess.hof. With no file (a first run) or a damaged one the list starts
// empty, every slot scoring 0, and the result is false.
bool getHOF(const std::filesystem::path& folder, HallOfFame& list);

// putHOF: writes the list to folder/tess.hof. False when it cannot be written; an existing
// file is then left whole.
bool putHOF(const std::filesystem::path& folder, const HallOfFame& list);

// Deletes the file, whatever the letter case of its name; a missing file is no error.
void deleteHofFile(const std::filesystem::path& folder);

} // namespace tessary

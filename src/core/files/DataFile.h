// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// No data file of the game comes near this; anything larger is not one of ours.
inline constexpr std::size_t kDataFileLimit = 16 * 1024 * 1024;

// The bytes of a data file; nullopt when it is missing, not a plain file (a folder, a device),
// unreadable or larger than kDataFileLimit.
std::optional<std::string> readDataFile(const std::filesystem::path& file);

// The file called name in folder. When no file has exactly that name, one whose name differs
// only in letter case (copied over from Windows, say "TESS.HOF") is taken instead; when there
// is none either, folder / name.
std::filesystem::path findIgnoringCase(const std::filesystem::path& folder, std::string_view name);

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// The folders the player added to the image catalogue, kept in the player's data folder so the
// catalogue shows them again next time. The settings file keeps its bytes as they always were.
inline constexpr std::string_view kCatalogFoldersFileName = "catalog.dat";

// One folder a line, in the order they were added; empty lines are skipped. A missing or
// damaged file gives none.
std::vector<std::string> readCatalogFolders(const std::filesystem::path& dataFolder);

// Writes the file whole or not at all. A folder whose name holds a line break is not kept.
bool writeCatalogFolders(const std::filesystem::path& dataFolder,
                         const std::vector<std::string>& folders);

} // namespace tessary

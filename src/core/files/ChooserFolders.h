// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tessary {

// The folders the file choosers last chose from, kept in the player's data folder so the next
// run starts there too. The settings file keeps its bytes as they always were.
inline constexpr std::string_view kChooserFoldersFileName = "folders.dat";

struct ChooserFolders {
    std::string pictures;   // the image chooser's
    std::string savedGames; // the save and open choosers'

    bool operator==(const ChooserFolders&) const = default;
};

// What the file in `dataFolder` holds: one folder a line, pictures first; an empty line, a
// missing or damaged file give no folder.
ChooserFolders readChooserFolders(const std::filesystem::path& dataFolder);

// Writes the file whole or not at all. A folder whose name holds a line break is not kept.
bool writeChooserFolders(const std::filesystem::path& dataFolder, const ChooserFolders& folders);

} // namespace tessary

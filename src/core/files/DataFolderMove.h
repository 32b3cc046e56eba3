// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/AtomicFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tessary {

// What became of the files in a data folder the game used to keep elsewhere.
struct DataFolderMove {
    std::vector<std::string> moved;
    // Files that stayed in the old folder: one of that name was already in the new folder
    // (it is never replaced), or the move failed; and anything there that is not a file.
    std::vector<std::string> leftBehind;
    bool oldFolderRemoved = false;
};

// Moves the player's files from `from` into `to`, each one whole: renamed, or where the two
// folders lie on different file systems copied, flushed to the disk and only then removed.
// The `dropped` names (the running copy's lock and socket, which hold nothing of the player's)
// are deleted instead. `from`, once empty, is removed. The caller makes sure no other copy of
// the game uses either folder meanwhile.
DataFolderMove moveDataFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                              const std::vector<std::string>& dropped,
                              FileOps& ops = FileOps::system());

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace tessary {

// Where the game finds its files. The program folder holds the sound list, sounds, music,
// help and sample pictures; the data folder holds what the game writes: the settings, the
// Hall of Fame, the game in play and the lock. They are the same folder (next to the
// executable) unless that folder is read-only, as in a system install, when the player's own
// data folder is used: $XDG_DATA_HOME/tessary, by default ~/.local/share/tessary.
struct ProgramFolders {
    // The program folder's folder of icons: one folder each for the toolbar, the About box's
    // frames and the application.
    static constexpr const char* kIconsFolder = "icons";

    std::filesystem::path programFolder;
    std::filesystem::path dataFolder;
    // Where earlier versions kept the player's files (~/.local/share/Tessary/Tessary); empty
    // when the data folder is the program folder.
    std::filesystem::path formerDataFolder;

    // The folders for the running executable.
    static ProgramFolders locate();

    // Moves the player's files from the former data folder into the data folder, once: run
    // while this copy holds the data folder, before any file of the game is read. Waits for a
    // later start while an earlier version still runs over the former folder. Whatever stays
    // behind is named on stderr.
    void moveFormerFiles() const;
};

} // namespace tessary

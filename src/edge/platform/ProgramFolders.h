#pragma once

#include <filesystem>

namespace tessary {

// Where the game finds its files. The program folder holds the sound list, sounds, music,
// help and sample pictures; the data folder holds the settings and the Hall of Fame. They are
// the same folder (next to the executable) unless that folder is read-only, as in a system
// install, when the player's own data folder is used for the two files the game writes.
struct ProgramFolders {
    // The program folder's folder of icons: one folder each for the toolbar, the About box's
    // frames and the application.
    static constexpr const char* kIconsFolder = "icons";

    std::filesystem::path programFolder;
    std::filesystem::path dataFolder;

    // The folders for the running executable.
    static ProgramFolders locate();
};

} // namespace tessary

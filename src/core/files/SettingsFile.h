// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "model/Settings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tessary {

// The settings file "Tessary.ini": the player's name, the last puzzle size and type, the fit
// mode, sound, e-mail, the About box lines and the music choice, in 11 lines. The puzzle's
// size, type and fit mode are kept in the PuzzleDescription, the rest in Settings.
inline constexpr std::string_view kSettingsFileName = "Tessary.ini";

// The file's text.
std::string settingsText(const PuzzleDescription& puzzle, const Settings& settings);

// Reads the file's text into the settings without judging the values (the dialogs that use
// them apply their own limits). Lines missing at the end leave their settings as they were.
void parseSettings(std::string_view fileBytes, PuzzleDescription& puzzle, Settings& settings);

// getINI: reads folder/Tessary.ini. False, with every setting as it was, when there is no
// such file (a first run) or it cannot be read.
bool getINI(const std::filesystem::path& folder, PuzzleDescription& puzzle, Settings& settings);

// putINI: writes folder/Tessary.ini. False when it cannot be written (a read-only folder, a
// full disk); an existing file is then left whole.
bool putINI(const std::filesystem::path& folder, const PuzzleDescription& puzzle,
            const Settings& settings);

} // namespace tessary

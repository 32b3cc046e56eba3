// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "model/Settings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tessary {

// The saved-game file: a header line, the puzzle, the counters and the board, as text lines
// and numbers (19 + 2 x boardAcross x boardDown lines).
inline constexpr std::string_view kSavedGameHeader = "Morvane-Tessary";

enum class SavedGameStatus {
    ok,
    cannotOpen,   // missing, unreadable or far too large to be a saved game
    notSavedGame, // wrong header, or the content fails the checks below
};

// A saved game read into fresh copies. The caller adopts game and settings only when status
// is ok; otherwise the game in progress stays exactly as it was. For both failures the menu
// command shows the path followed by " is not a saved Tessary game".
struct SavedGameLoad {
    SavedGameStatus status = SavedGameStatus::cannotOpen;
    GameState game;
    Settings settings; // the settings with spareSetting as the file carries it
};

// The file's text for the game in progress.
std::string savedGameText(const GameState& game, const Settings& settings);

// Writes the game in progress to file. False when it could not be written (errno tells why);
// an existing file is then left whole.
bool writeSavedGame(const std::filesystem::path& file, const GameState& game,
                    const Settings& settings);

// Reads a saved game on top of copies of the current game and settings (what the file does
// not hold, such as the screen size, carries over). The file is refused unless the header is
// exact, puzType is 1..4, fitMode 1..2, imgAcross and imgDown 2..50, the board 1..50 each way
// and of the shape the puzzle type gives the image size, every line is present, and pieceAt
// over the board holds every home cell exactly once. On success cellOf is rebuilt from
// pieceAt. The file's piece-count limits are never read: they are the program's own.
SavedGameLoad parseSavedGame(std::string_view fileBytes, const GameState& current,
                             const Settings& currentSettings);

SavedGameLoad readSavedGame(const std::filesystem::path& file, const GameState& current,
                            const Settings& currentSettings);

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "model/Settings.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace tessary {

// The game in play, kept in the data folder as it is played, in the saved-game format, so
// that a crash, a kill or a logout loses nothing: the next start offers it back.
class KeptGame {
  public:
    static constexpr std::string_view kFileName = "last-game.sav";

    explicit KeptGame(const std::filesystem::path& dataFolder) : file_(dataFolder / kFileName) {}

    const std::filesystem::path& file() const { return file_; }
    bool exists() const;
    // Writes the game whole or not at all: false (errno tells why) leaves the file as it was.
    bool keep(const GameState& game, const Settings& settings) const;
    // No game is kept any more.
    void forget() const;
    // The player turned the game down: it goes to "last-game.declined.sav", over the one
    // turned down before, so a No pressed by mistake still leaves it within reach.
    void putAway() const;
    // A kept game the game refused to open is moved out of the way beside itself, never over
    // another: "last-game.refused.sav", then "last-game.refused-2.sav" and on. Where it went,
    // or nothing when it could not be moved.
    std::optional<std::filesystem::path> setAsideRefused() const;

  private:
    std::filesystem::path file_;
};

} // namespace tessary

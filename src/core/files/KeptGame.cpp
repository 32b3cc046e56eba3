// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/KeptGame.h"

#include "files/SavedGame.h"

#include <string>
#include <system_error>

namespace tessary {

bool KeptGame::exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(file_, error);
}

bool KeptGame::keep(const GameState& game, const Settings& settings) const {
    return writeSavedGame(file_, game, settings);
}

void KeptGame::forget() const {
    std::error_code error;
    std::filesystem::remove(file_, error);
}

void KeptGame::putAway() const {
    std::error_code error;
    std::filesystem::rename(file_, file_.parent_path() / "last-game.declined.sav", error);
}

std::optional<std::filesystem::path> KeptGame::setAsideRefused() const {
    const std::string stem = file_.stem().string() + ".refused";
    for (int n = 1; n <= 1000; ++n) {
        std::string name = stem;
        if (n > 1)
            name.append("-").append(std::to_string(n));
        const auto aside = file_.parent_path() / name.append(file_.extension().string());
        std::error_code error;
        if (std::filesystem::exists(aside, error) || error)
            continue;
        std::filesystem::rename(file_, aside, error);
        return error ? std::nullopt : std::optional(aside);
    }
    return std::nullopt;
}

} // namespace tessary

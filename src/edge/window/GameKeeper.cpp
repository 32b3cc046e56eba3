// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/GameKeeper.h"

#include <cerrno>
#include <cstring>

namespace tessary {

GameKeeper::GameKeeper(const GameState& game, const Settings& settings,
                       const std::filesystem::path& dataFolder, int delayMs)
    : game_(game), settings_(settings), kept_(dataFolder) {
    timer_.setSingleShot(true);
    timer_.setInterval(delayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { keepNow(); });
}

void GameKeeper::gameChanged() {
    // Later changes ride on the write already planned: it reads the game as it is then.
    if (!timer_.isActive())
        timer_.start();
}

void GameKeeper::gameOver() {
    timer_.stop();
    kept_.forget();
}

bool GameKeeper::keepNow() {
    timer_.stop();
    if (kept_.keep(game_, settings_)) {
        failing_ = false;
        return true;
    }
    if (!failing_)
        qWarning("Tessary: the game in play could not be kept in %s: %s", kept_.file().c_str(),
                 std::strerror(errno));
    failing_ = true;
    return false;
}

} // namespace tessary

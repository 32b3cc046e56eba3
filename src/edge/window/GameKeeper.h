// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/KeptGame.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "ports/GameKeeping.h"

#include <QObject>
#include <QTimer>
#include <filesystem>

namespace tessary {

// Keeps the game in play on disk as it is played: a change starts a short timer, and when it
// runs out the game is written whole, so the file is at most `delayMs` behind the board and
// written at most once per `delayMs`. Nothing runs while nothing changes.
class GameKeeper : public QObject, public GameKeeping {
  public:
    static constexpr int kDelayMs = 500;

    GameKeeper(const GameState& game, const Settings& settings,
               const std::filesystem::path& dataFolder, int delayMs);

    void gameChanged() override;
    void gameOver() override;

    // Writes the game at once, changed or not (the session is ending). False when it could
    // not be written.
    bool keepNow();
    // A change not yet written: the game must be written before the program ends.
    bool pending() const { return timer_.isActive(); }
    const KeptGame& kept() const { return kept_; }

  private:
    const GameState& game_;
    const Settings& settings_;
    KeptGame kept_;
    QTimer timer_;
    bool failing_ = false; // a failure is logged once, until a write succeeds again
};

} // namespace tessary

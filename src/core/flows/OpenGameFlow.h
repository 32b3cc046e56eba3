// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/KeptGame.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "ports/GameHost.h"
#include "rules/Play.h"

namespace tessary {

// "Open Saved Game": the chosen file is read and checked whole, its pictures are laid out,
// and only then does it replace the game in play; anything wrong leaves that game as it was.
class OpenGameFlow {
  public:
    OpenGameFlow(GameState& state, Settings& settings, GameHost host, Play& play)
        : s_(state), settings_(settings), host_(host), play_(play) {}

    void openGame();
    // Opens the saved game in `path` with every check; false (the player told why) leaves the
    // game in play as it was.
    bool openFile(const std::string& path);
    // At start-up: the game kept from the last run, when there is one, offered back. Yes opens
    // it; No puts it away; a file refused is moved aside, so it is never offered again.
    void offerKept(const KeptGame& kept);

  private:
    GameState& s_;
    Settings& settings_;
    GameHost host_;
    Play& play_;
};

} // namespace tessary

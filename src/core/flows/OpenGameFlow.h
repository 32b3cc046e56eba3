#pragma once

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

  private:
    GameState& s_;
    Settings& settings_;
    GameHost host_;
    Play& play_;
};

} // namespace tessary

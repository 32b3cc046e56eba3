// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameState.h"
#include "model/RandomSource.h"
#include "ports/GameHost.h"
#include "rules/Play.h"

namespace tessary {

// "New Game": save the game in play, ask for size and type, one picture per image, lay the
// board out, put every piece home and shuffle it in view.
class NewPuzzleFlow {
  public:
    NewPuzzleFlow(GameState& state, GameHost host, Play& play, RandomSource& random)
        : s_(state), host_(host), play_(play), random_(random) {}

    // With `firstPicture`, the image chooser shows it as the first picture: the road of a
    // picture dropped on the window or chosen in the catalogue.
    void newPuzzle(const std::string& firstPicture = {});

  private:
    void abandon(bool wasOn);
    // One picture per image into `p`; false unless every image has its picture.
    bool choosePictures(PuzzleDescription& p, const std::string& firstPicture);

    GameState& s_;
    GameHost host_;
    Play& play_;
    RandomSource& random_;
};

} // namespace tessary

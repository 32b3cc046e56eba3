// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessary {

// Plays sound effect number n of the sound list (the numbers are in SoundNumbers.h).
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void playsfx(int n) = 0;
};

} // namespace tessary

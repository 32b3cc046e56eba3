// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/AudioState.h"
#include "model/Settings.h"
#include "ports/AudioHost.h"
#include "ports/SoundService.h"

#include <string>

namespace tessary {

// The numbered sound effects: the list of wave files read at start-up, and playing one.
class SoundEffects {
  public:
    SoundEffects(Settings& settings, AudioState& state, SoundService& service, AudioHost& host,
                 std::string programFolder)
        : settings_(settings), state_(state), service_(service), host_(host),
          programFolder_(std::move(programFolder)) {}

    // Plays effect n (0..16) in the background while effects are on. The first sound that
    // cannot be played switches effects off.
    void playsfx(int n);

    // Reads the sound list from the program's folder.
    void getMedia();

  private:
    Settings& settings_;
    AudioState& state_;
    SoundService& service_;
    AudioHost& host_;
    std::string programFolder_;
};

// A file name as the game uses it: a name without a folder lies in the program's folder.
std::string inProgramFolder(const std::string& programFolder, const std::string& name);

} // namespace tessary

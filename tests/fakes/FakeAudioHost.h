// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/AudioHost.h"

#include <functional>
#include <string>
#include <vector>

namespace tessary::testing {

// Keeps the menu captions and the messages shown; doEvents and the jukebox run what the test
// gives them.
class FakeAudioHost : public AudioHost {
  public:
    std::string soundCaption = "Turn Sound E&ffects On"; // as the window is built
    std::string musicCaption = "Turn &Music Off";
    std::vector<std::string> messages;
    std::function<void()> onDoEvents;
    std::function<void()> jukebox; // what the player does in the dialog
    int jukeboxShown = 0;

    void setMenuSoundCaption(const std::string& caption) override { soundCaption = caption; }
    void setMenuMusicCaption(const std::string& caption) override { musicCaption = caption; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void doEvents() override {
        if (onDoEvents)
            onDoEvents();
    }
    void showJukebox() override {
        ++jukeboxShown;
        if (jukebox)
            jukebox();
    }
};

} // namespace tessary::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tessary {

// What the sound effects and the music ask of the main window.
class AudioHost {
  public:
    virtual ~AudioHost() = default;

    // The Options menu entries MenuSound and MenuMusic.
    virtual void setMenuSoundCaption(const std::string& caption) = 0;
    virtual void setMenuMusicCaption(const std::string& caption) = 0;

    // A plain message box: the text, an OK button, no icon.
    virtual void showMessage(const std::string& text) = 0;

    // Lets the pending window events run, a song's end among them.
    virtual void doEvents() = 0;

    // Shows the Jukebox dialog and returns when the player has closed it.
    virtual void showJukebox() = 0;
};

} // namespace tessary

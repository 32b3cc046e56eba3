// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/AudioState.h"
#include "model/RandomSource.h"
#include "model/Settings.h"
#include "ports/AudioHost.h"
#include "ports/MidiControl.h"
#include "sound/SoundEffects.h"

#include <functional>
#include <string>
#include <vector>

namespace tessary {

// The background music and the two Options menu captions: songs one after another while
// music is on, the jukebox's choice of tune, and pausing while the window is minimised.
class Music {
  public:
    // Lists the "*.mid" files of a folder, by name, in the order the folder lists them.
    using MidiLister = std::function<std::vector<std::string>(const std::string& folder)>;

    // Takes over the control's Done event (MidiCtrl_Done) for as long as it lives.
    Music(Settings& settings, AudioState& state, MidiControl& midi, SoundEffects& effects,
          AudioHost& host, RandomSource& random, std::string programFolder,
          MidiLister lister = listMidiFiles);
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    // Refreshes both Options captions and starts or stops the music to match musicOn.
    void setSoundMenus();
    // Picks randomMidi among the program folder's MIDI files.
    void pickRandomMidi();
    // Starts the song of the current jukebox choice unless one is playing.
    void startMusic();
    // A command of the control completed; 1 means a song played to its end.
    void MidiCtrl_Done(int notifyCode);

    void MenuMusic_Click();
    void MenuSound_Click();
    void MenuJukebox_Click();

    // The music's part of the main window's resize: pause when minimised, play again after.
    void Form_Resize(bool minimized);
    // The music's part of the shut-down.
    void closeAtExit();

    static std::vector<std::string> listMidiFiles(const std::string& folder);

  private:
    Settings& settings_;
    AudioState& state_;
    MidiControl& midi_;
    SoundEffects& effects_;
    AudioHost& host_;
    RandomSource& random_;
    std::string programFolder_;
    MidiLister lister_;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Music.h"

#include "model/SoundNumbers.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tessary {

namespace {

bool isMidiName(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".mid"; // as on Windows, "*.mid" matches in any letter case
}

} // namespace

Music::Music(Settings& settings, AudioState& state, MidiControl& midi, SoundEffects& effects,
             AudioHost& host, RandomSource& random, std::string programFolder, MidiLister lister)
    : settings_(settings), state_(state), midi_(midi), effects_(effects), host_(host),
      random_(random), programFolder_(std::move(programFolder)), lister_(std::move(lister)) {
    midi_.setDoneHandler([this](int code) { MidiCtrl_Done(code); });
}

Music::~Music() {
    midi_.setDoneHandler(nullptr);
}

std::vector<std::string> Music::listMidiFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && isMidiName(it->path()))
            names.push_back(it->path().filename().string());
    }
    return names;
}

void Music::setSoundMenus() {
    host_.setMenuSoundCaption(settings_.soundOn ? "Turn Sound E&ffects Off"
                                                : "Turn Sound E&ffects On");
    if (state_.musicOn) {
        host_.setMenuMusicCaption("Turn &Music Off");
        startMusic();
    } else {
        host_.setMenuMusicCaption("Turn &Music On");
        // A paused song stays paused.
        if (midi_.Mode() == MidiControl::kModePlaying) {
            midi_.setNotify(false);
            midi_.Command(MidiControl::kClose);
        }
    }
}

void Music::pickRandomMidi() {
    const auto files = lister_(programFolder_);
    if (files.empty()) {
        state_.randomMidi.clear();
        return;
    }
    // Walk round the listing from its first file, stopping at each step with chance 0.04.
    std::size_t at = 0;
    for (;;) {
        at = (at + 1) % files.size();
        const float r = static_cast<float>(random_.next());
        if (static_cast<double>(r) > 0.96)
            break;
    }
    state_.randomMidi = inProgramFolder(programFolder_, files[at]);
}

void Music::startMusic() {
    if (midi_.Mode() == MidiControl::kModePlaying)
        return;
    midi_.setWait(false);
    midi_.Command(MidiControl::kClose);
    host_.doEvents();
    midi_.setWait(false);
    switch (settings_.jukeMode) {
    case 0:
        midi_.setFileName(settings_.jukeFile);
        break;
    case 1:
        midi_.setFileName(state_.randomMidi);
        break;
    case 2:
        pickRandomMidi();
        midi_.setFileName(state_.randomMidi);
        break;
    default:
        break; // the last file stays
    }
    midi_.setDeviceType(MidiControl::kSequencer);
    midi_.setNotify(false);
    midi_.Command(MidiControl::kOpen);
    if (midi_.Error() != MidiControl::kErrorNone) {
        // Nothing to play: music stays "on" but silent until it is started again.
        midi_.Command(MidiControl::kClose);
        host_.doEvents();
        return;
    }
    midi_.setNotify(true);
    midi_.Command(MidiControl::kPlay);
    if (midi_.Error() != MidiControl::kErrorNone) {
        midi_.Command(MidiControl::kClose);
        host_.doEvents();
    }
}

void Music::MidiCtrl_Done(int notifyCode) {
    // Only a song that played to its end is followed by the next; an interrupted,
    // replaced or failed one is not.
    if (notifyCode == MidiControl::kNotifySuccessful && state_.musicOn)
        startMusic();
}

void Music::MenuMusic_Click() {
    state_.musicOn = !state_.musicOn;
    setSoundMenus();
}

void Music::MenuSound_Click() {
    settings_.soundOn = !settings_.soundOn;
    effects_.playsfx(sfx::kSoundOn);
    setSoundMenus();
}

void Music::MenuJukebox_Click() {
    host_.showJukebox();
    // The new choice starts at once, even with music off; then it plays once and stops.
    midi_.setWait(false);
    midi_.Command(MidiControl::kClose);
    host_.doEvents();
    startMusic();
}

void Music::Form_Resize(bool minimized) {
    if (!state_.musicOn)
        return;
    if (minimized) {
        if (midi_.Mode() != MidiControl::kModePaused)
            midi_.Command(MidiControl::kPause);
    } else if (midi_.Mode() != MidiControl::kModePlaying) {
        midi_.Command(MidiControl::kPlay);
    }
}

void Music::closeAtExit() {
    midi_.setNotify(false);
    midi_.Command(MidiControl::kClose);
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundEffects.h"

#include "files/SoundListFile.h"
#include "model/SoundNumbers.h"

#include <filesystem>

namespace tessary {

std::string inProgramFolder(const std::string& programFolder, const std::string& name) {
    const std::filesystem::path path(name);
    if (name.empty() || programFolder.empty() || path.is_absolute())
        return name;
    return (std::filesystem::path(programFolder) / path).string();
}

void SoundEffects::playsfx(int n) {
    if (!settings_.soundOn)
        return;
    if (n < 0 || n >= AudioState::kEffects)
        return; // no such effect: nothing to play
    const std::string& file = state_.sfxFile[n];
    switch (service_.play(inProgramFolder(programFolder_, file))) {
    case SoundService::Outcome::Started:
        break;
    case SoundService::Outcome::Failed:
        // Silently: the menu caption catches up at its next refresh.
        settings_.soundOn = false;
        break;
    case SoundService::Outcome::Error:
        host_.showMessage("error: playsfx " + file + " " + std::to_string(n));
        settings_.soundOn = false;
        break;
    }
}

void SoundEffects::getMedia() {
    const auto list = readSoundList(
        std::filesystem::path(programFolder_.empty() ? "." : programFolder_) / kSoundListFileName);
    if (!list) {
        host_.showMessage("error: getMedia " + std::string(kSoundListFileName));
        settings_.soundOn = false;
        return;
    }
    for (int i = 0; i < list->count; ++i)
        state_.sfxFile[i] = list->names[i];
    // A list that ends early announces itself with effect 5 (silent when it names nothing).
    if (!list->complete())
        playsfx(sfx::kSoundOn);
}

} // namespace tessary

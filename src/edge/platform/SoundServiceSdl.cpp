// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundServiceSdl.h"

#include <SDL_mixer.h>

namespace tessary {

namespace {
constexpr int kEffectChannel = 0;
}

SoundServiceSdl::~SoundServiceSdl() {
    stop();
}

void SoundServiceSdl::stop() {
    if (!sounding_)
        return;
    Mix_HaltChannel(kEffectChannel);
    Mix_FreeChunk(sounding_);
    sounding_ = nullptr;
}

SoundService::Outcome SoundServiceSdl::play(const std::string& file) {
    if (file.empty()) {
        // No name: only silence the effect that is sounding.
        stop();
        return Outcome::Started;
    }
    if (!device_.ensureOpen())
        return Outcome::Error;
    stop();
    // Loaded afresh every time, so a file removed while the game runs is noticed.
    sounding_ = Mix_LoadWAV(file.c_str());
    if (!sounding_)
        return Outcome::Failed;
    if (Mix_PlayChannel(kEffectChannel, sounding_, 0) < 0) {
        stop();
        return Outcome::Failed;
    }
    return Outcome::Started;
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace tessary {

SoundDevice::~SoundDevice() {
    if (!open_)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundDevice::ensureOpen() {
    if (open_)
        return true;
    // Ctrl+C and the other signals stay with the game, not with SDL.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        lastError_ = SDL_GetError();
        return false;
    }
    // MIDI support is loaded here; a missing synthesizer only makes songs fail to open.
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
        lastError_ = Mix_GetError();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    open_ = true;
    lastError_.clear();
    return true;
}

} // namespace tessary

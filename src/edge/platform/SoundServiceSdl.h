// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundDevice.h"
#include "ports/SoundService.h"

struct Mix_Chunk;

namespace tessary {

// Sound effects through SDL_mixer: every effect plays on one channel, so a new one cuts off
// the one before.
class SoundServiceSdl final : public SoundService {
  public:
    explicit SoundServiceSdl(SoundDevice& device) : device_(device) {}
    ~SoundServiceSdl() override;
    SoundServiceSdl(const SoundServiceSdl&) = delete;
    SoundServiceSdl& operator=(const SoundServiceSdl&) = delete;

    Outcome play(const std::string& file) override;

  private:
    void stop();

    SoundDevice& device_;
    Mix_Chunk* sounding_ = nullptr; // kept until the next effect replaces it
};

} // namespace tessary

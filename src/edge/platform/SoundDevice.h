// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tessary {

// The one connection to the sound system, shared by the sound effects and the music. It is
// opened on first use and stays open; when the system cannot be reached, every later use
// tries again, so sound can come back once a device appears.
//
// Create it before the players that use it and destroy it after them.
class SoundDevice {
  public:
    SoundDevice() = default;
    ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // Opens the device if it is not open yet; false when the sound system cannot be reached.
    bool ensureOpen();
    bool isOpen() const { return open_; }

    // Why the last attempt to open failed.
    const std::string& lastError() const { return lastError_; }

    static constexpr int kRate = 44100;
    static constexpr int kBufferFrames = 1024; // about 23 ms: effects start without delay

  private:
    bool open_ = false;
    std::string lastError_;
};

} // namespace tessary

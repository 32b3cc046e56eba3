// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tessary {

// Plays short wave files in the background, one at a time.
class SoundService {
  public:
    enum class Outcome {
        Started, // the sound is playing (or, for an empty name, the sounding one was stopped)
        Failed,  // the file is missing or cannot be played as a wave file
        Error,   // the sound system itself cannot be reached
    };

    virtual ~SoundService() = default;

    // Starts the file and returns at once. A new sound cuts off the one sounding; an empty
    // name only stops the one sounding. A name without a folder is looked up in the current
    // directory.
    virtual Outcome play(const std::string& file) = 0;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// The sound list "tesssnd.dat" in the program's folder names the wave file of each sound
// effect 0..15: one name per line, or several on a line separated by commas; a name may be in
// double quotes (and then hold commas); leading spaces are ignored.
inline constexpr std::string_view kSoundListFileName = "tesssnd.dat";
inline constexpr int kSoundListSize = 16;

struct SoundList {
    std::array<std::string, kSoundListSize> names; // effect n's file; "" when not named
    int count = 0; // names read; fewer than 16 when the file ended early

    bool complete() const { return count == kSoundListSize; }
};

// The names in the list's text. A short list keeps the names it has in order (entries
// 0..count-1) and leaves the rest empty; the caller then plays effect 5, which names nothing
// in a list shorter than 6.
SoundList parseSoundList(std::string_view fileBytes);

// Reads the list file. nullopt when it is missing or cannot be read: the caller then shows
// "error: getMedia " followed by the list's name and turns sound effects off.
std::optional<SoundList> readSoundList(const std::filesystem::path& file);

} // namespace tessary

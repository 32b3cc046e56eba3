// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tessary::tools {

// The background tunes: old public-domain melodies, arranged and written out by the team.
struct Tune {
    std::string file;
    void (*write)(const std::string& path);
};

const std::vector<Tune>& tunes();

// A short test song of a few notes, for measuring how quickly one song follows another.
void writeShortSong(const std::string& path);

} // namespace tessary::tools

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tessary::tools {

// The game's sound effects: file name (in the sounds folder) and how it is made.
struct Effect {
    std::string file;
    void (*make)(const std::string& path);
};

const std::vector<Effect>& effects();

// The wave file for each effect number 0..15, as listed in the sound list.
const std::vector<std::string>& effectFilesByNumber();

} // namespace tessary::tools

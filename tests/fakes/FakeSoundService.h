// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/SoundService.h"

#include <map>
#include <string>
#include <vector>

namespace tessary::testing {

// Records every file it is asked to play; files listed in `outcomes` answer as scripted, all
// others start.
class FakeSoundService : public SoundService {
  public:
    std::vector<std::string> played;
    std::map<std::string, Outcome> outcomes;

    Outcome play(const std::string& file) override {
        played.push_back(file);
        const auto it = outcomes.find(file);
        return it == outcomes.end() ? Outcome::Started : it->second;
    }
};

} // namespace tessary::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Settings.h"
#include "ports/HofEntryHost.h"
#include "ports/PuzzleResults.h"
#include "score/HallOfFame.h"

#include <filesystem>

namespace tessary {

// A solved puzzle's way into the Hall of Fame: its place, room made for it, the name entry,
// the entry filled in, the online submission for a top-5 place, the list shown and written.
class HofEntryFlow : public PuzzleResults {
  public:
    static constexpr int kOnlinePlaces = 5;

    HofEntryFlow(HallOfFame& list, Settings& settings, HofEntryHost& host,
                 std::filesystem::path dataFolder)
        : list_(list), settings_(settings), host_(host), dataFolder_(std::move(dataFolder)) {}

    void enterHof(int32_t netScore, const std::string& title, int pieces) override;

  private:
    HallOfFame& list_;
    Settings& settings_; // the player's name and e-mail, as typed in the name entry
    HofEntryHost& host_;
    std::filesystem::path dataFolder_;
};

} // namespace tessary

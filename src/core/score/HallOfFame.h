// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "score/HofEntry.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessary {

// The game code: it names the Hall of Fame file and the online list.
inline constexpr std::string_view kGameCode = "tess";
inline constexpr int kHofPlaces = 30;

// The local Hall of Fame: the 30 best results, best first.
//
// A new result goes in as enterHof does it:
//   const int rank = list.findRank(netScore);       // 0: not good enough, stop
//   list.makeRoom(rank);                            // before the name entry
//   ... NameEntry for place rank ...
//   list.fillEntry(rank, makeHofEntry(...));        // after it, counting the entry
// or insertAt(rank, entry) for the last two at once.
struct HallOfFame {
    std::array<HofEntry, kHofPlaces + 1> hof{}; // places 1..30; 0 is never used
    int16_t hofCount = 0;                       // entries in the list, 0..30

    // The place a score earns: the first of all 30 slots holding a lower score, so a result
    // ranks after every earlier result with the same score. 0 when it beats none of them.
    // The score is first clamped into the 16-bit field it will be stored in.
    int findRank(int32_t score) const;

    // Moves the entries from rank down by one place; the 30th falls off the list.
    void makeRoom(int rank);

    // Puts the entry at rank and counts it while the list has fewer than 30.
    // False, changing nothing, for a rank outside 1..30.
    bool fillEntry(int rank, const HofEntry& entry);

    // makeRoom, then fillEntry.
    bool insertAt(int rank, const HofEntry& entry);

    // Clearing from the Hall of Fame window: no entries, every score 0; the other fields stay.
    void clearList();
};

} // namespace tessary

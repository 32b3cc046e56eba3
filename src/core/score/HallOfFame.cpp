// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/HallOfFame.h"

namespace tessary {

namespace {
bool validRank(int rank) {
    return rank >= 1 && rank <= kHofPlaces;
}
} // namespace

int HallOfFame::findRank(int32_t score) const {
    const int16_t stored = clampToInt16(score);
    for (int i = 1; i <= kHofPlaces; ++i)
        if (hof[i].score < stored)
            return i;
    return 0;
}

void HallOfFame::makeRoom(int rank) {
    if (!validRank(rank))
        return;
    for (int k = kHofPlaces; k > rank; --k)
        hof[k] = hof[k - 1];
}

bool HallOfFame::fillEntry(int rank, const HofEntry& entry) {
    if (!validRank(rank))
        return false;
    hof[rank] = entry;
    if (hofCount < kHofPlaces)
        ++hofCount;
    return true;
}

bool HallOfFame::insertAt(int rank, const HofEntry& entry) {
    if (!validRank(rank))
        return false;
    makeRoom(rank);
    return fillEntry(rank, entry);
}

void HallOfFame::clearList() {
    hofCount = 0;
    for (int i = 1; i <= kHofPlaces; ++i)
        hof[i].score = 0;
}

} // namespace tessary

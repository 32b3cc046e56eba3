// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/HofEntryFlow.h"

#include "score/HofEntry.h"
#include "score/HofFile.h"
#include "score/HofLinks.h"

namespace tessary {

void HofEntryFlow::enterHof(int32_t netScore, const std::string& title, int pieces) {
    const int rank = list_.findRank(netScore);
    if (rank == 0)
        return;
    list_.makeRoom(rank);
    const NameEntryAnswer answer = host_.askName(rank, settings_.playerName, settings_.playerEmail);
    // The name and e-mail typed are remembered for the next entry and the settings file.
    settings_.playerName = answer.name;
    settings_.playerEmail = answer.email;
    const HofEntry entry =
        makeHofEntry(netScore, title, pieces, settings_.playerName, host_.today());
    list_.fillEntry(rank, entry);
    if (answer.onlineEntry) {
        // The online list takes the score as the local one keeps it, within its 16 bits.
        if (rank <= kOnlinePlaces)
            host_.openLink(hofSubmitAddress(entry.score, entry.size, settings_.playerName,
                                            settings_.playerEmail));
        else
            host_.showMessage("Must be in top 5 of local HOF to be entered online");
    }
    host_.showHofWindow();
    // A list that cannot be written stays as it was on disk; the game goes on.
    putHOF(dataFolder_, list_);
}

} // namespace tessary

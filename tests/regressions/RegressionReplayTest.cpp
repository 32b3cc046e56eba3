// SPDX-License-Identifier: GPL-3.0-or-later
#include "regressions/ReaderChecks.h"
#include "regressions/Regressions.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessary::testing {
namespace {

// Every input the fuzzers ever tripped on, and the edge cases kept beside them, read again
// by the same reader and judged by the same promises.
TEST(Regressions, EveryKeptDataFileReplaysWithItsRecordedOutcome) {
    using Check = std::function<std::string(std::string_view)>;
    struct Target {
        std::string name;
        Check check;
        Check outcome; // empty for readers that refuse nothing
    };
    const std::vector<Target> targets = {
        {"saved_game", checks::checkSavedGame, checks::savedGameOutcome},
        {"settings", checks::checkSettings, {}},
        {"hof", checks::checkHof, checks::hofOutcome},
        {"sound_list", checks::checkSoundList, {}},
        {"picture_headers", checks::checkPictureHeaders, {}},
    };
    int replayed = 0;
    for (const Target& t : targets)
        for (const auto& file : regressionCases(t.name)) {
            SCOPED_TRACE(file.string());
            const std::string bytes = fileBytes(file);
            EXPECT_EQ(t.check(bytes), "");
            const std::string recorded = recordedOutcome(file);
            if (t.outcome && !recorded.empty()) {
                EXPECT_EQ(t.outcome(bytes), recorded);
            }
            ++replayed;
        }
    EXPECT_GT(replayed, 0) << "no regression cases found under " << TESSARY_REGRESSIONS_DIR;
}

} // namespace
} // namespace tessary::testing

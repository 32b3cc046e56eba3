// SPDX-License-Identifier: GPL-3.0-or-later
#include "regressions/PictureChecks.h"
#include "regressions/Regressions.h"

#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

// Picture files the picture fuzzer tripped on, loaded again as a board's layout loads them.
TEST(Regressions, EveryKeptPictureReplaysWithItsRecordedOutcome) {
    const auto files = regressionCases("picture");
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        const QString path = QString::fromStdString(file.string());
        EXPECT_EQ(checks::checkPicture(path), "");
        if (const std::string recorded = recordedOutcome(file); !recorded.empty()) {
            EXPECT_EQ(checks::pictureOutcome(path), recorded);
        }
    }
    EXPECT_FALSE(files.empty()) << "no picture cases found under " << TESSARY_REGRESSIONS_DIR;
}

} // namespace
} // namespace tessary::testing

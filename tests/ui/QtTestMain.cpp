// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/GameApplication.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// Window tests share one application object, the game's own, so a handler that fails is
// skipped as in the game; on the offscreen platform unless the test run names another (the
// browser test runs on a real X server).
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    tessary::GameApplication app(argc, argv);
    // Thumbnails made by the tests go to a cache of their own, never the player's.
    const QTemporaryDir thumbnailCache;
    qputenv("XDG_CACHE_HOME", thumbnailCache.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "widgets/GameApplication.h"

#include <gtest/gtest.h>

// Window tests share one application object, the game's own, so a handler that fails is
// skipped as in the game; on the offscreen platform unless the test run names another (the
// browser test runs on a real X server).
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    tessary::GameApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

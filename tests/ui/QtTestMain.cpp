#include "shell/GameApplication.h"

#include <gtest/gtest.h>

// Window tests share one application object on the offscreen platform: the game's own, so a
// handler that fails is skipped as in the game.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    tessary::GameApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

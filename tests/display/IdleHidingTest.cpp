// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/IdleHiding.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tessary {
namespace {

TEST(IdleHiding, BoardHidesOnTheSecondTickAfterTheGameEnds) {
    const IdleIntervals own; // the game's own: 10 s from start-up, a minute, 10 ms
    EXPECT_EQ(std::tuple(own.startMs, own.playingMs, own.hiddenMs), std::tuple(10000, 60000, 10));
    IdleHiding idle(IdleIntervals{100, 600, 5}); // shorter, as the end-to-end tests have them
    IdleTick t = idle.Timer4_Timer(true, false);
    EXPECT_FALSE(t.hideBoard);
    EXPECT_EQ(t.interval, 600);
    EXPECT_EQ(idle.idleStage(), 3);

    t = idle.Timer4_Timer(false, false); // game solved since: stage 2
    EXPECT_FALSE(t.hideBoard);
    EXPECT_FALSE(t.interval.has_value());
    EXPECT_EQ(idle.idleStage(), 2);

    t = idle.Timer4_Timer(false, false); // a wait later: hidden, then quick ticks
    EXPECT_TRUE(t.hideBoard);
    EXPECT_EQ(t.interval, 5);
    EXPECT_EQ(idle.idleStage(), 0);
    // Nothing more can happen until the next game: the timer need not wake the process.
    EXPECT_TRUE(t.stop);

    t = idle.Timer4_Timer(false, false); // nothing more until the next game
    EXPECT_FALSE(t.hideBoard);
    EXPECT_FALSE(t.interval.has_value());
}

TEST(IdleHiding, GameSolvedBeforeAnyTickIsNeverHidden) {
    IdleHiding idle;
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(idle.Timer4_Timer(false, false).hideBoard);
    EXPECT_EQ(idle.idleStage(), 0);
}

TEST(IdleHiding, MinimisedWindowKeepsItsBoardUntilRestored) {
    IdleHiding idle;
    idle.Timer4_Timer(true, false);
    idle.Timer4_Timer(false, false);
    EXPECT_FALSE(idle.Timer4_Timer(false, true).hideBoard);
    EXPECT_EQ(idle.idleStage(), 2);
    EXPECT_FALSE(idle.Timer4_Timer(false, true).stop); // the board is still to be hidden
    EXPECT_TRUE(idle.Timer4_Timer(false, false).hideBoard);
}

} // namespace
} // namespace tessary

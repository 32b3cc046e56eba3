// SPDX-License-Identifier: GPL-3.0-or-later
#include "RateLimiter.h"

#include <gtest/gtest.h>

using namespace hof;
using namespace std::chrono_literals;

TEST(RateLimiter, TenAMinuteForEachClient) {
    RateLimiter limiter(10);
    const auto start = RateLimiter::Clock::time_point{} + 1h;
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(limiter.allow("10.0.0.1", start + i * 1s)) << i;
    EXPECT_FALSE(limiter.allow("10.0.0.1", start + 30s));
    // Another client is counted on its own.
    EXPECT_TRUE(limiter.allow("10.0.0.2", start + 30s));
    // A refused attempt does not lengthen the wait: a minute after the first, one more is free.
    EXPECT_FALSE(limiter.allow("10.0.0.1", start + 59s));
    EXPECT_TRUE(limiter.allow("10.0.0.1", start + 60s));
    EXPECT_FALSE(limiter.allow("10.0.0.1", start + 60s));
}

TEST(RateLimiter, ZeroMeansNoLimit) {
    RateLimiter limiter(0);
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(limiter.allow("10.0.0.1", RateLimiter::Clock::now()));
}

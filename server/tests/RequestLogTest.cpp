// SPDX-License-Identifier: GPL-3.0-or-later
#include "RequestLog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using namespace hof;

namespace {

// What a log wrote, line by line.
class LogTest : public ::testing::Test {
  protected:
    ~LogTest() override {
        std::fclose(out_);
        std::free(text_);
    }
    std::string written() {
        std::fflush(out_);
        return std::string(text_, size_);
    }
    char* text_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* out_ = open_memstream(&text_, &size_);
    const RequestLog::Clock::time_point noon_ =
        RequestLog::Clock::from_time_t(1796731200); // 2026-12-08 12:00:00 UTC
};

} // namespace

TEST_F(LogTest, ARequestIsOneTimestampedLineWithEveryValueEscaped) {
    RequestLog log(out_);
    log.request("127.0.0.1", "GET", "/a\n2026-12-08T12:00:00Z 10.0.0.1 GET /forged 200 %0A", 404,
                noon_);
    log.request("", "", "", 400, noon_);
    EXPECT_EQ(written(), "2026-12-08T12:00:00Z 127.0.0.1 GET "
                         "/a%0A2026-12-08T12:00:00Z%2010.0.0.1%20GET%20/forged%20200%20%250A 404\n"
                         "2026-12-08T12:00:00Z - - - 400\n");
}

TEST_F(LogTest, ErrorsAreCountedPastTheLimitOfAMinute) {
    RequestLog log(out_, 2);
    for (int i = 0; i < 5; ++i)
        log.error("down\nagain", noon_ + std::chrono::seconds(i));
    log.error("back", noon_ + std::chrono::seconds(61));
    EXPECT_EQ(written(), "2026-12-08T12:00:00Z error: down%0Aagain\n"
                         "2026-12-08T12:00:01Z error: down%0Aagain\n"
                         "2026-12-08T12:01:01Z error: 3 more errors in the last minute\n"
                         "2026-12-08T12:01:01Z error: back\n");
}

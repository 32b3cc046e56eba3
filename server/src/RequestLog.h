// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

namespace hof {

// The server's log: one line per request with the time, the client's address, the method, the
// path and the status, and the errors, at most so many a minute. Every value is escaped, so
// nothing a client sends can start a line of its own.
class RequestLog {
  public:
    using Clock = std::chrono::system_clock;

    explicit RequestLog(std::FILE* out, int errorsPerMinute = 10)
        : out_(out), errorsPerMinute_(errorsPerMinute) {}

    void request(std::string_view client, std::string_view method, std::string_view path,
                 int status, Clock::time_point now = Clock::now());
    void error(std::string_view what, Clock::time_point now = Clock::now());

    // Bytes outside printable ASCII, "%" and (unless kept) spaces as %XX; "-" for nothing.
    static std::string escape(std::string_view value, bool keepSpaces = false);

  private:
    void line(const std::string& text, Clock::time_point now);

    std::mutex mutex_;
    std::FILE* out_;
    int errorsPerMinute_;
    Clock::time_point errorWindow_{};
    int errorsInWindow_ = 0;
    int errorsUnshown_ = 0;
};

} // namespace hof

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

namespace hof {

// Counts each client's submissions over the last minute and refuses those beyond the limit.
class RateLimiter {
  public:
    using Clock = std::chrono::steady_clock;

    // perMinute 0: no limit.
    explicit RateLimiter(int perMinute) : perMinute_(perMinute) {}

    // True when the client may submit now; the attempt counts either way it is allowed.
    bool allow(const std::string& client, Clock::time_point now);

  private:
    void forgetIdleClients(Clock::time_point now);

    std::mutex mutex_;
    int perMinute_;
    std::unordered_map<std::string, std::deque<Clock::time_point>> recent_;
};

} // namespace hof

// SPDX-License-Identifier: GPL-3.0-or-later
#include "RateLimiter.h"

namespace hof {

namespace {
constexpr auto kWindow = std::chrono::minutes(1);
// Past this many clients, those quiet for a minute are forgotten, so memory stays bounded.
constexpr std::size_t kClientsBeforeSweep = 10000;
} // namespace

bool RateLimiter::allow(const std::string& client, Clock::time_point now) {
    if (perMinute_ <= 0)
        return true;
    std::lock_guard lock(mutex_);
    if (recent_.size() >= kClientsBeforeSweep)
        forgetIdleClients(now);
    auto& times = recent_[client];
    while (!times.empty() && now - times.front() >= kWindow)
        times.pop_front();
    if (static_cast<int>(times.size()) >= perMinute_)
        return false;
    times.push_back(now);
    return true;
}

void RateLimiter::forgetIdleClients(Clock::time_point now) {
    std::erase_if(recent_, [&](const auto& client) {
        return client.second.empty() || now - client.second.back() >= kWindow;
    });
}

} // namespace hof

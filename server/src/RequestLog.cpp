// SPDX-License-Identifier: GPL-3.0-or-later
#include "RequestLog.h"

#include <ctime>

namespace hof {

std::string RequestLog::escape(std::string_view value, bool keepSpaces) {
    if (value.empty())
        return "-";
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte > 0x20 || (keepSpaces && byte == 0x20)) && byte < 0x7F && byte != '%') {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

void RequestLog::request(std::string_view client, std::string_view method, std::string_view path,
                         int status, Clock::time_point now) {
    std::lock_guard lock(mutex_);
    line(escape(client) + ' ' + escape(method) + ' ' + escape(path) + ' ' + std::to_string(status),
         now);
}

void RequestLog::error(std::string_view what, Clock::time_point now) {
    std::lock_guard lock(mutex_);
    // A database outage fails every request: a few lines a minute say so, a count the rest.
    if (now - errorWindow_ >= std::chrono::minutes(1)) {
        if (errorsUnshown_ > 0)
            line("error: " + std::to_string(errorsUnshown_) + " more errors in the last minute",
                 now);
        errorWindow_ = now;
        errorsInWindow_ = 0;
        errorsUnshown_ = 0;
    }
    if (errorsInWindow_ >= errorsPerMinute_) {
        ++errorsUnshown_;
        return;
    }
    ++errorsInWindow_;
    line("error: " + escape(what, true), now);
}

void RequestLog::line(const std::string& text, Clock::time_point now) {
    const std::time_t seconds = Clock::to_time_t(now);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof(stamp), "%Y-%m-%dT%H:%M:%SZ", &utc);
    std::fprintf(out_, "%s %s\n", stamp, text.c_str());
    std::fflush(out_);
}

} // namespace hof

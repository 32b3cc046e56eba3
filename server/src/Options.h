// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <optional>
#include <string>
#include <vector>

namespace hof {

struct Options {
    std::string host = "127.0.0.1";
    int port = 8080; // 0: any free port, printed at start
    std::string db = "hof.sqlite";
    int keep = kDefaultKeep;
    int perMinute = 10;
    bool init = false;        // make the database when it is missing
    std::string trustedProxy; // whose X-Forwarded-For is believed
    bool help = false;
};

// The command line, or an error message in `error`.
struct ParsedOptions {
    Options options;
    std::string error;
};
ParsedOptions parseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

} // namespace hof

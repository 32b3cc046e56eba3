// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include <arpa/inet.h>

#include <charconv>

namespace hof {

const char* const kUsage =
    R"(Usage: tessary-hof [options]
Serves Tessary's online Hall of Fame: the page the game's "Online HOF" button opens and the
address its "Website HOF entry" choice sends a result to.

  --listen HOST:PORT  address to listen on (default 127.0.0.1:8080; [::1]:8080 for IPv6;
                      port 0 picks a free port and prints it)
  --db PATH           SQLite database file (default hof.sqlite)
  --db postgresql://USER@HOST/DATABASE
                      a PostgreSQL database instead (any libpq connection URI)
  --init              make the database (the file, or the table in PostgreSQL) when it is
                      missing; without it a missing one is an error
  --keep N            best entries kept per game (default 1000)
  --rate N            entries accepted per client address and minute (default 10; 0: no limit)
  --trusted-proxy ADDRESS
                      the reverse proxy in front (e.g. 127.0.0.1): for its requests the last
                      address of X-Forwarded-For is the client's; from anyone else the
                      header is ignored
  --help              this text

Pages: /games/puzhof.asp?game=tess (the table, and new entries with &a=, &b=, &c=),
       /api/scores?game=tess&limit=N (the table as JSON),
       /healthz ("ok" while the database answers, else 503).
)";

namespace {

std::optional<int> number(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

} // namespace

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--init") {
            options.init = true;
            continue;
        }
        if (arg != "--listen" && arg != "--db" && arg != "--keep" && arg != "--rate" &&
            arg != "--trusted-proxy") {
            parsed.error = "unknown option " + arg;
            return parsed;
        }
        if (i + 1 == args.size()) {
            parsed.error = arg + " needs a value";
            return parsed;
        }
        const std::string& value = args[++i];
        if (arg == "--db") {
            if (value.empty()) {
                parsed.error = "--db needs a file or a postgresql:// address";
                return parsed;
            }
            options.db = value;
        } else if (arg == "--listen") {
            const auto colon = value.rfind(':');
            std::string host = colon == std::string::npos ? "" : value.substr(0, colon);
            if (host.size() > 2 && host.front() == '[' && host.back() == ']')
                host = host.substr(1, host.size() - 2);
            const auto port = colon == std::string::npos
                                  ? std::nullopt
                                  : number(value.substr(colon + 1), 0, 65535);
            if (host.empty() || !port) {
                parsed.error = "--listen needs HOST:PORT, e.g. 127.0.0.1:8080";
                return parsed;
            }
            options.host = host;
            options.port = *port;
        } else if (arg == "--trusted-proxy") {
            unsigned char address[16];
            if (inet_pton(AF_INET, value.c_str(), address) != 1 &&
                inet_pton(AF_INET6, value.c_str(), address) != 1) {
                parsed.error = "--trusted-proxy needs an IP address, e.g. 127.0.0.1";
                return parsed;
            }
            options.trustedProxy = value;
        } else if (arg == "--keep") {
            const auto keep = number(value, 1, 1000000);
            if (!keep) {
                parsed.error = "--keep needs a number from 1 to 1000000";
                return parsed;
            }
            options.keep = *keep;
        } else {
            const auto rate = number(value, 0, 1000000);
            if (!rate) {
                parsed.error = "--rate needs a number from 0 to 1000000";
                return parsed;
            }
            options.perMinute = *rate;
        }
    }
    return parsed;
}

} // namespace hof

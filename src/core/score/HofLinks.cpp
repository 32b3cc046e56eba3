// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/HofLinks.h"

#include "score/HallOfFame.h"

#include <cstdlib>

#ifndef TESSARY_HOF_SERVER
#define TESSARY_HOF_SERVER "https://www.morvane.com"
#endif

namespace tessary {

const char* const kHofServer = TESSARY_HOF_SERVER;

std::string hofServer() {
    const char* chosen = std::getenv("TESSARY_HOF_SERVER");
    std::string server = chosen && *chosen ? chosen : kHofServer;
    // "http://host:8080/" and "http://host:8080" name the same server.
    while (!server.empty() && server.back() == '/')
        server.pop_back();
    return server;
}

std::string hofBrowseAddress() {
    return hofServer() + std::string(kHofPage) + "?game=" + std::string(kGameCode);
}

std::string hofSubmitAddress(int32_t score, int32_t size, std::string_view playerName,
                             std::string_view playerEmail) {
    return hofBrowseAddress() + "&a=" + std::to_string(score) + "&b=" + percentEncode(playerName) +
           " size=" + std::to_string(size) + "&c=" + percentEncode(playerEmail);
}

std::string percentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
            b == '-' || b == '.' || b == '_' || b == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

// The online Hall of Fame server (scheme and host), chosen when the game is built: CMake's
// TESSARY_HOF_SERVER, the maker's web server unless changed.
extern const char* const kHofServer;
inline constexpr std::string_view kHofPage = "/games/puzhof.asp";

// The server in front of every online Hall of Fame address: the environment variable
// TESSARY_HOF_SERVER when set (a club's own server, or a test's), else kHofServer.
std::string hofServer();

// The online Hall of Fame page for this game.
std::string hofBrowseAddress();

// The address that submits a new entry. The name and e-mail go in percent-encoded, so any
// character the player types reaches the server as typed and cannot add or break a query key;
// the rest is the page's own form: "?game=tess&a=<score>&b=<name> size=<size>&c=<email>".
std::string hofSubmitAddress(int32_t score, int32_t size, std::string_view playerName,
                             std::string_view playerEmail);

// Every byte but letters, digits and "-._~" as %XX (upper-case hex).
std::string percentEncode(std::string_view text);

} // namespace tessary

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

// The maker's web server, in front of every online Hall of Fame address.
inline constexpr std::string_view kHofServer = "https://www.morvane.com";
inline constexpr std::string_view kHofPage = "/games/puzhof.asp";

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

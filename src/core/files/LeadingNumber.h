// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessary {

// The number at the start of a typed text, as the size boxes read it: blanks are ignored,
// reading stops at the first character that cannot continue a number, a text without a
// number reads as 0, and the value is rounded to a whole number with halves going to the
// even one ("7.5" gives 8, "6.5" gives 6, "12abc" gives 12). A value too large for a 16-bit
// count gives nothing.
std::optional<int16_t> leadingCount(std::string_view text);

} // namespace tessary

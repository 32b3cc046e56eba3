// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

// One Hall of Fame entry.
struct HofEntry {
    int16_t score = 0; // net score of the solved puzzle
    std::string tag;   // the puzzle's title, exactly 8 characters
    int16_t size = 0;  // pieces on the board
    std::string name;
    std::string date; // as text, in the desktop's short date format
    int16_t dif = 0;  // always 0 in this game

    friend bool operator==(const HofEntry&, const HofEntry&) = default;
};

// The entry's fields are 16-bit; a value outside -32768..32767 is stored as the nearest end.
int16_t clampToInt16(int64_t value);

// A text cut to its first 8 characters or padded on the right with spaces to 8.
std::string cutOrPadTag(std::string_view text);

// A title as a tag: outer spaces trimmed, then cut or padded to 8 characters.
std::string fitTag(std::string_view title);

// The entry for a solved puzzle, as enterHof fills it.
HofEntry makeHofEntry(int32_t score, std::string_view title, int32_t size, std::string_view name,
                      std::string_view date, int32_t dif = 0);

} // namespace tessary

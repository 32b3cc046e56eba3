// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/HofEntry.h"

#include "files/TextEncoding.h"

#include <algorithm>
#include <limits>

namespace tessary {

int16_t clampToInt16(int64_t value) {
    return static_cast<int16_t>(std::clamp<int64_t>(value, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

std::string cutOrPadTag(std::string_view text) {
    constexpr std::size_t kTagLength = 8;
    std::string tag(utf8Left(toValidUtf8(text), kTagLength));
    tag.append(kTagLength - utf8Length(tag), ' ');
    return tag;
}

std::string fitTag(std::string_view title) {
    const auto first = title.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return cutOrPadTag("");
    const auto last = title.find_last_not_of(' ');
    return cutOrPadTag(title.substr(first, last - first + 1));
}

HofEntry makeHofEntry(int32_t score, std::string_view title, int32_t size, std::string_view name,
                      std::string_view date, int32_t dif) {
    return HofEntry{clampToInt16(score), fitTag(title),     clampToInt16(size),
                    std::string(name),   std::string(date), clampToInt16(dif)};
}

} // namespace tessary

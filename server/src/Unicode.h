// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hof {

// The code points of valid UTF-8 (no overlong forms, no surrogates); nothing when not valid.
std::optional<std::u32string> decodeUtf8(std::string_view text);

// The text with every letter and accent that have a form of their own joined into it (NFC), so
// "e" followed by a combining diaeresis and the one letter "\u00eb" read the same; nothing when
// not valid UTF-8.
std::optional<std::string> composed(std::string_view text);

// Characters that take no room on the page: zero-width spaces and joiners, the word joiner and
// its kin, the byte order mark, the soft hyphen.
bool isInvisible(char32_t code);
// Characters that turn the order of the text around them, so "12345" can show as "54321".
bool isBidiControl(char32_t code);
// Spaces of every kind, the no-break ones too.
bool isSpace(char32_t code);
// Marks that are drawn on the letter before them (accents and the like).
bool isCombiningMark(char32_t code);

} // namespace hof

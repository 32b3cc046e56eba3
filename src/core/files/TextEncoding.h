// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessary {

// Text in memory is UTF-8. Data files are written as UTF-8; files made by earlier Windows
// versions of the game are in the Windows-1252 code page and are converted when read.

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined map to the
// control characters of the same number, as Windows itself maps them.
std::string windows1252ToUtf8(std::string_view bytes);

// The text of a data file: leading UTF-8 byte-order marks are dropped; a file that is not
// valid UTF-8 is taken as Windows-1252.
std::string decodeFileText(std::string_view bytes);

// The bytes as valid UTF-8: every byte that does not belong to a well-formed sequence becomes
// U+FFFD, so a file we write always reads back as UTF-8.
std::string toValidUtf8(std::string_view bytes);

// Length in characters (code points) of valid UTF-8 text.
std::size_t utf8Length(std::string_view text);

// The first n characters of valid UTF-8 text (all of it when shorter).
std::string_view utf8Left(std::string_view text, std::size_t n);

// The last n characters of valid UTF-8 text (all of it when shorter).
std::string_view utf8Right(std::string_view text, std::size_t n);

} // namespace tessary

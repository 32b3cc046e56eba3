// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/TextEncoding.h"

#include <array>
#include <cstdint>

namespace tessary {

namespace {

// Length of the well-formed UTF-8 sequence at the start of s, or 0 when it is not one.
std::size_t sequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(0);
    if (b0 < 0x80)
        return 1;
    std::size_t n;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        if (b0 == 0xE0)
            lo = 0xA0; // overlong
        if (b0 == 0xED)
            hi = 0x9F; // surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        if (b0 == 0xF0)
            lo = 0x90; // overlong
        if (b0 == 0xF4)
            hi = 0x8F; // past U+10FFFF
    } else {
        return 0;
    }
    if (s.size() < n || byte(1) < lo || byte(1) > hi)
        return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return n;
}

void appendCodePoint(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Bytes 0x80..0x9F of Windows-1252; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t n = sequenceLength(bytes);
        if (n == 0)
            return false;
        bytes.remove_prefix(n);
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F)
            appendCodePoint(out, kHighControls[b - 0x80]);
        else
            appendCodePoint(out, b);
    }
    return out;
}

std::string decodeFileText(std::string_view bytes) {
    // Every leading mark goes: one left in the first line's text would be written back at
    // the file's start and taken for a mark on the next read, changing the text each time.
    while (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return windows1252ToUtf8(bytes);
}

std::string toValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t n = sequenceLength(bytes);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            bytes.remove_prefix(1);
        } else {
            out.append(bytes.substr(0, n));
            bytes.remove_prefix(n);
        }
    }
    return out;
}

std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if (!isContinuation(c))
            ++n;
    return n;
}

std::string_view utf8Left(std::string_view text, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuation(text[i])) {
            if (count == n)
                return text.substr(0, i);
            ++count;
        }
    }
    return text;
}

std::string_view utf8Right(std::string_view text, std::size_t n) {
    const std::size_t length = utf8Length(text);
    if (length <= n)
        return text;
    std::size_t skip = length - n;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuation(text[i])) {
            if (skip == 0)
                return text.substr(i);
            --skip;
        }
    }
    return {};
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unicode.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <stdexcept>

namespace hof {

std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string codes;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points past Unicode are not text.
        static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return std::nullopt;
        codes += code;
        i += length;
    }
    return codes;
}

std::optional<std::string> composed(std::string_view text) {
    // ICU would quietly turn broken bytes into U+FFFD; they stay refused instead.
    if (!decodeUtf8(text))
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("Unicode data not available: ") + u_errorName(status));
    const icu::UnicodeString normalised =
        nfc->normalize(icu::UnicodeString::fromUTF8(
                           icu::StringPiece(text.data(), static_cast<int32_t>(text.size()))),
                       status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("Unicode normalisation failed: ") +
                                 u_errorName(status));
    std::string out;
    normalised.toUTF8String(out);
    return out;
}

bool isInvisible(char32_t code) {
    return code == 0x00AD || code == 0x180E || (code >= 0x200B && code <= 0x200D) ||
           (code >= 0x2060 && code <= 0x2064) || code == 0xFEFF;
}

bool isBidiControl(char32_t code) {
    return code == 0x061C || code == 0x200E || code == 0x200F ||
           (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

bool isSpace(char32_t code) {
    return code == 0x20 || code == 0xA0 || code == 0x1680 || (code >= 0x2000 && code <= 0x200A) ||
           code == 0x2028 || code == 0x2029 || code == 0x202F || code == 0x205F || code == 0x3000;
}

bool isCombiningMark(char32_t code) {
    return (code >= 0x0300 && code <= 0x036F) || (code >= 0x1AB0 && code <= 0x1AFF) ||
           (code >= 0x1DC0 && code <= 0x1DFF) || (code >= 0x20D0 && code <= 0x20FF) ||
           (code >= 0xFE20 && code <= 0xFE2F);
}

} // namespace hof

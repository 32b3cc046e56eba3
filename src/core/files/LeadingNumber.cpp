// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/LeadingNumber.h"

#include <cctype>
#include <cmath>
#include <string>

namespace tessary {

std::optional<int16_t> leadingCount(std::string_view text) {
    // Gather the characters that make up the number, skipping blanks anywhere in it.
    std::string number;
    bool digits = false, point = false, exponent = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        const bool isDigit = std::isdigit(static_cast<unsigned char>(c)) != 0;
        const char prev = number.empty() ? '\0' : number.back();
        if (isDigit) {
            digits = true;
        } else if ((c == '+' || c == '-') && (number.empty() || prev == 'e')) {
        } else if (c == '.' && !point && !exponent) {
            point = true;
        } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && digits && !exponent) {
            exponent = true;
            number += 'e';
            continue;
        } else {
            break;
        }
        number += c;
    }
    if (!digits)
        return int16_t{0};
    // An exponent with no digits adds nothing: "3e" and "3e-" read as 3.
    while (number.back() == 'e' || number.back() == '+' || number.back() == '-')
        number.pop_back();
    double value = 0;
    try {
        value = std::stod(number);
    } catch (...) {
        return std::nullopt; // far too large
    }
    const double rounded = std::nearbyint(value); // ties to even
    if (!std::isfinite(rounded) || rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

} // namespace tessary

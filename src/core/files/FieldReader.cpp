// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FieldReader.h"

#include "files/TextEncoding.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace tessary {

namespace {

// LF, CR LF, or a CR that is the last byte of a file cut inside its line end.
bool isLineEnd(std::string_view text, std::size_t i) {
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] == '\n'));
}

// A number too wide for its field reads as 0, like text.
template <typename Int> Int fitOrZero(int64_t n) {
    if (n < std::numeric_limits<Int>::min() || n > std::numeric_limits<Int>::max())
        return 0;
    return static_cast<Int>(n);
}

} // namespace

FieldReader::FieldReader(std::string_view fileBytes) : text_(decodeFileText(fileBytes)) {}

bool FieldReader::readLine(std::string& value) {
    if (atEnd()) {
        endReached_ = true;
        return false;
    }
    const std::size_t start = pos_;
    std::size_t lf = text_.find('\n', start);
    if (lf == std::string::npos)
        lf = text_.size();
    pos_ = lf + 1;
    std::size_t end = lf;
    if (end > start && text_[end - 1] == '\r')
        --end;
    value.assign(text_, start, end - start);
    return true;
}

void FieldReader::skipSpaces() {
    while (pos_ < text_.size() && text_[pos_] == ' ')
        ++pos_;
}

// One comma or one line end, if that is what comes next.
void FieldReader::takeSeparator() {
    if (atEnd())
        return;
    if (text_[pos_] == ',' || text_[pos_] == '\n')
        ++pos_;
    else if (isLineEnd(text_, pos_))
        pos_ += 2;
}

// Everything up to and including the next comma or line end.
void FieldReader::skipPastSeparator() {
    while (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_, pos_))
        ++pos_;
    takeSeparator();
}

std::optional<std::string_view> FieldReader::nextField(bool numberField) {
    skipSpaces();
    if (atEnd()) {
        endReached_ = true;
        return std::nullopt;
    }
    const std::string_view text(text_);
    if (text[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        std::size_t end = start;
        while (end < text.size() && text[end] != '"' && !isLineEnd(text, end))
            ++end;
        const std::string_view field = text.substr(start, end - start);
        if (end < text.size() && text[end] == '"') {
            pos_ = end + 1;
            skipPastSeparator();
        } else {
            // A quote never closed on its line ends with the line.
            pos_ = end;
            takeSeparator();
        }
        return field;
    }
    const std::size_t start = pos_;
    while (pos_ < text.size() && text[pos_] != ',' && !isLineEnd(text, pos_) &&
           !(numberField && text[pos_] == ' '))
        ++pos_;
    std::string_view field = text.substr(start, pos_ - start);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    skipSpaces();
    takeSeparator();
    return field;
}

std::optional<double> parseDecimal(std::string_view field) {
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    bool negative = false;
    if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; a number starts with a digit or a point.
    if (field.empty() ||
        !(std::isdigit(static_cast<unsigned char>(field.front())) || field.front() == '.'))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return negative ? -value : value;
}

// The next field as a whole number, 0 when it is empty or not a number; nullopt at the end of
// the file.
std::optional<int64_t> FieldReader::nextNumber() {
    const auto field = nextField(true);
    if (!field)
        return std::nullopt;
    const auto value = parseDecimal(*field);
    constexpr double kLimit = 9.0e15; // far past every field's range, still exact in a double
    if (!value || !(std::fabs(*value) < kLimit))
        return 0;
    return static_cast<int64_t>(std::nearbyint(*value)); // ties to even
}

bool FieldReader::readField(std::string& value) {
    const auto field = nextField(false);
    if (!field)
        return false;
    value.assign(*field);
    return true;
}

bool FieldReader::readField(int16_t& value) {
    const auto n = nextNumber();
    if (!n)
        return false;
    value = fitOrZero<int16_t>(*n);
    return true;
}

bool FieldReader::readField(int32_t& value) {
    const auto n = nextNumber();
    if (!n)
        return false;
    value = fitOrZero<int32_t>(*n);
    return true;
}

bool FieldReader::readField(bool& value) {
    const auto n = nextNumber();
    if (!n)
        return false;
    value = fitOrZero<int32_t>(*n) != 0;
    return true;
}

} // namespace tessary

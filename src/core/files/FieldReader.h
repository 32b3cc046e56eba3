// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// Reads a data file back field by field, with the rules every Tessary data file shares.
//
// Lines end with CR LF or LF alone. A line read takes the whole line, spaces included. A field
// read skips leading spaces; a field that begins with a double quote runs to the next double
// quote (the quotes dropped, and anything after the closing quote up to the next comma or line
// end is skipped); any other field runs to the next comma or line end, a number field also to
// a space. After the field the reader skips spaces and takes one comma or one line end. An
// empty field gives 0 or ""; a field that is not a number, or does not fit, gives 0 when read
// into a number.
//
// Every read at the end of the file fails: it returns false, leaves the variable as it was,
// and endReached() tells the caller afterwards that the file ran out.
class FieldReader {
  public:
    // The bytes of a whole file: UTF-8, or Windows-1252 when they are not valid UTF-8.
    explicit FieldReader(std::string_view fileBytes);

    bool readLine(std::string& value);
    bool readField(std::string& value);
    bool readField(int16_t& value);
    bool readField(int32_t& value);
    bool readField(bool& value); // any nonzero number is true

    // Nothing left to read.
    bool atEnd() const { return pos_ >= text_.size(); }

    // Some read so far failed because the file had ended.
    bool endReached() const { return endReached_; }

  private:
    std::optional<std::string_view> nextField(bool numberField);
    std::optional<int64_t> nextNumber();
    void skipSpaces();
    void takeSeparator();
    void skipPastSeparator();

    std::string text_;
    std::size_t pos_ = 0;
    bool endReached_ = false;
};

// The value of a number field: the usual decimal syntax (sign, digits, fraction, exponent),
// rounded to the nearest whole number with ties to even. nullopt when it is not a number.
std::optional<double> parseDecimal(std::string_view field);

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tessary {

// Builds the text of a data file field by field, in the form every Tessary data file shares:
// lines ended by CR LF, text lines unquoted, numbers as " 8 " or "-35 " (several on one line
// run together), quoted text for names. The text is UTF-8; writeFileAtomically puts it on
// disk.
class FieldWriter {
  public:
    // The text as it is, then CR LF. Line breaks inside it become spaces, so a value can never
    // spill onto the next line and shift the rest of the file.
    void textLine(std::string_view text);

    // A number: a space (zero or more) or a minus sign, the digits, one space. No line end.
    void number(int32_t value);

    // CR LF.
    void endLine();

    // Several numbers on one line, then CR LF.
    void numberLine(std::initializer_list<int32_t> values);

    // A double quote, the text, a double quote, CR LF. A double quote cannot live inside a
    // quoted field, so one in the text is stored as a single quote.
    void quotedLine(std::string_view text);

    const std::string& text() const { return text_; }

  private:
    void appendClean(std::string_view text, char quoteReplacement);

    std::string text_;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FieldWriter.h"

#include "files/TextEncoding.h"

namespace tessary {

void FieldWriter::appendClean(std::string_view text, char quoteReplacement) {
    const std::string valid = toValidUtf8(text);
    for (char c : valid) {
        if (c == '\r' || c == '\n')
            c = ' ';
        else if (c == '"' && quoteReplacement != '\0')
            c = quoteReplacement;
        text_ += c;
    }
}

void FieldWriter::textLine(std::string_view text) {
    appendClean(text, '\0');
    endLine();
}

void FieldWriter::number(int32_t value) {
    if (value >= 0)
        text_ += ' ';
    text_ += std::to_string(value);
    text_ += ' ';
}

void FieldWriter::endLine() {
    text_ += "\r\n";
}

void FieldWriter::numberLine(std::initializer_list<int32_t> values) {
    for (const int32_t v : values)
        number(v);
    endLine();
}

void FieldWriter::quotedLine(std::string_view text) {
    text_ += '"';
    appendClean(text, '\'');
    text_ += '"';
    endLine();
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/HofTable.h"

#include "files/TextEncoding.h"

#include <algorithm>

namespace tessary {

namespace {
// The last width characters of padding spaces followed by the text.
std::string rightAligned(const std::string& text, std::size_t width, std::size_t padding) {
    return std::string(utf8Right(std::string(padding, ' ') + text, width));
}
} // namespace

std::string hofRow(int rank, const HofEntry& entry) {
    std::string row = rightAligned(std::to_string(rank), 3, 2);
    row += rightAligned(std::to_string(entry.score), 8, 8);
    // A size of zero or more gets a leading space first, as numbers shown as text do.
    // (Appended, not prefixed: GCC 12 at -O3 misreads "text" + temporary as an overlapping copy.)
    std::string size = entry.size >= 0 ? " " : "";
    size += std::to_string(entry.size);
    row += rightAligned(size, 4, 6);
    row += utf8Left("  " + toValidUtf8(entry.name) + std::string(19, ' '), 22);
    row += entry.date;
    return row;
}

std::string hofTableText(const HallOfFame& list) {
    std::string text(kHofHeader);
    const int count = std::clamp<int>(list.hofCount, 0, kHofPlaces);
    for (int i = 1; i <= count; ++i) {
        text += "\r\n";
        text += hofRow(i, list.hof[i]);
    }
    return text;
}

} // namespace tessary

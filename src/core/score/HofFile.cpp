// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/HofFile.h"

#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "files/FieldReader.h"
#include "files/FieldWriter.h"

#include <algorithm>
#include <system_error>

namespace tessary {

std::string hofFileName() {
    return std::string(kGameCode) + ".hof";
}

std::string hofText(const HallOfFame& list) {
    const int count = std::clamp<int>(list.hofCount, 0, kHofPlaces);
    FieldWriter w;
    w.numberLine({count});
    for (int i = 1; i <= count; ++i) {
        const HofEntry& e = list.hof[i];
        w.numberLine({e.score});
        w.numberLine({e.size});
        w.numberLine({e.dif});
        w.textLine(cutOrPadTag(e.tag));
        w.quotedLine(e.name);
        w.textLine(e.date);
    }
    return w.text();
}

std::optional<HallOfFame> parseHof(std::string_view fileBytes) {
    HallOfFame list;
    FieldReader in(fileBytes);
    int32_t count = 0;
    if (!in.readField(count) || count < 0 || count > kHofPlaces)
        return std::nullopt;
    for (int i = 1; i <= count; ++i) {
        HofEntry& e = list.hof[i];
        in.readField(e.score);
        in.readField(e.size);
        in.readField(e.dif);
        in.readLine(e.tag);
        e.tag = cutOrPadTag(e.tag);
        in.readField(e.name);
        in.readLine(e.date);
    }
    if (in.endReached())
        return std::nullopt;
    list.hofCount = static_cast<int16_t>(count);
    return list;
}

bool getHOF(const std::filesystem::path& folder, HallOfFame& list) {
    const auto bytes = readDataFile(findIgnoringCase(folder, hofFileName()));
    const auto loaded = bytes ? parseHof(*bytes) : std::nullopt;
    list = loaded.value_or(HallOfFame{});
    return loaded.has_value();
}

bool putHOF(const std::filesystem::path& folder, const HallOfFame& list) {
    return writeFileAtomically(folder / hofFileName(), hofText(list));
}

void deleteHofFile(const std::filesystem::path& folder) {
    std::error_code ec;
    // One file per spelling, as many as a folder copied from Windows may hold.
    for (auto found = findIgnoringCase(folder, hofFileName());
         std::filesystem::remove(found, ec) && !ec;
         found = findIgnoringCase(folder, hofFileName())) {
    }
}

} // namespace tessary

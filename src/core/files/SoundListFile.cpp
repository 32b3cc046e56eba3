// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SoundListFile.h"

#include "files/DataFile.h"
#include "files/FieldReader.h"

namespace tessary {

SoundList parseSoundList(std::string_view fileBytes) {
    SoundList list;
    FieldReader in(fileBytes);
    while (list.count < kSoundListSize && in.readField(list.names[list.count]))
        ++list.count;
    return list;
}

std::optional<SoundList> readSoundList(const std::filesystem::path& file) {
    auto found = file;
    if (file.has_filename())
        found = findIgnoringCase(file.parent_path(), file.filename().string());
    const auto bytes = readDataFile(found);
    if (!bytes)
        return std::nullopt;
    return parseSoundList(*bytes);
}

} // namespace tessary

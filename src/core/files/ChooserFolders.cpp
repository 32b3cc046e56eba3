// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ChooserFolders.h"

#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "files/FieldReader.h"
#include "files/FieldWriter.h"

#include <optional>

namespace tessary {

namespace {

// A line break would turn the folder into another one when read back: such a folder is
// left out rather than kept wrong.
std::string keepable(const std::string& folder) {
    return folder.find_first_of("\r\n") == std::string::npos ? folder : std::string();
}

} // namespace

ChooserFolders readChooserFolders(const std::filesystem::path& dataFolder) {
    const std::optional<std::string> text = readDataFile(dataFolder / kChooserFoldersFileName);
    if (!text)
        return {};
    FieldReader in(*text);
    ChooserFolders folders;
    in.readLine(folders.pictures);
    in.readLine(folders.savedGames);
    return folders;
}

bool writeChooserFolders(const std::filesystem::path& dataFolder, const ChooserFolders& folders) {
    FieldWriter out;
    out.textLine(keepable(folders.pictures));
    out.textLine(keepable(folders.savedGames));
    return writeFileAtomically(dataFolder / kChooserFoldersFileName, out.text());
}

} // namespace tessary

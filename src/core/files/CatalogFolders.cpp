// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/CatalogFolders.h"

#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "files/FieldReader.h"
#include "files/FieldWriter.h"

#include <optional>

namespace tessary {

std::vector<std::string> readCatalogFolders(const std::filesystem::path& dataFolder) {
    const std::optional<std::string> text = readDataFile(dataFolder / kCatalogFoldersFileName);
    std::vector<std::string> folders;
    if (!text)
        return folders;
    FieldReader in(*text);
    std::string folder;
    while (in.readLine(folder))
        if (!folder.empty())
            folders.push_back(folder);
    return folders;
}

bool writeCatalogFolders(const std::filesystem::path& dataFolder,
                         const std::vector<std::string>& folders) {
    FieldWriter out;
    // A line break would turn the folder into two others when read back.
    for (const std::string& folder : folders)
        if (folder.find_first_of("\r\n") == std::string::npos)
            out.textLine(folder);
    return writeFileAtomically(dataFolder / kCatalogFoldersFileName, out.text());
}

} // namespace tessary

#include "files/ChooserFolders.h"

#include "files/AtomicFile.h"
#include "files/DataFile.h"

#include <optional>

namespace tessary {

namespace {

std::string lineAt(const std::string& text, std::size_t& from) {
    if (from >= text.size())
        return {};
    const std::size_t end = std::min(text.find('\n', from), text.size());
    std::string line = text.substr(from, end - from);
    from = end + 1;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::string keepable(const std::string& folder) {
    return folder.find_first_of("\r\n") == std::string::npos ? folder : std::string();
}

} // namespace

ChooserFolders readChooserFolders(const std::filesystem::path& dataFolder) {
    const std::optional<std::string> text = readDataFile(dataFolder / kChooserFoldersFileName);
    if (!text)
        return {};
    std::size_t at = 0;
    ChooserFolders folders;
    folders.pictures = lineAt(*text, at);
    folders.savedGames = lineAt(*text, at);
    return folders;
}

bool writeChooserFolders(const std::filesystem::path& dataFolder, const ChooserFolders& folders) {
    const std::string text =
        keepable(folders.pictures) + "\r\n" + keepable(folders.savedGames) + "\r\n";
    return writeFileAtomically(dataFolder / kChooserFoldersFileName, text);
}

} // namespace tessary

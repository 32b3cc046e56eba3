// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DataFolderMove.h"

#include <algorithm>
#include <cerrno>
#include <fstream>

namespace tessary {

namespace {

// Copies `from` to the new file `to`, flushed to the disk; `to` is left only when whole.
bool copyWhole(const std::filesystem::path& from, const std::filesystem::path& to, FileOps& ops) {
    std::ifstream in(from, std::ios::binary);
    if (!in)
        return false;
    const int handle = ops.createNew(to); // never over a file that is there
    if (handle < 0)
        return false;
    bool ok = true;
    char buffer[64 * 1024];
    while (ok && in) {
        in.read(buffer, sizeof buffer);
        for (std::streamsize done = 0; ok && done < in.gcount();) {
            const std::ptrdiff_t n =
                ops.write(handle, buffer + done, std::size_t(in.gcount() - done));
            ok = n > 0;
            done += ok ? n : 0;
        }
    }
    ok = ok && in.eof() && ops.sync(handle);
    ok = ops.close(handle) && ok;
    if (!ok)
        ops.remove(to);
    return ok;
}

bool moveOne(const std::filesystem::path& from, const std::filesystem::path& to, FileOps& ops) {
    if (ops.rename(from, to))
        return true;
    if (errno != EXDEV || !copyWhole(from, to, ops))
        return false;
    ops.remove(from);
    return true;
}

} // namespace

DataFolderMove moveDataFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                              const std::vector<std::string>& dropped, FileOps& ops) {
    DataFolderMove result;
    std::error_code ec;
    if (!std::filesystem::is_directory(from, ec))
        return result;
    std::vector<std::filesystem::path> entries;
    for (const auto& entry : std::filesystem::directory_iterator(from, ec))
        entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    for (const auto& path : entries) {
        const std::string name = path.filename().string();
        if (std::find(dropped.begin(), dropped.end(), name) != dropped.end()) {
            ops.remove(path);
            continue;
        }
        const auto target = to / name;
        // The symlink's own status: a link in the new folder, even a dangling one, is taken.
        const bool taken = std::filesystem::exists(std::filesystem::symlink_status(target, ec));
        if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec)) || taken ||
            !moveOne(path, target, ops)) {
            result.leftBehind.push_back(name);
            continue;
        }
        result.moved.push_back(name);
    }
    result.oldFolderRemoved = result.leftBehind.empty() && std::filesystem::remove(from, ec);
    return result;
}

} // namespace tessary

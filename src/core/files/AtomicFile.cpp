// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The one place where the game's files meet the operating system's calls for a safe replace.
namespace tessary {

int FileOps::createNew(const std::filesystem::path& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

std::ptrdiff_t FileOps::write(int handle, const char* data, std::size_t size) {
    ssize_t n;
    do {
        n = ::write(handle, data, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

bool FileOps::sync(int handle) {
    return ::fsync(handle) == 0;
}

bool FileOps::close(int handle) {
    return ::close(handle) == 0;
}

bool FileOps::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

void FileOps::remove(const std::filesystem::path& path) {
    ::unlink(path.c_str());
}

// The renamed file's entry reaches the disk only when its folder is flushed too.
void FileOps::syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

FileOps& FileOps::system() {
    static FileOps ops;
    return ops;
}

namespace {

bool writeAll(FileOps& ops, int handle, std::string_view bytes) {
    constexpr std::size_t kChunk = 64 * 1024;
    while (!bytes.empty()) {
        const std::ptrdiff_t n = ops.write(handle, bytes.data(), std::min(bytes.size(), kChunk));
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& requested, std::string_view bytes,
                         FileOps& ops) {
    std::error_code ec;
    std::filesystem::path target = requested;
    // Replace what a link points at, not the link itself.
    if (std::filesystem::is_symlink(target, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // Built by appending: GCC 12 at -O3 misreads "." + temporary as an overlapping copy.
    std::string base = ".";
    base += target.filename().string();
    base += ".tmp";
    base += std::to_string(::getpid());

    std::filesystem::path temp;
    int handle = -1;
    for (int attempt = 0; attempt < 100 && handle < 0; ++attempt) {
        temp = folder / (base + "-" + std::to_string(attempt));
        handle = ops.createNew(temp);
        if (handle < 0 && errno != EEXIST)
            break;
    }
    if (handle < 0)
        return false;

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(handle, old.st_mode & 07777);

    // The first step that fails gives the reason left in errno.
    bool ok = writeAll(ops, handle, bytes) && ops.sync(handle);
    int reason = ok ? 0 : errno;
    if (!ops.close(handle) && ok) {
        ok = false;
        reason = errno;
    }
    if (ok && !ops.rename(temp, target)) {
        ok = false;
        reason = errno;
    }
    if (!ok) {
        ops.remove(temp);
        errno = reason;
        return false;
    }
    ops.syncFolder(folder);
    return true;
}

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace tessary {

// The file operations a safe replace is made of. The one real implementation talks to the
// operating system; tests derive from it to make any step fail.
class FileOps {
  public:
    virtual ~FileOps() = default;

    // Creates a new file for writing; fails if the name is taken. A handle, or -1.
    virtual int createNew(const std::filesystem::path& path);
    // Writes some of the bytes; how many, or -1.
    virtual std::ptrdiff_t write(int handle, const char* data, std::size_t size);
    // Flushes the file's data to the disk.
    virtual bool sync(int handle);
    virtual bool close(int handle);
    // Puts from in place of to, in one step.
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual void remove(const std::filesystem::path& path);
    // Flushes a folder's entries, so a rename in it reaches the disk.
    virtual void syncFolder(const std::filesystem::path& folder);

    static FileOps& system();
};

// Replaces the file at target with the given bytes, or leaves it exactly as it was. The bytes
// go to a new file in the same folder, which is flushed to the disk and then renamed over the
// target, so a crash or a full disk never leaves a half-written file. A target that does not
// exist yet is created; an existing one keeps its permissions. Returns false, with the old
// file untouched and no temporary file left behind, when any step fails; errno then holds
// the system's reason.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         FileOps& ops = FileOps::system());

} // namespace tessary

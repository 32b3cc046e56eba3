// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>

class QObject;

namespace tessary {

// One game at a time over one data folder. Two copies would each read the Hall of Fame and
// the settings at start and write them at exit, and the one that ended last would drop the
// other's entries; so the first copy holds a lock in the data folder and listens there, and a
// second copy hands its command line over to it and ends before it touches any file.
//
// The lock is an flock on tessary.lock, which the kernel drops when its holder dies, so a copy
// that crashed or was killed leaves nothing the next one has to clean up. The holder listens on
// the Unix socket tessary.socket beside it and takes messages only from the player's own user.
class SingleInstance {
  public:
    static constexpr const char* kLockFileName = "tessary.lock";
    static constexpr const char* kSocketFileName = "tessary.socket";
    // A message longer than this is not from a copy of the game, and is dropped.
    static constexpr std::size_t kMessageLimit = 64 * 1024;

    // How long a copy that connected has to send its whole message before it is dropped.
    static constexpr std::chrono::milliseconds kReadTime{2000};

    // Claims the data folder for this copy of the game: null when another copy holds it. A
    // folder whose lock file cannot be made is not guarded, rather than the game not starting;
    // a socket path too long for the system leaves the copy running without hand-over.
    static std::unique_ptr<SingleInstance> claim(const std::filesystem::path& dataFolder,
                                                 std::chrono::milliseconds readTime = kReadTime);

    enum class HandOver {
        Delivered,
        NotListening, // the holder may still be starting: worth another try a moment later
        Unreachable,  // no socket this system can reach: another try would not help
    };

    // From a second copy: sends its arguments, one a line, to the copy holding the folder.
    static HandOver handOver(const std::filesystem::path& dataFolder, const QStringList& arguments);

    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Called on the window thread with the arguments of each copy that handed over.
    void onActivate(std::function<void(const QStringList&)> handler);

    // Whether other copies can reach this one.
    bool listening() const { return listenFd_ >= 0; }

  private:
    SingleInstance(int lockFd, std::chrono::milliseconds readTime);
    void listen(const std::filesystem::path& socketPath);
    void acceptWaiting();
    void delivered(const QByteArray& message);

    int lockFd_ = -1;
    int listenFd_ = -1;
    std::filesystem::path socketPath_;
    std::chrono::milliseconds readTime_;
    // Parent of the listener's notifier and of every connection being read.
    std::unique_ptr<QObject> connections_;
    std::function<void(const QStringList&)> onActivate_;
};

} // namespace tessary

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace tessary {

namespace {

// The socket's address, or nothing when the path does not fit the system's limit.
std::optional<sockaddr_un> socketAddress(const std::filesystem::path& socketPath) {
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const std::string& native = socketPath.native();
    if (native.size() >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, native.c_str(), native.size() + 1);
    return address;
}

bool fromThisUser(int fd) {
    ucred peer = {};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

// One copy's message, read as it arrives without ever blocking the window thread. A copy that
// sends too much, or takes longer than the read time to end its message, is dropped.
class Connection : public QObject {
  public:
    Connection(int fd, std::chrono::milliseconds readTime,
               std::function<void(const QByteArray&)> delivered, QObject* parent)
        : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read),
          delivered_(std::move(delivered)) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, this, [this] { read(); });
        deadline_.setSingleShot(true);
        QObject::connect(&deadline_, &QTimer::timeout, this, [this] { drop(); });
        deadline_.start(readTime);
    }

    ~Connection() override {
        notifier_.setEnabled(false);
        if (fd_ >= 0)
            ::close(fd_);
    }

  private:
    void read() {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(fd_, buffer, sizeof buffer);
            if (got > 0) {
                if (std::size_t(message_.size()) + std::size_t(got) > SingleInstance::kMessageLimit)
                    return drop();
                message_.append(buffer, qsizetype(got));
            } else if (got == 0) {
                // The sender closed: the message is whole. Whatever the game does with it
                // runs after this connection has let go of everything.
                const QByteArray message = message_;
                const auto delivered = delivered_;
                drop();
                delivered(message);
                return;
            } else if (errno != EINTR) {
                if (errno != EAGAIN && errno != EWOULDBLOCK)
                    drop();
                return;
            }
        }
    }

    // The sender sees the end at once; the object goes once its notifier's signal returned.
    void drop() {
        if (fd_ < 0)
            return;
        notifier_.setEnabled(false);
        deadline_.stop();
        ::close(fd_);
        fd_ = -1;
        deleteLater();
    }

    int fd_;
    QSocketNotifier notifier_;
    QTimer deadline_;
    QByteArray message_;
    std::function<void(const QByteArray&)> delivered_;
};

QStringList argumentsOf(const QByteArray& message) {
    QStringList arguments;
    for (const QByteArray& line : message.split('\n'))
        arguments.append(QString::fromUtf8(line));
    arguments.removeLast(); // what follows the last line's end
    return arguments;
}

// The arguments one a line, as many whole lines as the holder takes.
QByteArray messageOf(const QStringList& arguments) {
    QByteArray message;
    for (const QString& argument : arguments) {
        const QByteArray line = argument.toUtf8() + '\n';
        if (std::size_t(message.size() + line.size()) > SingleInstance::kMessageLimit)
            break;
        message += line;
    }
    return message;
}

bool sendAll(int fd, const QByteArray& message) {
    for (qsizetype sent = 0; sent < message.size();) {
        // A holder that closed must not end this copy with SIGPIPE.
        const ssize_t wrote = ::send(fd, message.constData() + sent,
                                     std::size_t(message.size() - sent), MSG_NOSIGNAL);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        sent += wrote;
    }
    return true;
}

} // namespace

SingleInstance::SingleInstance(int lockFd, std::chrono::milliseconds readTime)
    : lockFd_(lockFd), readTime_(readTime), connections_(std::make_unique<QObject>()) {}

SingleInstance::~SingleInstance() {
    connections_.reset(); // the notifiers go before the sockets they watch
    if (listenFd_ >= 0) {
        ::unlink(socketPath_.c_str());
        ::close(listenFd_);
    }
    // The lock file stays: removing it would let a copy that opened it just now lock a file
    // the next copy no longer sees.
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

std::unique_ptr<SingleInstance> SingleInstance::claim(const std::filesystem::path& dataFolder,
                                                      std::chrono::milliseconds readTime) {
    // Close-on-exec, so that a program the game starts does not keep the lock after it.
    int lockFd = ::open((dataFolder / kLockFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd >= 0 && ::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(lockFd);
        if (held)
            return nullptr;
        lockFd = -1;
    }
    std::unique_ptr<SingleInstance> instance(new SingleInstance(lockFd, readTime));
    if (lockFd >= 0)
        instance->listen(dataFolder / kSocketFileName);
    return instance;
}

void SingleInstance::listen(const std::filesystem::path& socketPath) {
    const std::optional<sockaddr_un> address = socketAddress(socketPath);
    if (!address)
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    // A copy that died left its socket behind; holding the lock, this copy owns the name.
    ::unlink(socketPath.c_str());
    const mode_t mask = ::umask(0177); // rw------- : the player alone may connect
    const bool bound =
        ::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    listenFd_ = fd;
    socketPath_ = socketPath;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, connections_.get());
    QObject::connect(notifier, &QSocketNotifier::activated, connections_.get(),
                     [this] { acceptWaiting(); });
}

void SingleInstance::acceptWaiting() {
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        if (!fromThisUser(fd)) {
            ::close(fd);
            continue;
        }
        new Connection(
            fd, readTime_, [this](const QByteArray& message) { delivered(message); },
            connections_.get());
    }
}

void SingleInstance::delivered(const QByteArray& message) {
    if (onActivate_)
        onActivate_(argumentsOf(message));
}

void SingleInstance::onActivate(std::function<void(const QStringList&)> handler) {
    onActivate_ = std::move(handler);
}

SingleInstance::HandOver SingleInstance::handOver(const std::filesystem::path& dataFolder,
                                                  const QStringList& arguments) {
    const std::optional<sockaddr_un> address = socketAddress(dataFolder / kSocketFileName);
    if (!address)
        return HandOver::Unreachable;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return HandOver::Unreachable;
    // A holder that stopped taking connections must not keep this copy waiting.
    const timeval limit = {2, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        ::close(fd);
        return HandOver::NotListening;
    }
    const bool sent = sendAll(fd, messageOf(arguments));
    ::close(fd);
    return sent ? HandOver::Delivered : HandOver::Unreachable;
}

} // namespace tessary

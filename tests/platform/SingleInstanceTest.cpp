// SPDX-License-Identifier: GPL-3.0-or-later
// One game at a time: the copy holding a data folder's lock, and the copies that come after
// it. flock locks belong to open files, so two claims in one process meet as two games do.
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessary {
namespace {

using namespace std::chrono_literals;
using HandOver = SingleInstance::HandOver;

// Runs the window thread's events until `done` holds, for at most 5 s.
template <class Done> bool eventsUntil(Done done) {
    for (QDeadlineTimer deadline(5000); !done();) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

class SingleInstanceTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    std::filesystem::path folder() const { return folder_.path().toStdString(); }
    std::string socketPath() const { return folder() / SingleInstance::kSocketFileName; }

    // A copy that connects and then sends nothing, ending nothing.
    int silentCopy() const {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        socketPath().copy(address.sun_path, sizeof address.sun_path - 1);
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        return fd;
    }

    QTemporaryDir folder_;
};

TEST_F(SingleInstanceTest, ASecondCopyHandsItsArgumentsToTheFirstUntilTheFirstEnds) {
    auto first = SingleInstance::claim(folder());
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(first->listening());
    std::vector<QStringList> received;
    first->onActivate([&](const QStringList& arguments) { received.push_back(arguments); });
    struct stat socketFile = {};
    ASSERT_EQ(::stat(socketPath().c_str(), &socketFile), 0);
    EXPECT_EQ(socketFile.st_mode & 0777, 0600u);

    EXPECT_EQ(SingleInstance::claim(folder()), nullptr);
    const QStringList arguments{QStringLiteral("my game.sav"), QString(), QStringLiteral("Öl.bmp")};
    ASSERT_EQ(SingleInstance::handOver(folder(), arguments), HandOver::Delivered);
    ASSERT_EQ(SingleInstance::handOver(folder(), {}), HandOver::Delivered);
    ASSERT_TRUE(eventsUntil([&] { return received.size() == 2; }));
    EXPECT_EQ(received[0], arguments);
    EXPECT_EQ(received[1], QStringList());

    first.reset();
    EXPECT_EQ(SingleInstance::handOver(folder(), {}), HandOver::NotListening);
    EXPECT_NE(SingleInstance::claim(folder()), nullptr);
}

TEST_F(SingleInstanceTest, AKilledCopyLeavesALockAndSocketTheNextCopyTakesOver) {
    const std::string lockPath = folder() / SingleInstance::kLockFileName;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    socketPath().copy(address.sun_path, sizeof address.sun_path - 1);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    // The child takes the lock and makes the socket file as a game does, then is killed.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (lock < 0 || ::flock(lock, LOCK_EX) != 0 ||
            ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            ::_exit(1);
        [[maybe_unused]] const auto said = ::write(ready[1], "!", 1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);

    EXPECT_EQ(SingleInstance::claim(folder()), nullptr);
    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);

    EXPECT_EQ(SingleInstance::handOver(folder(), {}), HandOver::NotListening);
    auto next = SingleInstance::claim(folder());
    ASSERT_NE(next, nullptr);
    bool activated = false;
    next->onActivate([&](const QStringList&) { activated = true; });
    EXPECT_EQ(SingleInstance::handOver(folder(), {}), HandOver::Delivered);
    EXPECT_TRUE(eventsUntil([&] { return activated; }));
}

TEST_F(SingleInstanceTest, ACopyThatSendsNothingHoldsUpNoOtherAndIsDropped) {
    auto holder = SingleInstance::claim(folder(), 1h);
    ASSERT_NE(holder, nullptr);
    bool activated = false;
    holder->onActivate([&](const QStringList&) { activated = true; });
    const int silent = silentCopy();
    EXPECT_EQ(SingleInstance::handOver(folder(), {}), HandOver::Delivered);
    EXPECT_TRUE(eventsUntil([&] { return activated; }));
    ::close(silent);
    holder.reset();

    holder = SingleInstance::claim(folder(), 0ms);
    ASSERT_NE(holder, nullptr);
    const int dropped = silentCopy();
    ::fcntl(dropped, F_SETFL, O_NONBLOCK);
    char byte = 0;
    // The holder closing its end is what a read sees as the end.
    EXPECT_TRUE(eventsUntil([&] { return ::read(dropped, &byte, 1) == 0; }));
    ::close(dropped);
}

TEST_F(SingleInstanceTest, AFolderTooDeepForASocketStillAllowsOneGameOnly) {
    const QString deep = folder_.filePath(QString(120, QLatin1Char('d')));
    ASSERT_TRUE(QDir().mkpath(deep));
    const std::filesystem::path deepFolder = deep.toStdString();
    auto holder = SingleInstance::claim(deepFolder);
    ASSERT_NE(holder, nullptr);
    EXPECT_FALSE(holder->listening());
    EXPECT_EQ(SingleInstance::claim(deepFolder), nullptr);
    EXPECT_EQ(SingleInstance::handOver(deepFolder, {}), HandOver::Unreachable);
}

} // namespace
} // namespace tessary

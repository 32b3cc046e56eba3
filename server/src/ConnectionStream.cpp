// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConnectionStream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace hof {

namespace {

constexpr auto kSlice = std::chrono::milliseconds(100);

} // namespace

void socketAddress(int socket, bool peer, std::string& ip, int& port) {
    sockaddr_storage address{};
    socklen_t length = sizeof(address);
    const int result = peer ? getpeername(socket, reinterpret_cast<sockaddr*>(&address), &length)
                            : getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    ip.clear();
    port = 0;
    if (result != 0)
        return;
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(&address);
        inet_ntop(AF_INET, &v4->sin_addr, text, sizeof(text));
        port = ntohs(v4->sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(&address);
        inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof(text));
        port = ntohs(v6->sin6_port);
    }
    ip = text;
}

ConnectionStream::ConnectionStream(int socket, std::size_t maxRequestBytes,
                                   Clock::duration writeTimeout, std::function<bool()> stopping)
    : socket_(socket), maxRequestBytes_(maxRequestBytes), writeTimeout_(writeTimeout),
      stopping_(std::move(stopping)) {}

// Waits for `events` until `until`, a slice at a time; true when they came.
bool ConnectionStream::waitFor(short events, Clock::time_point until) const {
    while (!stopping_()) {
        const auto left = std::min<Clock::duration>(until - Clock::now(), kSlice);
        if (left <= Clock::duration::zero())
            return false;
        pollfd watched{socket_, events, 0};
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(left).count();
        const int ready = ::poll(&watched, 1, static_cast<int>(std::max<long long>(ms, 1)));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
    return false;
}

bool ConnectionStream::waitForRequest(Clock::duration idle) {
    return begin_ < end_ || waitFor(POLLIN, Clock::now() + idle);
}

void ConnectionStream::startRequest(Clock::time_point deadline) {
    deadline_ = deadline;
    requestBytes_ = 0;
}

bool ConnectionStream::fill() {
    if (!waitFor(POLLIN, deadline_))
        return false;
    const ssize_t got = ::recv(socket_, buffer_, sizeof(buffer_), 0);
    if (got <= 0)
        return false;
    begin_ = 0;
    end_ = static_cast<std::size_t>(got);
    return true;
}

bool ConnectionStream::is_readable() const {
    return begin_ < end_ || waitFor(POLLIN, deadline_);
}

bool ConnectionStream::is_writable() const {
    return waitFor(POLLOUT, Clock::now() + writeTimeout_);
}

ssize_t ConnectionStream::read(char* ptr, size_t size) {
    if (overflowed_)
        return -1;
    if (requestBytes_ >= maxRequestBytes_) {
        overflowed_ = true;
        return -1;
    }
    if (begin_ == end_ && !fill())
        return -1;
    const std::size_t count = std::min({size, end_ - begin_, maxRequestBytes_ - requestBytes_});
    std::memcpy(ptr, buffer_ + begin_, count);
    begin_ += count;
    requestBytes_ += count;
    return static_cast<ssize_t>(count);
}

ssize_t ConnectionStream::write(const char* ptr, size_t size) {
    std::size_t sent = 0;
    while (sent < size) {
        if (!is_writable())
            return -1;
        const ssize_t wrote = ::send(socket_, ptr + sent, size - sent, MSG_NOSIGNAL);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return -1;
        sent += static_cast<std::size_t>(wrote);
    }
    return static_cast<ssize_t>(size);
}

void ConnectionStream::get_remote_ip_and_port(std::string& ip, int& port) const {
    socketAddress(socket_, true, ip, port);
}

void ConnectionStream::get_local_ip_and_port(std::string& ip, int& port) const {
    socketAddress(socket_, false, ip, port);
}

} // namespace hof

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <httplib.h>

#include <chrono>
#include <functional>
#include <string>

namespace hof {

// One client's connection as httplib reads and writes it. Its read buffer lives as long as the
// connection, so pipelined requests are all answered; each request may read only so many bytes
// and must arrive before its deadline, so a slow or endless head cannot hold a worker.
class ConnectionStream : public httplib::Stream {
  public:
    using Clock = std::chrono::steady_clock;

    // `stopping` is asked every tenth of a second while waiting: a stop ends every wait.
    ConnectionStream(int socket, std::size_t maxRequestBytes, Clock::duration writeTimeout,
                     std::function<bool()> stopping);

    // Waits up to `idle` for the next request's first byte; false when the client left, the
    // time ran out or the server stops.
    bool waitForRequest(Clock::duration idle);
    // The next request starts: its byte count is reset and it must be read by `deadline`.
    void startRequest(Clock::time_point deadline);
    // The request read more bytes than allowed: nothing more is read from this connection.
    bool overflowed() const { return overflowed_; }

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    int socket() const override { return socket_; }

  private:
    bool fill();
    bool waitFor(short events, Clock::time_point until) const;

    int socket_;
    std::size_t maxRequestBytes_;
    Clock::duration writeTimeout_;
    std::function<bool()> stopping_;
    Clock::time_point deadline_;
    std::size_t requestBytes_ = 0;
    bool overflowed_ = false;
    char buffer_[4096];
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

// The address of a socket's peer (or of itself) as text, with its port.
void socketAddress(int socket, bool peer, std::string& ip, int& port);

} // namespace hof

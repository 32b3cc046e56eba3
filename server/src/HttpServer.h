// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <httplib.h>

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace hof {

// httplib's server with the connection handling an open port needs: the address is never
// shared with another server, a long listen queue, replies sent without Nagle's delay, every
// request head bounded in size and time, a request that sends a body ends its connection (no
// body is ever read, so it must not be taken for the next request), and each address may hold
// only so many connections.
class HttpServer : public httplib::Server {
  public:
    struct Limits {
        std::size_t maxRequestBytes = 16 * 1024; // request line and headers
        std::size_t maxHeaders = 64;
        std::chrono::seconds headDeadline{10};
        std::chrono::seconds keepAlive{5};
        std::chrono::seconds writeTimeout{5};
        int requestsPerConnection = 100;
        int connectionsPerAddress = 32;
        int workers = 128;
        int backlog = 1024;
    };

    HttpServer();
    explicit HttpServer(Limits limits);

    // Listens on host:port (port 0: any free port). Returns the port, or -1 when the address
    // cannot be had, also when another server listens there.
    int bind(const std::string& host, int port);

    // Whether the request being handled on this thread was turned away for its size.
    static bool requestTooLarge();
    // The address of the client whose connection this worker thread serves.
    static std::string currentClient();
    // The address a connection may not hold more connections from (a proxy in front).
    void exemptFromConnectionLimit(const std::string& address) { exempt_ = address; }

    const Limits& limits() const { return limits_; }

  private:
    bool process_and_close_socket(int socket) override;
    void serve(int socket);
    bool stopping() const;
    bool admit(const std::string& address);
    void release(const std::string& address);

    Limits limits_;
    std::string exempt_;
    std::mutex mutex_;
    std::unordered_map<std::string, int> connections_;
};

} // namespace hof

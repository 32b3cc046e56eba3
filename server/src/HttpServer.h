// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HttpExchange.h"

#include <microhttpd.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>

namespace hof {

// The HTTP side of the server, on libmicrohttpd: a few threads wait on every connection at once,
// so an open connection costs a socket, not a thread. What an open port needs on top: the address
// is never shared with another server, a long listen queue, each request head bounded in size,
// header count and time from the moment the connection could send it, a body never taken for the
// next request, and only so many connections from one address.
class HttpServer {
  public:
    struct Limits {
        std::size_t maxHeadBytes = 16 * 1024; // request line and headers
        std::size_t maxHeaders = 64;
        std::chrono::milliseconds headDeadline{10'000};
        std::chrono::seconds idle{5}; // keep-alive, and a stalled read or write
        int requestsPerConnection = 100;
        int connectionsPerAddress = 32;
        int threads = 4;
        int backlog = 1024;
    };
    using Handler = std::function<Reply(const HttpRequest&)>;
    // Called once per request that ends, also one turned away before it reached the handler.
    using Logger = std::function<void(const HttpRequest&, int status)>;

    HttpServer(Handler handler, Logger logger);
    HttpServer(Handler handler, Logger logger, Limits limits);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Listens on host:port (port 0: any free port) and starts serving. Returns the port, or -1
    // when the address cannot be had, also when another server listens there.
    int start(const std::string& host, int port);
    // Closes every connection and waits for the requests being answered.
    void stop();

    // The address a connection may not hold more connections from (a proxy in front).
    void exemptFromConnectionLimit(const std::string& address) { exempt_ = address; }
    // Where errors of the HTTP layer go.
    void onError(std::function<void(const std::string&)> report) { report_ = std::move(report); }

  private:
    struct Connection;
    struct Exchange;

    // libmicrohttpd's callbacks; `self` is the server.
    static MHD_Result admit(void* self, const sockaddr* address, socklen_t length);
    static void connectionChanged(void* self, MHD_Connection* connection, void** context,
                                  MHD_ConnectionNotificationCode change);
    static void* requestStarted(void* self, const char* uri, MHD_Connection* connection);
    static MHD_Result answer(void* self, MHD_Connection* connection, const char* url,
                             const char* method, const char* version, const char* upload,
                             std::size_t* uploadSize, void** context);
    static void requestEnded(void* self, MHD_Connection* connection, void** context,
                             MHD_RequestTerminationCode reason);
    static void logError(void* self, const char* format, va_list arguments);

    Reply handle(MHD_Connection* connection, Exchange& exchange);
    void sweep();

    Handler handler_;
    Logger logger_;
    Limits limits_;
    std::string exempt_;
    std::function<void(const std::string&)> report_;
    MHD_Daemon* daemon_ = nullptr;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::unordered_map<std::string, int> perAddress_;
    std::unordered_set<Connection*> connections_;
    std::thread sweeper_;
};

} // namespace hof

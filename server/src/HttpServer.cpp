// SPDX-License-Identifier: GPL-3.0-or-later
#include "HttpServer.h"

#include "ConnectionStream.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hof {

namespace {

// The request this worker thread is reading: its head may prove too large while httplib reads
// it, and the error page asks.
thread_local bool tooManyHeaders = false;
thread_local const ConnectionStream* reading = nullptr;
thread_local std::string client;

// A request that says it carries a body: none is read here, so the connection must end.
bool announcesBody(const httplib::Request& request) {
    const std::string length = request.get_header_value("Content-Length");
    return request.has_header("Transfer-Encoding") || (!length.empty() && length != "0");
}

} // namespace

HttpServer::HttpServer() : HttpServer(Limits{}) {}

HttpServer::HttpServer(Limits limits) : limits_(limits) {
    // httplib's own choice, SO_REUSEPORT, would let a second server share the address and take
    // half of the requests; SO_REUSEADDR only allows a restart while old connections linger.
    set_socket_options([](int socket) {
        int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
    set_tcp_nodelay(true);
    set_keep_alive_max_count(static_cast<std::size_t>(limits_.requestsPerConnection));
    set_keep_alive_timeout(limits_.keepAlive.count());
    set_read_timeout(limits_.headDeadline.count(), 0);
    set_write_timeout(limits_.writeTimeout.count(), 0);
    const auto workers = static_cast<std::size_t>(limits_.workers);
    new_task_queue = [workers] { return new httplib::ThreadPool(workers); };
}

std::string HttpServer::currentClient() {
    return client;
}

bool HttpServer::requestTooLarge() {
    return tooManyHeaders || (reading && reading->overflowed());
}

int HttpServer::bind(const std::string& host, int port) {
    if (port == 0)
        port = bind_to_any_port(host);
    else if (!bind_to_port(host, port))
        port = -1;
    // httplib listens with a queue of 5; listening again only makes the queue longer.
    if (port > 0 && ::listen(svr_sock_, limits_.backlog) != 0)
        port = -1;
    return port;
}

bool HttpServer::stopping() const {
    return svr_sock_ == INVALID_SOCKET;
}

bool HttpServer::admit(const std::string& address) {
    if (address == exempt_)
        return true;
    std::lock_guard lock(mutex_);
    int& open = connections_[address];
    if (open >= limits_.connectionsPerAddress)
        return false;
    ++open;
    return true;
}

void HttpServer::release(const std::string& address) {
    if (address == exempt_)
        return;
    std::lock_guard lock(mutex_);
    const auto it = connections_.find(address);
    if (it != connections_.end() && --it->second <= 0)
        connections_.erase(it);
}

bool HttpServer::process_and_close_socket(int socket) {
    std::string address;
    int port = 0;
    socketAddress(socket, true, address, port);
    if (admit(address)) {
        client = address;
        serve(socket);
        client.clear();
        release(address);
    } else {
        // Said without waiting for the request: a client that reads nothing costs nothing.
        static constexpr char kBusy[] = "HTTP/1.1 503 Service Unavailable\r\nRetry-After: 1\r\n"
                                        "Content-Length: 0\r\nConnection: close\r\n\r\n";
        ::send(socket, kBusy, sizeof(kBusy) - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
    return true;
}

void HttpServer::serve(int socket) {
    int yes = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof(yes));
    ConnectionStream stream(socket, limits_.maxRequestBytes, limits_.writeTimeout,
                            [this] { return stopping(); });
    for (int served = 0; served < limits_.requestsPerConnection; ++served) {
        if (!stream.waitForRequest(limits_.keepAlive))
            return;
        stream.startRequest(ConnectionStream::Clock::now() + limits_.headDeadline);
        bool closeAfter = false;
        bool connectionClosed = false;
        const bool last = served + 1 == limits_.requestsPerConnection;
        tooManyHeaders = false;
        reading = &stream;
        const bool answered =
            process_request(stream, last, connectionClosed, [&](httplib::Request& request) {
                tooManyHeaders = request.headers.size() > limits_.maxHeaders;
                if (announcesBody(request) || tooManyHeaders) {
                    closeAfter = true;
                    // The reply says so too.
                    request.headers.erase("Connection");
                    request.headers.emplace("Connection", "close");
                }
            });
        const bool tooLarge = requestTooLarge();
        reading = nullptr;
        if (!answered || connectionClosed || closeAfter || tooLarge || stopping())
            return;
    }
}

} // namespace hof

// SPDX-License-Identifier: GPL-3.0-or-later
#include "HttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>

namespace hof {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kDefaultHeaders[][2] = {
    {"Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'; img-src data:"},
    {"X-Content-Type-Options", "nosniff"},
    {"Referrer-Policy", "no-referrer"},
    {"Cache-Control", "no-store"},
};

std::string addressText(const sockaddr* address) {
    char text[INET6_ADDRSTRLEN] = "";
    if (address->sa_family == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text,
                  sizeof(text));
    } else if (address->sa_family == AF_INET6) {
        const auto* six = reinterpret_cast<const sockaddr_in6*>(address);
        // An IPv4 client of a server listening on "::" is named as IPv4.
        if (IN6_IS_ADDR_V4MAPPED(&six->sin6_addr))
            inet_ntop(AF_INET, six->sin6_addr.s6_addr + 12, text, sizeof(text));
        else
            inet_ntop(AF_INET6, &six->sin6_addr, text, sizeof(text));
    }
    return text;
}

// A listening socket of our own: SO_REUSEADDR only, so a restart is not kept waiting by old
// connections but a second server on the address fails (SO_REUSEPORT would let it in).
int listenOn(const std::string& host, int port, int backlog) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return -1;
    int listening = -1;
    for (const addrinfo* at = found; at && listening < 0; at = at->ai_next) {
        listening =
            socket(at->ai_family, at->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, at->ai_protocol);
        if (listening < 0)
            continue;
        int yes = 1;
        setsockopt(listening, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
        if (::bind(listening, at->ai_addr, at->ai_addrlen) != 0 ||
            ::listen(listening, backlog) != 0) {
            close(listening);
            listening = -1;
        }
    }
    freeaddrinfo(found);
    return listening;
}

int boundPort(int socket) {
    sockaddr_storage address{};
    socklen_t length = sizeof(address);
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return -1;
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
}

const char* header(MHD_Connection* connection, const char* name) {
    const char* value = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name);
    return value ? value : "";
}

} // namespace

// One client's connection, known from its first byte to its close.
struct HttpServer::Connection {
    std::string peer;
    int socket = -1;
    Clock::time_point waitingSince = Clock::now(); // for the head of its next request
    bool inRequest = false;                        // its head was read whole
    bool cut = false;
    int requests = 0;
};

// One request, from its first line to its end.
struct HttpServer::Exchange {
    HttpRequest request;
    Connection* client = nullptr;
    bool started = false;
    bool answered = false;
};

HttpServer::HttpServer(Handler handler, Logger logger)
    : HttpServer(std::move(handler), std::move(logger), Limits{}) {}

HttpServer::HttpServer(Handler handler, Logger logger, Limits limits)
    : handler_(std::move(handler)), logger_(std::move(logger)), limits_(limits) {}

HttpServer::~HttpServer() {
    stop();
}

int HttpServer::start(const std::string& host, int port) {
    const int listening = listenOn(host, port, limits_.backlog);
    if (listening < 0)
        return -1;
    const int bound = boundPort(listening);
    // Every connection lives in one of a few threads' epoll sets. The pool memory bounds what one
    // connection may hold; the head's own limit is checked against the count and size it reports.
    daemon_ = MHD_start_daemon(
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_USE_ITC | MHD_USE_ERROR_LOG, 0,
        &HttpServer::admit, this, &HttpServer::answer, this, MHD_OPTION_EXTERNAL_LOGGER,
        &HttpServer::logError, this, MHD_OPTION_LISTEN_SOCKET, listening,
        MHD_OPTION_THREAD_POOL_SIZE, static_cast<unsigned>(limits_.threads),
        MHD_OPTION_CONNECTION_TIMEOUT, static_cast<unsigned>(limits_.idle.count()),
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, static_cast<std::size_t>(2 * limits_.maxHeadBytes),
        MHD_OPTION_CONNECTION_LIMIT, 10000u, MHD_OPTION_NOTIFY_CONNECTION,
        &HttpServer::connectionChanged, this, MHD_OPTION_URI_LOG_CALLBACK,
        &HttpServer::requestStarted, this, MHD_OPTION_NOTIFY_COMPLETED, &HttpServer::requestEnded,
        this, MHD_OPTION_END);
    if (!daemon_) {
        close(listening);
        return -1;
    }
    stopping_ = false;
    sweeper_ = std::thread([this] { sweep(); });
    return bound;
}

void HttpServer::stop() {
    if (!daemon_)
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    sweeper_.join();
    const int listening = MHD_quiesce_daemon(daemon_);
    MHD_stop_daemon(daemon_);
    daemon_ = nullptr;
    if (listening >= 0)
        close(listening);
}

MHD_Result HttpServer::admit(void* self, const sockaddr* address, socklen_t) {
    auto& server = *static_cast<HttpServer*>(self);
    const std::string peer = addressText(address);
    std::lock_guard lock(server.mutex_);
    if (peer == server.exempt_)
        return MHD_YES;
    const auto held = server.perAddress_.find(peer);
    const bool room =
        held == server.perAddress_.end() || held->second < server.limits_.connectionsPerAddress;
    return room ? MHD_YES : MHD_NO;
}

void HttpServer::connectionChanged(void* self, MHD_Connection* connection, void** context,
                                   MHD_ConnectionNotificationCode change) {
    auto& server = *static_cast<HttpServer*>(self);
    if (change == MHD_CONNECTION_NOTIFY_STARTED) {
        auto* opened = new Connection;
        const MHD_ConnectionInfo* info =
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
        opened->peer = info ? addressText(info->client_addr) : std::string();
        info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
        opened->socket = info ? info->connect_fd : -1;
        *context = opened;
        std::lock_guard lock(server.mutex_);
        ++server.perAddress_[opened->peer];
        server.connections_.insert(opened);
        return;
    }
    auto* closed = static_cast<Connection*>(*context);
    if (!closed)
        return;
    {
        // The socket is still open here: the sweeper may cut it only while it is listed.
        std::lock_guard lock(server.mutex_);
        server.connections_.erase(closed);
        if (--server.perAddress_[closed->peer] <= 0)
            server.perAddress_.erase(closed->peer);
    }
    delete closed;
    *context = nullptr;
}

void* HttpServer::requestStarted(void*, const char* uri, MHD_Connection*) {
    auto* exchange = new Exchange;
    exchange->request.target = uri ? uri : "";
    return exchange;
}

MHD_Result HttpServer::answer(void* self, MHD_Connection* connection, const char* url,
                              const char* method, const char*, const char*, std::size_t* uploadSize,
                              void** context) {
    auto& server = *static_cast<HttpServer*>(self);
    auto* exchange = static_cast<Exchange*>(*context);
    if (!exchange)
        return MHD_NO;
    if (exchange->answered) {
        // The reply went before the body: what comes is skipped, and the connection then ends.
        *uploadSize = 0;
        return MHD_YES;
    }
    // A request that says it carries a body is answered at once and its connection then ends:
    // no body is read here, so it is never taken for the next request. Any other is answered on
    // the call after its head, as the library expects for a connection that is kept alive.
    const std::string length = header(connection, "Content-Length");
    const bool body =
        header(connection, "Transfer-Encoding")[0] || (!length.empty() && length != "0");
    if (!exchange->started) {
        exchange->started = true;
        auto* client = static_cast<Connection*>(
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT)
                ->socket_context);
        if (client) {
            std::lock_guard lock(server.mutex_);
            client->inRequest = true;
        }
        HttpRequest& request = exchange->request;
        request.method = method;
        request.path = url;
        request.peer = client ? client->peer : std::string();
        request.forwardedFor = header(connection, "X-Forwarded-For");
        exchange->client = client;
        if (!body)
            return MHD_YES;
    }
    auto* client = exchange->client;
    const Reply reply = server.handle(connection, *exchange);
    MHD_Response* response = MHD_create_response_from_buffer(
        reply.body.size(), const_cast<char*>(reply.body.data()), MHD_RESPMEM_MUST_COPY);
    if (!response)
        return MHD_NO;
    for (const auto& [name, value] : kDefaultHeaders)
        MHD_add_response_header(response, name, value);
    if (!reply.contentType.empty())
        MHD_add_response_header(response, "Content-Type", reply.contentType.c_str());
    for (const auto& [name, value] : reply.headers)
        MHD_add_response_header(response, name.c_str(), value.c_str());
    // A long-kept connection makes way for others.
    if ((client && ++client->requests >= server.limits_.requestsPerConnection) || body)
        MHD_add_response_header(response, "Connection", "close");
    const MHD_Result queued =
        MHD_queue_response(connection, static_cast<unsigned>(reply.status), response);
    MHD_destroy_response(response);
    exchange->answered = true;
    return queued;
}

Reply HttpServer::handle(MHD_Connection* connection, Exchange& exchange) {
    const int headers = MHD_get_connection_values(connection, MHD_HEADER_KIND, nullptr, nullptr);
    const MHD_ConnectionInfo* size =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_REQUEST_HEADER_SIZE);
    if (headers > static_cast<int>(limits_.maxHeaders) ||
        (size && size->header_size > limits_.maxHeadBytes))
        return {431,
                "text/plain; charset=utf-8",
                "The request has more header lines or bytes than are read here.\n",
                {}};
    return handler_(exchange.request);
}

void HttpServer::requestEnded(void* self, MHD_Connection* connection, void** context,
                              MHD_RequestTerminationCode) {
    auto& server = *static_cast<HttpServer*>(self);
    auto* exchange = static_cast<Exchange*>(*context);
    if (!exchange)
        return;
    *context = nullptr;
    const MHD_ConnectionInfo* status =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_HTTP_STATUS);
    const MHD_ConnectionInfo* socket =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
    auto* client = socket ? static_cast<Connection*>(socket->socket_context) : nullptr;
    if (client) {
        std::lock_guard lock(server.mutex_);
        client->inRequest = false;
        client->waitingSince = Clock::now();
    }
    // A request turned away by the HTTP layer itself (a head too large or unreadable) is logged
    // with what is known of it.
    HttpRequest& request = exchange->request;
    if (request.peer.empty() && client)
        request.peer = client->peer;
    if (request.path.empty())
        request.path = request.target.substr(0, request.target.find('?'));
    if (status || exchange->answered)
        server.logger_(request, status ? static_cast<int>(status->http_status) : 0);
    delete exchange;
}

void HttpServer::logError(void* self, const char* format, va_list arguments) {
    auto& server = *static_cast<HttpServer*>(self);
    char text[512];
    std::vsnprintf(text, sizeof(text), format, arguments);
    std::string message(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    if (server.report_)
        server.report_(message);
}

// A head that has not arrived whole by its deadline ends its connection, however slowly it
// trickles in: the socket is shut down, and the connection's own thread then closes it.
void HttpServer::sweep() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        wake_.wait_for(lock, std::chrono::milliseconds(100));
        const Clock::time_point now = Clock::now();
        for (Connection* connection : connections_) {
            if (connection->inRequest || connection->cut ||
                now - connection->waitingSince < limits_.headDeadline)
                continue;
            shutdown(connection->socket, SHUT_RDWR);
            connection->cut = true;
        }
    }
}

} // namespace hof

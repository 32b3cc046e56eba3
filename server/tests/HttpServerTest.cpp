// SPDX-License-Identifier: GPL-3.0-or-later
#include "HttpServer.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace hof {
namespace {

using namespace std::chrono_literals;

class HttpServerTest : public ::testing::Test {
  protected:
    void startWith(HttpServer::Limits limits) {
        server_ = std::make_unique<HttpServer>(
            [](const HttpRequest& request) {
                return Reply{200, "text/plain", request.path, {}};
            },
            [](const HttpRequest&, int) {}, limits);
        port_ = server_->start("127.0.0.1", 0);
        ASSERT_GT(port_, 0);
    }

    int connectToServer() const {
        const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port_));
        inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        EXPECT_EQ(connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        return socket;
    }

    // What the server sends within `wait`, up to its close ("" when it only closed).
    static std::string readWithin(int socket, std::chrono::milliseconds wait) {
        std::string got;
        char buffer[4096];
        pollfd ready{socket, POLLIN, 0};
        while (poll(&ready, 1, static_cast<int>(wait.count())) == 1) {
            const ssize_t read = recv(socket, buffer, sizeof(buffer), 0);
            if (read <= 0)
                return got.empty() ? "closed" : got;
            got.append(buffer, static_cast<std::size_t>(read));
        }
        return got;
    }

    std::unique_ptr<HttpServer> server_;
    int port_ = 0;
};

// A head that trickles in is cut at its deadline, however lively it keeps the connection; one
// that comes whole is answered.
TEST_F(HttpServerTest, AHeadNotWholeByItsDeadlineEndsItsConnection) {
    HttpServer::Limits limits;
    limits.headDeadline = 300ms;
    startWith(limits);
    const int slow = connectToServer();
    const std::string head = "GET /slow HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Pad: ";
    std::string answer;
    for (int sent = 0; sent < 40 && answer.empty(); ++sent) {
        send(slow, head.data() + sent % head.size(), 1, MSG_NOSIGNAL);
        answer = readWithin(slow, 50ms);
    }
    EXPECT_EQ(answer, "closed");
    const int whole = connectToServer();
    const std::string request = "GET /whole HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    send(whole, request.data(), request.size(), MSG_NOSIGNAL);
    EXPECT_NE(readWithin(whole, 2000ms).find("/whole"), std::string::npos);
    close(slow);
    close(whole);
}

// One address may hold only so many connections; the next is closed unanswered, and a place
// given up is free again.
TEST_F(HttpServerTest, AnAddressHoldsOnlySoManyConnections) {
    HttpServer::Limits limits;
    limits.connectionsPerAddress = 2;
    startWith(limits);
    const int first = connectToServer();
    const int second = connectToServer();
    const std::string request = "GET /x HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    send(second, request.data(), request.size(), MSG_NOSIGNAL);
    ASSERT_NE(readWithin(second, 300ms).find("200 OK"), std::string::npos);
    const int third = connectToServer();
    EXPECT_EQ(readWithin(third, 2000ms), "closed");
    close(first);
    close(third);
    std::string answer;
    for (int tries = 0; tries < 40 && answer.find("200 OK") == std::string::npos; ++tries) {
        const int again = connectToServer();
        send(again, request.data(), request.size(), MSG_NOSIGNAL);
        answer = readWithin(again, 100ms);
        close(again);
    }
    EXPECT_NE(answer.find("200 OK"), std::string::npos);
    close(second);
}

} // namespace
} // namespace hof

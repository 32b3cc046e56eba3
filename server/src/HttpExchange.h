// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace hof {

// One request as the server's routes see it, its head read whole.
struct HttpRequest {
    std::string method;
    std::string target;       // path and query as sent, still escaped
    std::string path;         // the path, decoded
    std::string peer;         // the address of the connection's other end
    std::string forwardedFor; // its X-Forwarded-For header, believed only from a trusted proxy
};

// What a request gets back, before it goes on the wire.
struct Reply {
    int status = 200;
    std::string contentType;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

} // namespace hof

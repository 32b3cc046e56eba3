// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HttpExchange.h"
#include "RateLimiter.h"
#include "RequestLog.h"
#include "Store.h"
#include "Submission.h"

#include <string>

namespace hof {

// The two addresses of the online Hall of Fame: the game's page, which shows the table and
// takes new entries, and the JSON view of the table for other clients.
class HofService {
  public:
    HofService(Store& store, RateLimiter& limiter, int keep)
        : store_(store), limiter_(limiter), keep_(keep) {}

    // GET /games/puzhof.asp?game=tess[&a=SCORE&b=NAME size=SIZE&c=EMAIL]
    Reply puzhof(const Query& query, const std::string& client);
    // GET /api/scores?game=tess&limit=N
    Reply scores(const Query& query);
    // GET /healthz: whether the database answers.
    Reply health();

    // The proxy in front: only its X-Forwarded-For names the client.
    void trustProxy(const std::string& address) { trustedProxy_ = address; }
    // The client's address: the connection's, or the one a trusted proxy forwarded for.
    std::string clientOf(const std::string& peer, const std::string& forwardedFor) const;

    // Routes a request to its page; a failure of the store is logged and answered 503.
    Reply handle(const HttpRequest& request, RequestLog& log);

  private:
    Reply submit(const std::string& game, const Query& query, const std::string& client);

    Store& store_;
    RateLimiter& limiter_;
    int keep_;
    std::string trustedProxy_;
};

// The game codes that have a Hall of Fame here.
bool isKnownGame(const std::string& game);

inline constexpr int kPageRows = 100;
inline constexpr std::size_t kMaxTargetLength = 2048; // path and query of one request

} // namespace hof

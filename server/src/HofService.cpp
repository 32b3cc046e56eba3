// SPDX-License-Identifier: GPL-3.0-or-later
#include "HofService.h"

#include "HtmlPage.h"
#include "HttpServer.h"
#include "JsonView.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <charconv>
#include <chrono>

namespace hof {

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kJson = "application/json";
const std::string kBrowsePath = "/games/puzhof.asp?game=";

std::string firstValue(const Query& query, const std::string& key) {
    const auto it = query.find(key);
    return it == query.end() ? std::string() : it->second;
}

// The query as sent: httplib's own parameters split a value at every "=", and the game's
// "b" value holds one.
Query queryOf(const httplib::Request& request) {
    const auto mark = request.target.find('?');
    return mark == std::string::npos ? Query() : parseQuery(request.target.substr(mark + 1));
}

Reply pageReply(int status, const Page& page) {
    return {status, kHtml, renderPage(page), {}};
}

Reply notFound(const std::string& game) {
    Page page;
    page.title = "No such Hall of Fame";
    page.message = game.empty() ? "The address names no game: it needs ?game= and a game code."
                                : "There is no Hall of Fame for the game code \"" + game + "\".";
    return pageReply(404, page);
}

Reply tooLargeReply() {
    Page page;
    page.title = "Request too large";
    page.message = "The request has more header lines or bytes than are read here.";
    return pageReply(431, page);
}

std::int64_t secondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

bool isKnownGame(const std::string& game) {
    return game == "tess";
}

Reply HofService::puzhof(const Query& query, const std::string& client) {
    const std::string game = firstValue(query, "game");
    if (!isKnownGame(game))
        return notFound(game);
    if (isSubmission(query))
        return submit(game, query, client);
    Page page;
    page.title = "Hall of Fame";
    page.table = store_.best(game, kPageRows);
    return pageReply(200, page);
}

Reply HofService::submit(const std::string& game, const Query& query, const std::string& client) {
    Page page;
    page.browseLink = kBrowsePath + game;
    // Only an entry that could be stored counts against the address's limit.
    const SubmissionCheck check = checkSubmission(game, query);
    if (!check.submission) {
        page.title = "Entry not accepted";
        page.message = "Nothing was entered, because:";
        page.problems = check.problems;
        return pageReply(400, page);
    }
    if (!limiter_.allow(client, RateLimiter::Clock::now())) {
        page.title = "Please wait a minute";
        page.message = "Too many entries came from your address in the last minute. Please "
                       "wait a minute and try again.";
        Reply reply = pageReply(429, page);
        reply.headers.emplace_back("Retry-After", "60");
        return reply;
    }
    const Submission& entry = *check.submission;
    const AddResult added = store_.add(entry, secondsNow());
    const std::string result = "a score of " + std::to_string(entry.score) + " on " +
                               std::to_string(entry.size) + " pieces";
    switch (added.outcome) {
    case Outcome::Added:
        page.message = "Thank you, " + entry.name + ": " + result + " is number " +
                       std::to_string(added.rank) + ".";
        break;
    case Outcome::Repeat:
        page.message = "This entry was already made: " + entry.name + ", " + result +
                       ", is number " + std::to_string(added.rank) + ".";
        break;
    case Outcome::TooLow:
        page.message = "Sorry, " + entry.name + ": " + result + " is below the best " +
                       std::to_string(keep_) + " kept here.";
        break;
    }
    page.title = "Hall of Fame";
    page.highlight = added.id;
    page.table = store_.best(game, kPageRows);
    page.browseLink.clear();
    return pageReply(200, page);
}

Reply HofService::health() {
    store_.best("tess", 1);
    return {200, "text/plain; charset=utf-8", "ok\n", {}};
}

std::string HofService::clientOf(const std::string& peer, const std::string& forwardedFor) const {
    if (trustedProxy_.empty() || peer != trustedProxy_ || forwardedFor.empty())
        return peer;
    // The proxy adds the address it saw at the end; anything before it the client wrote.
    const auto comma = forwardedFor.rfind(',');
    std::string last = forwardedFor.substr(comma == std::string::npos ? 0 : comma + 1);
    last.erase(0, last.find_first_not_of(' '));
    last.erase(last.find_last_not_of(' ') + 1);
    unsigned char address[sizeof(in6_addr)];
    if (inet_pton(AF_INET, last.c_str(), address) == 1 ||
        inet_pton(AF_INET6, last.c_str(), address) == 1)
        return last;
    return peer;
}

Reply HofService::scores(const Query& query) {
    const std::string game = firstValue(query, "game");
    if (!isKnownGame(game))
        return {404, kJson, renderJsonError("no Hall of Fame for this game code"), {}};
    int limit = kPageRows;
    if (query.count("limit")) {
        const std::string text = firstValue(query, "limit");
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), limit);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() || limit < 1 ||
            limit > keep_)
            return {
                400,
                kJson,
                renderJsonError("limit must be a whole number from 1 to " + std::to_string(keep_)),
                {}};
    }
    return {200, kJson, renderJson(game, store_.best(game, limit)), {}};
}

void HofService::install(httplib::Server& server, RequestLog& log) {
    const auto send = [](httplib::Response& response, const Reply& reply) {
        response.status = reply.status;
        for (const auto& [key, value] : reply.headers)
            response.set_header(key, value);
        response.set_content(reply.body, reply.contentType);
    };
    server.Get("/games/puzhof.asp", [this, send](const httplib::Request& request,
                                                 httplib::Response& response) {
        Query query = queryOf(request);
        // A HEAD request only asks what a GET would bring: it enters nothing.
        if (request.method == "HEAD")
            for (const char* key : {"a", "b", "c"})
                query.erase(key);
        send(response, puzhof(query, clientOf(request.remote_addr,
                                              request.get_header_value("X-Forwarded-For"))));
    });
    server.Get("/api/scores",
               [this, send](const httplib::Request& request, httplib::Response& response) {
                   send(response, scores(queryOf(request)));
               });
    server.Get("/healthz", [this, send](const httplib::Request&, httplib::Response& response) {
        send(response, health());
    });
    server.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect(kBrowsePath + "tess");
    });

    // Over-long addresses, heads and anything but GET are turned away before any work is done.
    server.set_pre_routing_handler([send](const httplib::Request& request,
                                          httplib::Response& response) {
        Page page;
        if (HttpServer::requestTooLarge()) {
            send(response, tooLargeReply());
            return httplib::Server::HandlerResponse::Handled;
        }
        if (request.target.size() > kMaxTargetLength) {
            page.title = "Address too long";
            page.message =
                "The address is longer than " + std::to_string(kMaxTargetLength) + " characters.";
            send(response, pageReply(414, page));
            return httplib::Server::HandlerResponse::Handled;
        }
        if (request.method != "GET" && request.method != "HEAD") {
            page.title = "Not allowed";
            page.message = "Only GET requests are answered here.";
            send(response, pageReply(405, page));
            response.set_header("Allow", "GET, HEAD");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    const httplib::Server::HandlerWithResponse errorPage = [send](const httplib::Request&,
                                                                  httplib::Response& response) {
        if (!response.body.empty())
            return httplib::Server::HandlerResponse::Unhandled;
        if (HttpServer::requestTooLarge()) {
            send(response, tooLargeReply());
            return httplib::Server::HandlerResponse::Handled;
        }
        Page page;
        page.title = response.status == 404 ? "No such page" : "Request not understood";
        page.message = response.status == 404 ? "There is no page at this address."
                                              : "The request could not be read.";
        page.browseLink = kBrowsePath + "tess";
        const int status = response.status;
        send(response, pageReply(status, page));
        return httplib::Server::HandlerResponse::Handled;
    };
    server.set_error_handler(errorPage);
    server.set_exception_handler([send, &log](const httplib::Request&, httplib::Response& response,
                                              std::exception_ptr failure) {
        std::string reason = "unknown failure";
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            reason = e.what();
        } catch (...) {
        }
        log.error(reason);
        Page page;
        page.title = "Not available";
        page.message = "The Hall of Fame is not available just now. Please try again later.";
        send(response, pageReply(503, page));
    });
    server.set_logger(
        [this, &log](const httplib::Request& request, const httplib::Response& response) {
            // The path only: the query holds the player's e-mail, which stays in the store. A
            // request too broken to read has no address of its own yet: its connection's is used.
            const std::string client =
                request.remote_addr.empty()
                    ? HttpServer::currentClient()
                    : clientOf(request.remote_addr, request.get_header_value("X-Forwarded-For"));
            log.request(client, request.method, request.path, response.status);
        });

    server.set_default_headers({
        {"Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'; img-src data:"},
        {"X-Content-Type-Options", "nosniff"},
        {"Referrer-Policy", "no-referrer"},
        {"Cache-Control", "no-store"},
    });
    server.set_payload_max_length(1024);
}

} // namespace hof

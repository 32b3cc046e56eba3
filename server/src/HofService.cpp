// SPDX-License-Identifier: GPL-3.0-or-later
#include "HofService.h"

#include "HtmlPage.h"
#include "JsonView.h"

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

Reply HofService::handle(const HttpRequest& request, RequestLog& log) {
    // Over-long addresses and anything but GET are turned away before any work is done.
    Page page;
    if (request.target.size() > kMaxTargetLength) {
        page.title = "Address too long";
        page.message =
            "The address is longer than " + std::to_string(kMaxTargetLength) + " characters.";
        return pageReply(414, page);
    }
    const bool head = request.method == "HEAD";
    if (request.method != "GET" && !head) {
        page.title = "Not allowed";
        page.message = "Only GET requests are answered here.";
        Reply reply = pageReply(405, page);
        reply.headers.emplace_back("Allow", "GET, HEAD");
        return reply;
    }
    try {
        const auto mark = request.target.find('?');
        Query query =
            mark == std::string::npos ? Query() : parseQuery(request.target.substr(mark + 1));
        if (request.path == "/games/puzhof.asp") {
            // A HEAD request only asks what a GET would bring: it enters nothing.
            if (head)
                for (const char* key : {"a", "b", "c"})
                    query.erase(key);
            return puzhof(query, clientOf(request.peer, request.forwardedFor));
        }
        if (request.path == "/api/scores")
            return scores(query);
        if (request.path == "/healthz")
            return health();
        if (request.path == "/")
            return {302, kHtml, "", {{"Location", kBrowsePath + "tess"}}};
    } catch (const std::exception& e) {
        log.error(e.what());
        page.title = "Not available";
        page.message = "The Hall of Fame is not available just now. Please try again later.";
        return pageReply(503, page);
    }
    page.title = "No such page";
    page.message = "There is no page at this address.";
    page.browseLink = kBrowsePath + "tess";
    return pageReply(404, page);
}

} // namespace hof

// SPDX-License-Identifier: GPL-3.0-or-later
// tessary-hof: the online Hall of Fame server. See --help.
#include "HofService.h"
#include "HttpServer.h"
#include "Options.h"
#include "RateLimiter.h"
#include "Store.h"

#include <sys/resource.h>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv) {
    const hof::ParsedOptions parsed = hof::parseOptions({argv + 1, argv + argc});
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "tessary-hof: %s\n\n%s", parsed.error.c_str(), hof::kUsage);
        return 2;
    }
    const hof::Options& options = parsed.options;
    if (options.help) {
        std::fputs(hof::kUsage, stdout);
        return 0;
    }

    // Every open connection is a descriptor: the usual soft limit of 1024 would turn clients
    // away long before the server is busy, so it is raised to what the system allows.
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }

    std::unique_ptr<hof::Store> store;
    try {
        store = hof::openStore(options.db, options.keep, options.init);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tessary-hof: %s\n", e.what());
        return 1;
    }
    hof::RateLimiter limiter(options.perMinute);
    hof::HofService service(*store, limiter, options.keep);
    service.trustProxy(options.trustedProxy);
    hof::RequestLog log(stderr);
    // The path only: the query holds the player's e-mail, which stays in the store.
    hof::HttpServer server(
        [&](const hof::HttpRequest& request) { return service.handle(request, log); },
        [&](const hof::HttpRequest& request, int status) {
            log.request(service.clientOf(request.peer, request.forwardedFor), request.method,
                        request.path, status);
        });
    server.onError([&](const std::string& what) { log.error(what); });
    if (!options.trustedProxy.empty())
        server.exemptFromConnectionLimit(options.trustedProxy);

    // SIGTERM and SIGINT stop the server cleanly: this thread waits for them, every other
    // thread (the server's too) has them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    const int port = server.start(options.host, options.port);
    if (port <= 0) {
        std::fprintf(stderr, "tessary-hof: cannot listen on %s:%d\n", options.host.c_str(),
                     options.port);
        return 1;
    }
    std::fprintf(stderr, "tessary-hof: listening on %s port %d\n", options.host.c_str(), port);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.stop();
    std::fprintf(stderr, "tessary-hof: stopped\n");
    return 0;
}

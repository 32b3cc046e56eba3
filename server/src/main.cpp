// SPDX-License-Identifier: GPL-3.0-or-later
// tessary-hof: the online Hall of Fame server. See --help.
#include "HofService.h"
#include "HttpServer.h"
#include "Options.h"
#include "RateLimiter.h"
#include "Store.h"

#include <csignal>
#include <cstdio>
#include <thread>

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
    hof::HttpServer server;
    if (!options.trustedProxy.empty())
        server.exemptFromConnectionLimit(options.trustedProxy);
    hof::RequestLog log(stderr);
    service.install(server, log);

    // SIGTERM and SIGINT stop the server cleanly: one thread waits for them, every other
    // thread (the server's workers too) has them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    const int port = server.bind(options.host, options.port);
    if (port <= 0) {
        std::fprintf(stderr, "tessary-hof: cannot listen on %s:%d\n", options.host.c_str(),
                     options.port);
        return 1;
    }
    std::thread stopper([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        server.stop();
    });
    std::fprintf(stderr, "tessary-hof: listening on %s port %d\n", options.host.c_str(), port);
    const bool served = server.listen_after_bind();
    if (!served)
        std::fprintf(stderr, "tessary-hof: the server stopped on an error\n");
    // Wakes the waiting thread if the server ended by itself.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    std::fprintf(stderr, "tessary-hof: stopped\n");
    return served ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Sends many entries to a running tessary-hof from parallel clients, the way browsers would
// (a fresh connection each), some of them twice (a reload) and some of them bad; then checks
// that every good entry is in the table exactly once and reports the requests per second.
//
//   hof_load_client PORT CLIENTS ENTRIES_PER_CLIENT
#include <httplib.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string encode(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (std::isalnum(b) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    return out;
}

std::string nameOf(int client, int entry) {
    return "Load " + std::to_string(client) + "-" + std::to_string(entry);
}

std::string address(int score, const std::string& name, int size) {
    return "/games/puzhof.asp?game=tess&a=" + std::to_string(score) + "&b=" + encode(name) +
           "%20size=" + std::to_string(size) + "&c=" + encode(name + "@load.example");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PORT CLIENTS ENTRIES_PER_CLIENT\n", argv[0]);
        return 2;
    }
    const int port = std::stoi(argv[1]), clients = std::stoi(argv[2]),
              perClient = std::stoi(argv[3]);
    std::atomic<int> requests = 0, wrong = 0;

    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    for (int k = 0; k < clients; ++k) {
        threads.emplace_back([&, k] {
            httplib::Client client("127.0.0.1", port);
            client.set_connection_timeout(5);
            client.set_read_timeout(10);
            client.set_write_timeout(10);
            const auto expect = [&](const std::string& path, int status, const char* words) {
                ++requests;
                const auto reply = client.Get(path);
                if (!reply || reply->status != status ||
                    reply->body.find(words) == std::string::npos) {
                    if (wrong++ < 5)
                        std::fprintf(stderr, "unexpected answer to %s: %d\n", path.c_str(),
                                     reply ? reply->status : -1);
                }
            };
            for (int i = 0; i < perClient; ++i) {
                const std::string name = nameOf(k, i);
                const std::string good = address(100 + k * perClient + i, name, 4 + i);
                expect(good, 200, "Thank you");
                if (i % 5 == 0)
                    expect(good, 200, "This entry was already made");
                if (i % 10 == 0)
                    expect(address(0, name, 4 + i), 400, "The score must be");
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(10);
    const auto table = client.Get("/api/scores?game=tess&limit=1000");
    if (!table || table->status != 200) {
        std::fprintf(stderr, "FAIL: the server no longer answers after the load\n");
        return 1;
    }
    int missing = 0, rows = 0;
    for (std::size_t at = 0; (at = table->body.find("\"rank\":", at)) != std::string::npos; ++at)
        ++rows;
    for (int k = 0; k < clients; ++k)
        for (int i = 0; i < perClient; ++i) {
            const std::string key = "\"name\":\"" + nameOf(k, i) + "\"";
            const auto first = table->body.find(key);
            if (first == std::string::npos || table->body.find(key, first + 1) != std::string::npos)
                ++missing;
        }
    std::printf("%d requests from %d parallel clients in %.2f s: %.0f requests/second\n",
                requests.load(), clients, seconds, requests / seconds);
    std::printf("%d entries in the table, %d expected; %d answers unexpected; %d entries not "
                "stored exactly once\n",
                rows, clients * perClient, wrong.load(), missing);
    const bool ok = wrong == 0 && missing == 0 && rows == clients * perClient;
    std::puts(ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}

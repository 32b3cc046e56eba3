// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <chrono>
#include <mutex>
#include <vector>

struct pg_conn;
struct pg_result;

namespace hof {

// The Hall of Fame in a PostgreSQL database, for more than one server or machine. One
// connection, taken in turns; it is opened again when the database went away. Connecting and
// each request give up after `patience` (5 s), even when the database stopped answering.
class PostgresStore : public Store {
  public:
    PostgresStore(const std::string& uri, int keep, bool create,
                  std::chrono::milliseconds patience = std::chrono::seconds(5));
    ~PostgresStore() override;
    PostgresStore(const PostgresStore&) = delete;
    PostgresStore& operator=(const PostgresStore&) = delete;

    AddResult add(const Submission& entry, std::int64_t time) override;
    std::vector<ShownEntry> best(const std::string& game, int limit) override;

  private:
    class Result;
    void connect();
    void ensureConnected();
    void drop();
    void startClock(std::chrono::milliseconds patience);
    bool counted();
    void addCounts();
    void rollBack() noexcept;
    template <typename Work> auto retried(Work work);
    AddResult addOnce(const Submission& entry, std::int64_t time);
    std::vector<ShownEntry> bestOnce(const std::string& game, int limit);
    Result run(const char* name, const std::vector<std::string>& values);
    Result query(const char* sql);
    void execute(const char* sql);
    Result finish(int sent);
    void waitFor(short events);
    [[noreturn]] void fail();

    std::mutex mutex_;
    std::string uri_;
    pg_conn* connection_ = nullptr;
    int keep_;
    bool create_;
    std::chrono::milliseconds patience_;
    std::chrono::steady_clock::time_point deadline_;
};

} // namespace hof

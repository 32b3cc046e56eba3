// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <mutex>
#include <vector>

struct pg_conn;
struct pg_result;

namespace hof {

// The Hall of Fame in a PostgreSQL database, for more than one server or machine. One
// connection, taken in turns; it is opened again when the database went away. Connecting and
// each statement time out after 5 s.
class PostgresStore : public Store {
  public:
    PostgresStore(const std::string& uri, int keep, bool create);
    ~PostgresStore() override;
    PostgresStore(const PostgresStore&) = delete;
    PostgresStore& operator=(const PostgresStore&) = delete;

    AddResult add(const Submission& entry, std::int64_t time) override;
    std::vector<ShownEntry> best(const std::string& game, int limit) override;

  private:
    class Result;
    void connect();
    void ensureConnected();
    bool counted();
    void addCounts();
    template <typename Work> auto retried(Work work);
    AddResult addOnce(const Submission& entry, std::int64_t time);
    std::vector<ShownEntry> bestOnce(const std::string& game, int limit);
    Result run(const char* name, const std::vector<std::string>& values);
    void execute(const char* sql);

    std::mutex mutex_;
    std::string uri_;
    pg_conn* connection_ = nullptr;
    int keep_;
    bool create_;
};

} // namespace hof

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <mutex>

struct sqlite3;
struct sqlite3_stmt;

namespace hof {

// The Hall of Fame in one SQLite file; requests from many threads take turns.
class SqliteStore : public Store {
  public:
    SqliteStore(const std::string& path, int keep);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore&) = delete;
    SqliteStore& operator=(const SqliteStore&) = delete;

    AddResult add(const Submission& entry, std::int64_t time) override;
    std::vector<ShownEntry> best(const std::string& game, int limit) override;

  private:
    class Statement;
    AddResult addInTransaction(const Submission& entry, std::int64_t time);
    void execute(const char* sql);
    [[noreturn]] void fail(const std::string& what);

    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    int keep_;
};

} // namespace hof

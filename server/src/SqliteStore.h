// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <mutex>

struct sqlite3;
struct sqlite3_stmt;

namespace hof {

// The Hall of Fame in one SQLite file; submissions take turns on one connection, page views on
// another. `create`: a missing file is made, else it is an error.
class SqliteStore : public Store {
  public:
    SqliteStore(const std::string& path, int keep, bool create);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore&) = delete;
    SqliteStore& operator=(const SqliteStore&) = delete;

    AddResult add(const Submission& entry, std::int64_t time) override;
    std::vector<ShownEntry> best(const std::string& game, int limit) override;

  private:
    class Statement;
    AddResult addInTransaction(const Submission& entry, std::int64_t time);
    void execute(const char* sql);
    void migrate();
    void checkFile() const;
    [[noreturn]] void fail(sqlite3* db, const std::string& what);

    std::mutex mutex_;
    std::mutex readMutex_;
    std::string path_;
    sqlite3* db_ = nullptr;
    sqlite3* reader_ = nullptr;
    int keep_;
    unsigned long device_ = 0;
    unsigned long inode_ = 0;
};

} // namespace hof

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqliteStore.h"

#include "StoreSql.h"

#include <sqlite3.h>

namespace hof {

// A prepared statement, finalized when it goes out of scope.
class SqliteStore::Statement {
  public:
    Statement(SqliteStore& store, const char* sql) : store_(store) {
        if (sqlite3_prepare_v2(store.db_, sql, -1, &statement_, nullptr) != SQLITE_OK)
            store.fail("cannot prepare a query");
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::int64_t value) {
        check(sqlite3_bind_int64(statement_, index, value));
        return *this;
    }
    Statement& bind(int index, const std::string& text) {
        check(sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                                SQLITE_TRANSIENT));
        return *this;
    }
    // True while there is a row to read.
    bool step() {
        const int result = sqlite3_step(statement_);
        if (result == SQLITE_ROW)
            return true;
        if (result != SQLITE_DONE)
            store_.fail("cannot run a query");
        return false;
    }
    std::int64_t integer(int column) { return sqlite3_column_int64(statement_, column); }
    std::string text(int column) {
        const auto* bytes = sqlite3_column_text(statement_, column);
        return bytes
                   ? std::string(reinterpret_cast<const char*>(bytes),
                                 static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                   : std::string();
    }

  private:
    void check(int result) {
        if (result != SQLITE_OK)
            store_.fail("cannot bind a value");
    }
    SqliteStore& store_;
    sqlite3_stmt* statement_ = nullptr;
};

SqliteStore::SqliteStore(const std::string& path, int keep) : keep_(keep) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw StoreError("cannot open the database " + path + ": " + reason);
    }
    // Another server on the same file waits its turn rather than failing at once.
    sqlite3_busy_timeout(db_, 5000);
    try {
        execute("PRAGMA journal_mode=WAL");
        execute(sql::kSqliteSchema);
    } catch (...) {
        sqlite3_close(db_);
        throw;
    }
}

SqliteStore::~SqliteStore() {
    sqlite3_close(db_);
}

// Fixed text only (the schema, transactions): every value goes through a Statement.
void SqliteStore::execute(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("cannot run a command");
}

void SqliteStore::fail(const std::string& what) {
    throw StoreError("SQLite: " + what + ": " + sqlite3_errmsg(db_));
}

AddResult SqliteStore::add(const Submission& entry, std::int64_t time) {
    std::lock_guard lock(mutex_);
    execute("BEGIN IMMEDIATE");
    try {
        const AddResult result = addInTransaction(entry, time);
        execute("COMMIT");
        return result;
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

// Every statement is finished when this returns, as COMMIT requires.
AddResult SqliteStore::addInTransaction(const Submission& entry, std::int64_t time) {
    AddResult result;
    {
        // A reload, with the same or another e-mail, finds the entry made before.
        Statement find(*this, sql::sqlite::kFind);
        find.bind(1, entry.game).bind(2, entry.score).bind(3, entry.size).bind(4, entry.name);
        if (find.step()) {
            result.outcome = Outcome::Repeat;
            result.id = find.integer(0);
        } else {
            Statement insert(*this, sql::sqlite::kInsert);
            insert.bind(1, entry.game).bind(2, entry.score).bind(3, entry.size);
            insert.bind(4, entry.name).bind(5, entry.email).bind(6, time);
            if (!insert.step())
                fail("a new entry cannot be stored");
            result.outcome = Outcome::Added;
            result.id = insert.integer(0);
        }
        Statement trim(*this, sql::sqlite::kTrim);
        trim.bind(1, entry.game).bind(2, keep_).step();
        Statement rank(*this, sql::sqlite::kRank);
        rank.bind(1, result.id);
        // Entries past the limit may wait for a later trim: they are not in the table.
        if (rank.step() && rank.integer(0) <= keep_)
            result.rank = static_cast<int>(rank.integer(0));
        else
            result = AddResult{};
    }
    return result;
}

std::vector<ShownEntry> SqliteStore::best(const std::string& game, int limit) {
    std::lock_guard lock(mutex_);
    std::vector<ShownEntry> entries;
    Statement select(*this, sql::sqlite::kBest);
    select.bind(1, game).bind(2, limit);
    while (select.step()) {
        ShownEntry row;
        row.id = select.integer(0);
        row.score = static_cast<int>(select.integer(1));
        row.size = static_cast<int>(select.integer(2));
        row.name = select.text(3);
        row.time = select.integer(4);
        row.rank = static_cast<int>(entries.size()) + 1;
        entries.push_back(std::move(row));
    }
    return entries;
}

} // namespace hof

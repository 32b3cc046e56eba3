// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqliteStore.h"

#include "StoreSql.h"

#include <algorithm>
#include <sqlite3.h>
#include <sys/stat.h>

namespace hof {

// A prepared statement, finalized when it goes out of scope.
class SqliteStore::Statement {
  public:
    Statement(SqliteStore& store, sqlite3* db, const char* sql) : store_(store), db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK)
            store.fail(db, "cannot prepare a query");
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
            store_.fail(db_, "cannot run a query");
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
            store_.fail(db_, "cannot bind a value");
    }
    SqliteStore& store_;
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

namespace {

sqlite3* openConnection(const std::string& path, int flags) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string reason = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw StoreError("cannot open the database " + path + ": " + reason);
    }
    // Another server on the same file waits its turn rather than failing at once.
    sqlite3_busy_timeout(db, 5000);
    return db;
}

} // namespace

SqliteStore::SqliteStore(const std::string& path, int keep, bool create)
    : path_(path), keep_(keep) {
    struct stat file {};
    // A mistyped path must not start an empty table.
    if (!create && ::stat(path.c_str(), &file) != 0)
        throw StoreError("the database " + path + " does not exist (--init creates a new one)");
    db_ = openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    try {
        execute("PRAGMA journal_mode=WAL");
        migrate();
        // Page views read on a connection of their own: with the write-ahead log they never
        // wait behind a submission.
        reader_ = openConnection(path, SQLITE_OPEN_READONLY);
        if (::stat(path.c_str(), &file) != 0)
            fail(db_, "the database file cannot be found");
        device_ = file.st_dev;
        inode_ = file.st_ino;
    } catch (...) {
        sqlite3_close(reader_);
        sqlite3_close(db_);
        throw;
    }
}

SqliteStore::~SqliteStore() {
    sqlite3_close(reader_);
    sqlite3_close(db_);
}

// Fixed text only (the schema, transactions): every value goes through a Statement.
void SqliteStore::execute(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db_, "cannot run a command");
}

// A new file, or one from before the counts, gets them in one transaction: another server
// opening the same file at the same time waits, then finds them made.
void SqliteStore::migrate() {
    execute("BEGIN IMMEDIATE");
    try {
        execute(sql::kSqliteSchema);
        if (!Statement(*this, db_, sql::sqlite::kCounted).step())
            execute(sql::kSqliteCounts);
        execute("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void SqliteStore::fail(sqlite3* db, const std::string& what) {
    throw StoreError("SQLite: " + what + ": " + sqlite3_errmsg(db));
}

// SQLite keeps using a file that was deleted or replaced, and a new one would start empty:
// either way nothing may be acknowledged.
void SqliteStore::checkFile() const {
    struct stat file {};
    if (::stat(path_.c_str(), &file) != 0 || file.st_dev != device_ || file.st_ino != inode_)
        throw StoreError("the database file " + path_ + " was removed or replaced");
}

AddResult SqliteStore::add(const Submission& entry, std::int64_t time) {
    std::lock_guard lock(mutex_);
    checkFile();
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
        Statement find(*this, db_, sql::sqlite::kFind);
        find.bind(1, entry.game).bind(2, entry.score).bind(3, entry.size).bind(4, entry.name);
        if (find.step()) {
            result.outcome = Outcome::Repeat;
            result.id = find.integer(0);
        } else {
            Statement insert(*this, db_, sql::sqlite::kInsert);
            insert.bind(1, entry.game).bind(2, entry.score).bind(3, entry.size);
            insert.bind(4, entry.name).bind(5, entry.email).bind(6, time);
            if (!insert.step())
                fail(db_, "a new entry cannot be stored");
            result.outcome = Outcome::Added;
            result.id = insert.integer(0);
        }
        Statement size(*this, db_, sql::sqlite::kSize);
        size.bind(1, entry.game).step();
        const std::int64_t over = size.integer(0) - keep_;
        if (over > 0) {
            Statement trim(*this, db_, sql::sqlite::kTrim);
            trim.bind(1, entry.game).bind(2, std::min<std::int64_t>(over, sql::kTrimBatch)).step();
        }
        Statement rank(*this, db_, sql::sqlite::kRank);
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
    std::lock_guard lock(readMutex_);
    checkFile();
    std::vector<ShownEntry> entries;
    Statement select(*this, reader_, sql::sqlite::kBest);
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PostgresStore.h"

#include "StoreSql.h"

#include <libpq-fe.h>

#include <algorithm>
#include <utility>

namespace hof {

namespace {

struct Prepared {
    const char* name;
    const char* sql;
    int values;
};
constexpr Prepared kStatements[] = {
    {"insert", sql::postgres::kInsert, 6}, {"find", sql::postgres::kFind, 4},
    {"size", sql::postgres::kSize, 1},     {"trim", sql::postgres::kTrim, 2},
    {"rank", sql::postgres::kRank, 1},     {"best", sql::postgres::kBest, 2},
};

} // namespace

// A query's result, cleared when it goes out of scope.
class PostgresStore::Result {
  public:
    explicit Result(PGresult* result) : result_(result) {}
    ~Result() { PQclear(result_); }
    Result(Result&& other) noexcept : result_(std::exchange(other.result_, nullptr)) {}
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;
    Result& operator=(Result&&) = delete;

    ExecStatusType status() const { return PQresultStatus(result_); }
    int rows() const { return PQntuples(result_); }
    std::string text(int row, int column) const { return PQgetvalue(result_, row, column); }
    std::int64_t integer(int row, int column) const { return std::stoll(text(row, column)); }

  private:
    PGresult* result_;
};

PostgresStore::PostgresStore(const std::string& uri, int keep, bool create)
    : uri_(uri), keep_(keep), create_(create) {
    try {
        connect();
    } catch (...) {
        // No destructor runs for a store that was never made.
        PQfinish(connection_);
        throw;
    }
}

PostgresStore::~PostgresStore() {
    PQfinish(connection_);
}

void PostgresStore::connect() {
    PQfinish(connection_);
    // A stalled database answers within seconds, with an error, rather than holding every
    // request; the address's own settings, given after these, win.
    const char* const keywords[] = {"connect_timeout", "options", "dbname", nullptr};
    const char* const values[] = {"5", "-c statement_timeout=5000", uri_.c_str(), nullptr};
    connection_ = PQconnectdbParams(keywords, values, 1);
    if (PQstatus(connection_) != CONNECTION_OK)
        throw StoreError(std::string("cannot connect to PostgreSQL: ") +
                         PQerrorMessage(connection_));
    execute("SET client_min_messages TO warning");
    if (!create_) {
        const Result table(PQexec(connection_, "SELECT to_regclass('scores') IS NOT NULL"));
        if (table.status() != PGRES_TUPLES_OK || table.rows() != 1 || table.text(0, 0) != "t")
            throw StoreError("PostgreSQL: the database has no Hall of Fame (--init makes one)");
    }
    execute(sql::kPostgresSchema);
    if (!counted())
        addCounts();
    for (const auto& statement : kStatements) {
        Result prepared(
            PQprepare(connection_, statement.name, statement.sql, statement.values, nullptr));
        if (prepared.status() != PGRES_COMMAND_OK)
            throw StoreError(std::string("PostgreSQL: cannot prepare a query: ") +
                             PQerrorMessage(connection_));
    }
}

void PostgresStore::ensureConnected() {
    if (PQstatus(connection_) != CONNECTION_OK)
        connect();
}

bool PostgresStore::counted() {
    const Result counts(PQexec(connection_, sql::postgres::kCounted));
    if (counts.status() != PGRES_TUPLES_OK || counts.rows() != 1)
        throw StoreError(std::string("PostgreSQL: ") + PQerrorMessage(connection_));
    return counts.text(0, 0) == "t";
}

// A table from before the counts is counted once, while no other server may write to it; one
// that got there first leaves nothing to do. Counting a full table may take longer than a
// statement may.
void PostgresStore::addCounts() {
    execute("BEGIN");
    try {
        execute("SET LOCAL statement_timeout = 0");
        execute("LOCK TABLE scores IN SHARE ROW EXCLUSIVE MODE");
        if (!counted())
            execute(sql::kPostgresCounts);
        execute("COMMIT");
    } catch (...) {
        PQclear(PQexec(connection_, "ROLLBACK"));
        throw;
    }
}

// Fixed text only (the schema, transactions): every value goes through a prepared statement.
void PostgresStore::execute(const char* sql) {
    Result result(PQexec(connection_, sql));
    const auto status = result.status();
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw StoreError(std::string("PostgreSQL: ") + PQerrorMessage(connection_));
}

PostgresStore::Result PostgresStore::run(const char* name, const std::vector<std::string>& values) {
    std::vector<const char*> pointers;
    for (const auto& value : values)
        pointers.push_back(value.c_str());
    Result result(PQexecPrepared(connection_, name, static_cast<int>(pointers.size()),
                                 pointers.data(), nullptr, nullptr, 0));
    const auto status = result.status();
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw StoreError(std::string("PostgreSQL: ") + PQerrorMessage(connection_));
    return result;
}

// A connection that broke (the database was restarted) is opened again and the work done once
// more: a failed transaction left nothing behind, and a repeated entry is found as such. An
// error on a working connection is the answer.
template <typename Work> auto PostgresStore::retried(Work work) {
    ensureConnected();
    try {
        return work();
    } catch (const StoreError&) {
        if (PQstatus(connection_) == CONNECTION_OK)
            throw;
    }
    connect();
    return work();
}

AddResult PostgresStore::add(const Submission& entry, std::int64_t time) {
    std::lock_guard lock(mutex_);
    return retried([&] { return addOnce(entry, time); });
}

std::vector<ShownEntry> PostgresStore::best(const std::string& game, int limit) {
    std::lock_guard lock(mutex_);
    return retried([&] { return bestOnce(game, limit); });
}

AddResult PostgresStore::addOnce(const Submission& entry, std::int64_t time) {
    execute("BEGIN");
    try {
        AddResult result;
        const std::string score = std::to_string(entry.score), size = std::to_string(entry.size);
        // A reload, with the same or another e-mail, finds the entry made before; the insert
        // finds nothing new only when another server stored the same entry just now.
        const Result found = run("find", {entry.game, score, size, entry.name});
        if (found.rows() == 1) {
            result.outcome = Outcome::Repeat;
            result.id = found.integer(0, 0);
        } else {
            const Result inserted = run(
                "insert", {entry.game, score, size, entry.name, entry.email, std::to_string(time)});
            if (inserted.rows() == 1) {
                result.outcome = Outcome::Added;
                result.id = inserted.integer(0, 0);
            } else {
                const Result again = run("find", {entry.game, score, size, entry.name});
                if (again.rows() != 1)
                    throw StoreError("PostgreSQL: a repeated entry cannot be found");
                result.outcome = Outcome::Repeat;
                result.id = again.integer(0, 0);
            }
        }
        const std::int64_t over = run("size", {entry.game}).integer(0, 0) - keep_;
        if (over > 0)
            run("trim",
                {entry.game, std::to_string(std::min<std::int64_t>(over, sql::kTrimBatch))});
        const Result rank = run("rank", {std::to_string(result.id)});
        // Entries past the limit may wait for a later trim: they are not in the table.
        if (rank.rows() == 1 && rank.integer(0, 0) <= keep_)
            result.rank = static_cast<int>(rank.integer(0, 0));
        else
            result = AddResult{};
        execute("COMMIT");
        return result;
    } catch (...) {
        PQclear(PQexec(connection_, "ROLLBACK"));
        throw;
    }
}

std::vector<ShownEntry> PostgresStore::bestOnce(const std::string& game, int limit) {
    const Result rows = run("best", {game, std::to_string(limit)});
    std::vector<ShownEntry> entries;
    for (int row = 0; row < rows.rows(); ++row) {
        ShownEntry shown;
        shown.id = rows.integer(row, 0);
        shown.score = static_cast<int>(rows.integer(row, 1));
        shown.size = static_cast<int>(rows.integer(row, 2));
        shown.name = rows.text(row, 3);
        shown.time = rows.integer(row, 4);
        shown.rank = row + 1;
        entries.push_back(std::move(shown));
    }
    return entries;
}

} // namespace hof

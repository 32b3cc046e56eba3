// SPDX-License-Identifier: GPL-3.0-or-later
#include "PostgresStore.h"

#include "StoreSql.h"

#include <libpq-fe.h>

#include <algorithm>
#include <cerrno>
#include <poll.h>
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
    explicit Result(PGresult* result = nullptr) : result_(result) {}
    ~Result() { PQclear(result_); }
    Result(Result&& other) noexcept : result_(std::exchange(other.result_, nullptr)) {}
    Result& operator=(Result&& other) noexcept {
        std::swap(result_, other.result_);
        return *this;
    }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;

    ExecStatusType status() const { return PQresultStatus(result_); }
    int rows() const { return PQntuples(result_); }
    std::string text(int row, int column) const { return PQgetvalue(result_, row, column); }
    std::int64_t integer(int row, int column) const { return std::stoll(text(row, column)); }

  private:
    PGresult* result_;
};

namespace {

// The database did not answer in time. Its connection is dropped and the request refused:
// trying again at once would only wait as long again; the next request connects anew.
class Stalled : public StoreError {
  public:
    using StoreError::StoreError;
};

// Counting the entries of a table from before the counts reads it all, once.
constexpr std::chrono::minutes kCountingPatience{5};

} // namespace

PostgresStore::PostgresStore(const std::string& uri, int keep, bool create,
                             std::chrono::milliseconds patience)
    : uri_(uri), keep_(keep), create_(create), patience_(patience) {
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
    drop();
    startClock(patience_);
    // A stalled database answers within seconds, with an error, rather than holding every
    // request; the address's own settings, given after these, win. libpq waits at least 2 s.
    const auto seconds =
        std::max<std::int64_t>(2, std::chrono::ceil<std::chrono::seconds>(patience_).count());
    const std::string connectTimeout = std::to_string(seconds);
    const std::string options = "-c statement_timeout=" + std::to_string(patience_.count());
    const char* const keywords[] = {"connect_timeout", "options", "dbname", nullptr};
    const char* const values[] = {connectTimeout.c_str(), options.c_str(), uri_.c_str(), nullptr};
    connection_ = PQconnectdbParams(keywords, values, 1);
    if (PQstatus(connection_) != CONNECTION_OK)
        throw StoreError(std::string("cannot connect to PostgreSQL: ") +
                         PQerrorMessage(connection_));
    // Sending never blocks either: every wait is on the socket, against the clock.
    if (PQsetnonblocking(connection_, 1) != 0)
        fail();
    execute("SET client_min_messages TO warning");
    if (!create_) {
        const Result table = query("SELECT to_regclass('scores') IS NOT NULL");
        if (table.rows() != 1 || table.text(0, 0) != "t")
            throw StoreError("PostgreSQL: the database has no Hall of Fame (--init makes one)");
    }
    execute(sql::kPostgresSchema);
    if (!counted())
        addCounts();
    for (const auto& statement : kStatements)
        finish(
            PQsendPrepare(connection_, statement.name, statement.sql, statement.values, nullptr));
}

void PostgresStore::ensureConnected() {
    if (PQstatus(connection_) != CONNECTION_OK)
        connect();
}

void PostgresStore::drop() {
    PQfinish(connection_);
    connection_ = nullptr;
}

void PostgresStore::startClock(std::chrono::milliseconds patience) {
    deadline_ = std::chrono::steady_clock::now() + patience;
}

bool PostgresStore::counted() {
    const Result counts = query(sql::postgres::kCounted);
    return counts.rows() == 1 && counts.text(0, 0) == "t";
}

// A table from before the counts is counted once, while no other server may write to it; one
// that got there first leaves nothing to do.
void PostgresStore::addCounts() {
    startClock(kCountingPatience);
    execute("BEGIN");
    try {
        execute("SET LOCAL statement_timeout = 0");
        execute("LOCK TABLE scores IN SHARE ROW EXCLUSIVE MODE");
        if (!counted())
            execute(sql::kPostgresCounts);
        execute("COMMIT");
    } catch (...) {
        rollBack();
        throw;
    }
    startClock(patience_);
}

void PostgresStore::rollBack() noexcept {
    if (PQstatus(connection_) != CONNECTION_OK)
        return;
    try {
        execute("ROLLBACK");
    } catch (const StoreError&) {
        // The error that led here is the one to report.
    }
}

// Fixed text only (the schema, transactions): every value goes through a prepared statement.
PostgresStore::Result PostgresStore::query(const char* sql) {
    return finish(PQsendQuery(connection_, sql));
}

void PostgresStore::execute(const char* sql) {
    query(sql);
}

PostgresStore::Result PostgresStore::run(const char* name, const std::vector<std::string>& values) {
    std::vector<const char*> pointers;
    for (const auto& value : values)
        pointers.push_back(value.c_str());
    return finish(PQsendQueryPrepared(connection_, name, static_cast<int>(pointers.size()),
                                      pointers.data(), nullptr, nullptr, 0));
}

// Sends what a PQsend call queued and reads every result of it, waiting on the socket no later
// than the deadline; the last result is the answer, the first error the failure.
PostgresStore::Result PostgresStore::finish(int sent) {
    if (!sent)
        fail();
    for (int flushed; (flushed = PQflush(connection_)) != 0;) {
        if (flushed < 0)
            fail();
        waitFor(POLLIN | POLLOUT);
        if (!PQconsumeInput(connection_))
            fail();
    }
    Result last;
    std::string error;
    for (;;) {
        while (PQisBusy(connection_)) {
            waitFor(POLLIN);
            if (!PQconsumeInput(connection_))
                fail();
        }
        PGresult* next = PQgetResult(connection_);
        if (!next)
            break;
        Result result(next);
        const auto status = result.status();
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && error.empty())
            error = PQresultErrorMessage(next);
        last = std::move(result);
    }
    if (!error.empty())
        throw StoreError("PostgreSQL: " + error);
    return last;
}

void PostgresStore::waitFor(short events) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                              deadline_ - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0)
            break;
        pollfd socket{PQsocket(connection_), events, 0};
        const int ready = ::poll(&socket, 1, static_cast<int>(left));
        if (ready > 0)
            return;
        if (ready < 0 && errno != EINTR)
            fail();
    }
    drop();
    throw Stalled("PostgreSQL did not answer within " + std::to_string(patience_.count()) + " ms");
}

// A connection that failed midway may hold half an answer: it is not used again.
void PostgresStore::fail() {
    const std::string reason = PQerrorMessage(connection_);
    drop();
    throw StoreError("PostgreSQL: " + reason);
}

// A connection that broke (the database was restarted) is opened again and the work done once
// more: a failed transaction left nothing behind, and a repeated entry is found as such. An
// error on a working connection is the answer, and so is a database that did not answer.
template <typename Work> auto PostgresStore::retried(Work work) {
    ensureConnected();
    startClock(patience_);
    try {
        return work();
    } catch (const Stalled&) {
        throw;
    } catch (const StoreError&) {
        if (PQstatus(connection_) == CONNECTION_OK)
            throw;
    }
    connect();
    startClock(patience_);
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
        rollBack();
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

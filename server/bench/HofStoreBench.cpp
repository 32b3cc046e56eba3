// SPDX-License-Identifier: GPL-3.0-or-later
// How many submissions a second the store takes with a game's table already full (--keep as
// large as the table), so nearly every submission is stored and trims the worst entry. The
// table is filled in one transaction, then the store is opened and counts it, as it counts a
// table from before the counts. PostgreSQL needs TESSARY_HOF_TEST_PG (tests/with_postgres.sh).
//
//   tests/with_postgres.sh build/bench/hof_store_bench
#include "Store.h"
#include "StoreSql.h"

#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

enum Backend { kSqlite, kPostgres };

// Fixed text straight into the database, past the store; an empty answer when it worked.
std::string runSql(Backend backend, const std::string& db, const std::string& text) {
    std::string error;
    if (backend == kSqlite) {
        sqlite3* connection = nullptr;
        sqlite3_open(db.c_str(), &connection);
        if (sqlite3_exec(connection, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            error = sqlite3_errmsg(connection);
        sqlite3_close(connection);
    } else {
        PGconn* connection = PQconnectdb(db.c_str());
        PGresult* result = PQexec(connection, text.c_str());
        if (PQresultStatus(result) != PGRES_COMMAND_OK)
            error = PQerrorMessage(connection);
        PQclear(result);
        PQfinish(connection);
    }
    return error;
}

// A table of `rows` entries with scores spread over the whole range, as the store made it
// before it kept counts.
std::string fill(Backend backend, const std::string& db, long rows) {
    const std::string count = std::to_string(rows);
    if (backend == kSqlite)
        return runSql(backend, db,
                      std::string(hof::sql::kSqliteSchema) +
                          "; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1"
                          " FROM n WHERE i < " +
                          count +
                          ") INSERT INTO scores (game, score, size, name, email, created)"
                          " SELECT 'tess', 1 + abs(random() % 32767), 80, 'player ' || i, '', i"
                          " FROM n; COMMIT");
    return runSql(backend, db,
                  "SET client_min_messages TO warning;"
                  " DROP TABLE IF EXISTS scores, score_counts, score_blocks; " +
                      std::string(hof::sql::kPostgresSchema) +
                      "; INSERT INTO scores (game, score, size, name, email, created)"
                      " SELECT 'tess', 1 + floor(random() * 32767)::int, 80, 'player ' || i, '',"
                      " i FROM generate_series(1, " +
                      count + ") i");
}

void submissions(benchmark::State& state) {
    const auto backend = static_cast<Backend>(state.range(0));
    const long rows = state.range(1);
    std::string db;
    std::filesystem::path folder;
    if (backend == kSqlite) {
        folder = std::filesystem::temp_directory_path() /
                 ("hof-store-bench-" + std::to_string(getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        db = (folder / "hof.sqlite").string();
    } else {
        const char* uri = std::getenv("TESSARY_HOF_TEST_PG");
        if (!uri || !*uri) {
            state.SkipWithError("TESSARY_HOF_TEST_PG is not set: run through with_postgres.sh");
            return;
        }
        db = uri;
    }
    if (const std::string error = fill(backend, db, rows); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    const auto opening = std::chrono::steady_clock::now();
    auto store = hof::openStore(db, static_cast<int>(rows), false);
    const std::chrono::duration<double> counting = std::chrono::steady_clock::now() - opening;

    std::mt19937 random(25);
    std::uniform_int_distribution<int> score(hof::kMinScore, hof::kMaxScore);
    long sent = 0;
    for (auto _ : state) {
        ++sent;
        const hof::Submission entry{"tess", score(random), 80, "new " + std::to_string(sent), ""};
        benchmark::DoNotOptimize(store->add(entry, rows + sent));
    }
    state.counters["submissions/s"] =
        benchmark::Counter(static_cast<double>(sent), benchmark::Counter::kIsRate);
    state.counters["opening_s"] = counting.count();
    store.reset();
    if (!folder.empty())
        std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(submissions)
    ->ArgNames({"postgres", "rows"})
    ->ArgsProduct({{kSqlite, kPostgres}, {100, 100000, 1000000}})
    ->Iterations(1000)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

// SPDX-License-Identifier: GPL-3.0-or-later
// The same tests for both stores. The PostgreSQL ones need a database: the test command starts
// a throw-away cluster and names it in TESSARY_HOF_TEST_PG (see with_postgres.sh).
#include "Store.h"
#include "PostgresStore.h"
#include "StoreSql.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

using namespace hof;

namespace {

Submission entry(int score, const std::string& name, int size = 80,
                 const std::string& email = "x@y.org") {
    return Submission{"tess", score, size, name, email};
}

std::vector<std::string> namesOf(const std::vector<ShownEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& e : entries)
        names.push_back(e.name);
    return names;
}

// The test cluster's server and every process it started, stopped as on a machine that stalled;
// running again when this goes out of scope.
class StoppedCluster {
  public:
    explicit StoppedCluster(const std::string& dataFolder) {
        std::ifstream pidFile(dataFolder + "/postmaster.pid");
        pid_t postmaster = 0;
        pidFile >> postmaster;
        if (postmaster <= 0)
            return;
        // The server first, so it starts nothing new while its children are found.
        stop(postmaster);
        FILE* children = popen(("pgrep -P " + std::to_string(postmaster)).c_str(), "r");
        for (int child = 0; children && std::fscanf(children, "%d", &child) == 1;)
            stop(child);
        if (children)
            pclose(children);
    }
    ~StoppedCluster() {
        for (const pid_t pid : stopped_)
            kill(pid, SIGCONT);
    }
    StoppedCluster(const StoppedCluster&) = delete;
    StoppedCluster& operator=(const StoppedCluster&) = delete;
    bool stoppedAny() const { return !stopped_.empty(); }

  private:
    void stop(pid_t pid) {
        if (kill(pid, SIGSTOP) == 0)
            stopped_.push_back(pid);
    }
    std::vector<pid_t> stopped_;
};

class StoreTest : public testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        if (GetParam() == "sqlite") {
            const auto folder =
                std::filesystem::temp_directory_path() / ("hof-store-" + std::to_string(getpid()));
            std::filesystem::create_directories(folder);
            folder_ = folder;
            db_ = (folder / "hof.sqlite").string();
        } else {
            const char* uri = std::getenv("TESSARY_HOF_TEST_PG");
            if (!uri || !*uri)
                GTEST_SKIP() << "TESSARY_HOF_TEST_PG is not set: run through with_postgres.sh";
            db_ = uri;
            dropTable();
        }
    }
    void TearDown() override {
        if (!folder_.empty())
            std::filesystem::remove_all(folder_);
    }
    void dropTable() {
        PGconn* connection = PQconnectdb(db_.c_str());
        ASSERT_EQ(PQstatus(connection), CONNECTION_OK) << PQerrorMessage(connection);
        PQclear(PQexec(connection, "SET client_min_messages TO warning"));
        PQclear(PQexec(connection, "DROP TABLE IF EXISTS scores, score_counts, score_blocks"));
        PQfinish(connection);
    }
    // Fixed text straight into the database, past the store.
    void runSql(const char* text) {
        if (GetParam() == "sqlite") {
            sqlite3* db = nullptr;
            ASSERT_EQ(sqlite3_open(db_.c_str(), &db), SQLITE_OK);
            EXPECT_EQ(sqlite3_exec(db, text, nullptr, nullptr, nullptr), SQLITE_OK)
                << sqlite3_errmsg(db);
            sqlite3_close(db);
        } else {
            PGconn* connection = PQconnectdb(db_.c_str());
            PGresult* result = PQexec(connection, text);
            EXPECT_EQ(PQresultStatus(result), PGRES_COMMAND_OK) << PQerrorMessage(connection);
            PQclear(result);
            PQfinish(connection);
        }
    }
    std::unique_ptr<Store> open(int keep = kDefaultKeep) { return openStore(db_, keep, true); }

    std::string db_;
    std::filesystem::path folder_;
};

} // namespace

TEST_P(StoreTest, BestFirstAndEqualScoresInTheOrderTheyCame) {
    auto store = open();
    EXPECT_EQ(store->add(entry(700, "First 700"), 1000).rank, 1);
    EXPECT_EQ(store->add(entry(900, "Top"), 1001).rank, 1);
    EXPECT_EQ(store->add(entry(600, "Low"), 1002).rank, 3);
    const AddResult later = store->add(entry(700, "Second 700"), 1003);
    EXPECT_EQ(later.outcome, Outcome::Added);
    EXPECT_EQ(later.rank, 3);
    const auto table = store->best("tess", 10);
    EXPECT_EQ(namesOf(table), (std::vector<std::string>{"Top", "First 700", "Second 700", "Low"}));
    EXPECT_EQ(table[2].id, later.id);
    EXPECT_EQ(table[2].rank, 3);
    EXPECT_EQ(table[2].score, 700);
    EXPECT_EQ(table[2].size, 80);
    EXPECT_EQ(table[2].time, 1003);
    EXPECT_EQ(namesOf(store->best("tess", 2)), (std::vector<std::string>{"Top", "First 700"}));
    EXPECT_TRUE(store->best("other", 10).empty());
}

TEST_P(StoreTest, TheSameSubmissionTwiceIsStoredOnce) {
    auto store = open();
    const AddResult first = store->add(entry(500, "Ann"), 1000);
    store->add(entry(800, "Bo"), 1001);
    const AddResult reload = store->add(entry(500, "Ann"), 1060);
    EXPECT_EQ(reload.outcome, Outcome::Repeat);
    EXPECT_EQ(reload.id, first.id);
    EXPECT_EQ(reload.rank, 2);
    // The e-mail is never shown, so a reload with another one would show the same row twice.
    EXPECT_EQ(store->add(entry(500, "Ann", 80, "other@y.org"), 1100).id, first.id);
    EXPECT_EQ(store->add(entry(500, "Ann", 81), 1100).outcome, Outcome::Added);
    EXPECT_EQ(store->best("tess", 10).size(), 3u);
}

TEST_P(StoreTest, OnlyTheBestAreKeptForEachGame) {
    auto store = open(3);
    for (int score : {50, 40, 30})
        store->add(entry(score, "n" + std::to_string(score)), score);
    Submission elsewhere = entry(1, "other game");
    elsewhere.game = "else";
    store->add(elsewhere, 1);
    const AddResult low = store->add(entry(30, "too late"), 99);
    EXPECT_EQ(low.outcome, Outcome::TooLow);
    EXPECT_EQ(low.rank, 0);
    EXPECT_EQ(store->add(entry(45, "n45"), 100).rank, 2);
    EXPECT_EQ(namesOf(store->best("tess", 10)), (std::vector<std::string>{"n50", "n45", "n40"}));
    EXPECT_EQ(namesOf(store->best("else", 10)), std::vector<std::string>{"other game"});
    // With a lower limit the worst go at the next submission; the counts follow every trim.
    store = open(2);
    EXPECT_EQ(store->add(entry(20, "n20"), 101).outcome, Outcome::TooLow);
    EXPECT_EQ(namesOf(store->best("tess", 10)), (std::vector<std::string>{"n50", "n45"}));
    store = open(4);
    EXPECT_EQ(store->add(entry(35, "n35"), 102).rank, 3);
    EXPECT_EQ(store->add(entry(44, "n44"), 103).rank, 3);
    EXPECT_EQ(store->add(entry(46, "n46"), 104).rank, 2);
    EXPECT_EQ(namesOf(store->best("tess", 10)),
              (std::vector<std::string>{"n50", "n46", "n45", "n44"}));
}

TEST_P(StoreTest, ATableFromBeforeTheCountsIsCountedWhenOpened) {
    runSql(GetParam() == "sqlite" ? sql::kSqliteSchema : sql::kPostgresSchema);
    runSql("INSERT INTO scores (game, score, size, name, email, created) VALUES"
           " ('tess', 900, 80, 'Top', '', 1), ('tess', 700, 80, 'A', '', 2),"
           " ('tess', 700, 80, 'B', '', 3), ('tess', 30, 80, 'Low', '', 4),"
           " ('else', 800, 80, 'E', '', 5)");
    auto store = openStore(db_, 4, false);
    const AddResult added = store->add(entry(650, "New"), 10);
    EXPECT_EQ(added.outcome, Outcome::Added);
    EXPECT_EQ(added.rank, 4);
    EXPECT_EQ(namesOf(store->best("tess", 10)), (std::vector<std::string>{"Top", "A", "B", "New"}));
    EXPECT_EQ(store->add(entry(700, "B"), 11).rank, 3);
    EXPECT_EQ(store->add(entry(30, "Low"), 12).outcome, Outcome::TooLow);
    Submission elsewhere = entry(799, "F");
    elsewhere.game = "else";
    EXPECT_EQ(store->add(elsewhere, 13).rank, 2);
}

TEST_P(StoreTest, NothingIsLostWhenTheStoreIsOpenedAgain) {
    open()->add(entry(321, "<b>Ann</b> & \"Bo\" 'x' ; DROP TABLE scores; --"), 1000);
    auto store = open();
    const auto table = store->best("tess", 10);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].name, "<b>Ann</b> & \"Bo\" 'x' ; DROP TABLE scores; --");
    EXPECT_EQ(store->add(entry(321, table[0].name), 2000).outcome, Outcome::Repeat);
}

TEST_P(StoreTest, AMissingDatabaseIsAnErrorUnlessToBeMade) {
    EXPECT_THROW(openStore(db_, kDefaultKeep, false), StoreError);
    open()->add(entry(321, "Ann"), 1000);
    EXPECT_EQ(openStore(db_, kDefaultKeep, false)->best("tess", 10).size(), 1u);
}

TEST_P(StoreTest, ALostOrStalledDatabaseIsOpenedAgainForTheNextRequest) {
    if (GetParam() != "postgres")
        GTEST_SKIP() << "a SQLite file has no connection to lose";
    const char* dataFolder = std::getenv("TESSARY_HOF_TEST_PG_DATA");
    ASSERT_TRUE(dataFolder) << "run through with_postgres.sh";
    auto store =
        std::make_unique<PostgresStore>(db_, kDefaultKeep, true, std::chrono::milliseconds(500));
    store->add(entry(321, "Ann"), 1000);
    // As a restart of PostgreSQL does: every other session of the database is ended.
    PGconn* admin = PQconnectdb(db_.c_str());
    PQclear(PQexec(admin, "SELECT pg_terminate_backend(pid) FROM pg_stat_activity"
                          " WHERE pid <> pg_backend_pid() AND datname = current_database()"));
    PQfinish(admin);
    EXPECT_EQ(store->add(entry(500, "Bo"), 1001).rank, 1);
    EXPECT_EQ(store->best("tess", 10).size(), 2u);
    // A database that stopped answering is given up on, not waited for, and the request after
    // it finds it again.
    {
        StoppedCluster stopped(dataFolder);
        ASSERT_TRUE(stopped.stoppedAny());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(store->add(entry(600, "Cy"), 1002), StoreError);
        std::cout << "[ stalled  ] PostgreSQL given up on after "
                  << std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count()
                  << " ms\n";
    }
    EXPECT_EQ(store->add(entry(700, "Di"), 1003).rank, 1);
    EXPECT_EQ(store->best("tess", 10).size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Sqlite, StoreTest, testing::Values("sqlite"));
INSTANTIATE_TEST_SUITE_P(Postgres, StoreTest, testing::Values("postgres"));

TEST(StoreOpening, AFolderThatCannotHoldTheFileIsReported) {
    EXPECT_THROW(openStore("/nonexistent-folder/hof.sqlite", kDefaultKeep, true), StoreError);
    EXPECT_THROW(openStore("postgresql://nobody@/none?host=/nonexistent-folder"), StoreError);
}

TEST(StoreOpening, AFileRemovedWhileOpenTakesNothingMore) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("hof-removed-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "hof.sqlite").string();
    auto store = openStore(path, kDefaultKeep, true);
    store->add(entry(321, "Ann"), 1000);
    std::filesystem::remove(path);
    EXPECT_THROW(store->add(entry(500, "Bo"), 1001), StoreError);
    EXPECT_FALSE(std::filesystem::exists(path));
    std::filesystem::remove_all(folder);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The queries of both stores. They differ only in how parameters are written (?1 or $1), in
// the type of the row id and in how triggers are written; every value reaches them as a bound
// parameter.
namespace hof::sql {

#define HOF_TABLE(ID_TYPE)                                                                         \
    "CREATE TABLE IF NOT EXISTS scores ("                                                          \
    " id " ID_TYPE ","                                                                             \
    " game TEXT NOT NULL, score INTEGER NOT NULL, size INTEGER NOT NULL,"                          \
    " name TEXT NOT NULL, email TEXT NOT NULL, created BIGINT NOT NULL,"                           \
    " UNIQUE (game, score, size, name, email));"                                                   \
    "CREATE INDEX IF NOT EXISTS scores_by_rank ON scores (game, score DESC, id)"

inline constexpr const char* kSqliteSchema = HOF_TABLE("INTEGER PRIMARY KEY AUTOINCREMENT");
inline constexpr const char* kPostgresSchema = HOF_TABLE("BIGSERIAL PRIMARY KEY");
#undef HOF_TABLE

// A rank or a trim must not count a full table, so triggers keep two counts beside it: the
// entries of each (game, score), and of each block of 256 scores. A rank then adds at most
// 128 block counts above the entry, at most 255 score counts within its block and the entries
// of its own score that came before it; a game's size is the sum of its block counts. Rows are
// only ever inserted and deleted, never changed; a count that falls to 0 stays as a 0.
#define HOF_BLOCK "256"
#define HOF_COUNTS                                                                                 \
    "CREATE TABLE score_counts (game TEXT NOT NULL, score INTEGER NOT NULL,"                       \
    " entries BIGINT NOT NULL, PRIMARY KEY (game, score));"                                        \
    "CREATE TABLE score_blocks (game TEXT NOT NULL, block INTEGER NOT NULL,"                       \
    " entries BIGINT NOT NULL, PRIMARY KEY (game, block));"                                        \
    "INSERT INTO score_counts SELECT game, score, COUNT(*) FROM scores GROUP BY game, score;"      \
    "INSERT INTO score_blocks SELECT game, score / " HOF_BLOCK ", COUNT(*) FROM scores"            \
    " GROUP BY game, score / " HOF_BLOCK ";"
#define HOF_COUNT_UP(ROW)                                                                          \
    "INSERT INTO score_counts VALUES (" ROW ".game, " ROW ".score, 1) ON CONFLICT (game, score)"   \
    " DO UPDATE SET entries = score_counts.entries + 1;"                                           \
    "INSERT INTO score_blocks VALUES (" ROW ".game, " ROW ".score / " HOF_BLOCK ", 1)"             \
    " ON CONFLICT (game, block) DO UPDATE SET entries = score_blocks.entries + 1;"
#define HOF_COUNT_DOWN(ROW)                                                                        \
    "UPDATE score_counts SET entries = entries - 1 WHERE game = " ROW ".game"                      \
    " AND score = " ROW ".score;"                                                                  \
    "UPDATE score_blocks SET entries = entries - 1 WHERE game = " ROW ".game"                      \
    " AND block = " ROW ".score / " HOF_BLOCK ";"

// Made once, in the transaction that counts the entries already there: a table from before the
// counts is counted when it is first opened.
inline constexpr const char* kSqliteCounts =
    HOF_COUNTS "CREATE TRIGGER scores_counted AFTER INSERT ON scores BEGIN " HOF_COUNT_UP(
        "new") " END;"
               "CREATE TRIGGER scores_uncounted AFTER DELETE ON scores BEGIN " HOF_COUNT_DOWN(
                   "old") " END;";
inline constexpr const char* kPostgresCounts =
    HOF_COUNTS "CREATE OR REPLACE FUNCTION scores_count() RETURNS trigger LANGUAGE plpgsql AS $$"
               " BEGIN IF TG_OP = 'INSERT' THEN " HOF_COUNT_UP("NEW") " ELSE " HOF_COUNT_DOWN(
                   "OLD") " END IF; RETURN NULL; END $$;"
                          "CREATE TRIGGER scores_counted AFTER INSERT OR DELETE ON scores"
                          " FOR EACH ROW EXECUTE FUNCTION scores_count();";
#undef HOF_COUNTS
#undef HOF_COUNT_UP
#undef HOF_COUNT_DOWN

// A game over its limit (a new entry, or --keep lowered) loses its worst entries, walking the
// index from the bottom, at most this many with each submission.
inline constexpr int kTrimBatch = 100;

#define HOF_QUERIES(P1, P2, P3, P4, P5, P6)                                                        \
    inline constexpr const char* kInsert =                                                         \
        "INSERT INTO scores (game, score, size, name, email, created)"                             \
        " VALUES (" P1 ", " P2 ", " P3 ", " P4 ", " P5 ", " P6 ")"                                 \
        " ON CONFLICT DO NOTHING RETURNING id";                                                    \
    inline constexpr const char* kFind =                                                           \
        "SELECT id FROM scores WHERE game = " P1 " AND score = " P2 " AND size = " P3              \
        " AND name = " P4 " ORDER BY id LIMIT 1";                                                  \
    inline constexpr const char* kSize =                                                           \
        "SELECT COALESCE(SUM(entries), 0) FROM score_blocks WHERE game = " P1;                     \
    inline constexpr const char* kTrim =                                                           \
        "DELETE FROM scores WHERE id IN (SELECT id FROM scores WHERE game = " P1                   \
        " ORDER BY score, id DESC LIMIT " P2 ")";                                                  \
    inline constexpr const char* kRank =                                                           \
        "SELECT 1"                                                                                 \
        " + COALESCE((SELECT SUM(entries) FROM score_blocks b WHERE b.game = me.game"              \
        " AND b.block > me.score / " HOF_BLOCK "), 0)"                                             \
        " + COALESCE((SELECT SUM(entries) FROM score_counts c WHERE c.game = me.game"              \
        " AND c.score > me.score AND c.score < (me.score / " HOF_BLOCK " + 1) * " HOF_BLOCK        \
        "), 0)"                                                                                    \
        " + (SELECT COUNT(*) FROM scores s WHERE s.game = me.game AND s.score = me.score"          \
        " AND s.id < me.id) FROM scores me WHERE me.id = " P1;                                     \
    inline constexpr const char* kBest = "SELECT id, score, size, name, created FROM scores"       \
                                         " WHERE game = " P1 " ORDER BY score DESC, id LIMIT " P2;

namespace sqlite {
HOF_QUERIES("?1", "?2", "?3", "?4", "?5", "?6")
inline constexpr const char* kCounted =
    "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'score_counts'";
} // namespace sqlite
namespace postgres {
HOF_QUERIES("$1", "$2", "$3", "$4", "$5", "$6")
inline constexpr const char* kCounted = "SELECT to_regclass('score_counts') IS NOT NULL";
} // namespace postgres
#undef HOF_QUERIES
#undef HOF_BLOCK

} // namespace hof::sql

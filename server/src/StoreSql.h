// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The queries of both stores. They differ only in how parameters are written (?1 or $1) and
// in the type of the row id; every value reaches them as a bound parameter.
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

// The trim walks the index to the last entry kept and deletes at most this many after it, so
// a submission costs about the same however full the table is; a table over the limit (after
// --keep was lowered) shrinks by this much with each submission.
#define HOF_TRIM_BATCH "100"

#define HOF_QUERIES(P1, P2, P3, P4, P5, P6)                                                        \
    inline constexpr const char* kInsert =                                                         \
        "INSERT INTO scores (game, score, size, name, email, created)"                             \
        " VALUES (" P1 ", " P2 ", " P3 ", " P4 ", " P5 ", " P6 ")"                                 \
        " ON CONFLICT DO NOTHING RETURNING id";                                                    \
    inline constexpr const char* kFind =                                                           \
        "SELECT id FROM scores WHERE game = " P1 " AND score = " P2 " AND size = " P3              \
        " AND name = " P4 " ORDER BY id LIMIT 1";                                                  \
    inline constexpr const char* kTrim =                                                           \
        "DELETE FROM scores WHERE id IN (SELECT id FROM scores WHERE game = " P1                   \
        " ORDER BY score DESC, id LIMIT " HOF_TRIM_BATCH " OFFSET " P2 ")";                        \
    inline constexpr const char* kRank =                                                           \
        "SELECT 1 + (SELECT COUNT(*) FROM scores s WHERE s.game = me.game AND s.score > me.score)" \
        " + (SELECT COUNT(*) FROM scores s WHERE s.game = me.game AND s.score = me.score"          \
        " AND s.id < me.id) FROM scores me WHERE me.id = " P1;                                     \
    inline constexpr const char* kBest = "SELECT id, score, size, name, created FROM scores"       \
                                         " WHERE game = " P1 " ORDER BY score DESC, id LIMIT " P2;

namespace sqlite {
HOF_QUERIES("?1", "?2", "?3", "?4", "?5", "?6")
}
namespace postgres {
HOF_QUERIES("$1", "$2", "$3", "$4", "$5", "$6")
}
#undef HOF_QUERIES
#undef HOF_TRIM_BATCH

} // namespace hof::sql

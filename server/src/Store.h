// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Submission.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace hof {

// One row of a game's table as it may be shown: the e-mail never leaves the store.
struct ShownEntry {
    std::int64_t id = 0;
    int rank = 0;
    int score = 0;
    int size = 0;
    std::string name;
    std::int64_t time = 0; // seconds since 1970, UTC
};

enum class Outcome {
    Added,  // a new entry
    Repeat, // the very same submission was stored before (a reload): nothing added
    TooLow, // below the best entries kept for the game: nothing kept
};

struct AddResult {
    Outcome outcome = Outcome::TooLow;
    std::int64_t id = 0; // the stored entry (new or repeated); 0 when too low
    int rank = 0;        // its place in the game's table; 0 when too low
};

// Where the Hall of Fame lives. Best first means: higher score first, and among equal scores
// the one submitted earlier. Each game keeps only its best `keep` entries.
class Store {
  public:
    virtual ~Store() = default;
    virtual AddResult add(const Submission& entry, std::int64_t time) = 0;
    virtual std::vector<ShownEntry> best(const std::string& game, int limit) = 0;
};

// A store that cannot be opened or used says why.
class StoreError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kDefaultKeep = 1000;

// "postgresql://..." or "postgres://..." opens PostgreSQL, anything else is a SQLite file.
// `create`: a missing file or table is made; else it is an error, so a mistyped address does
// not start an empty Hall of Fame.
std::unique_ptr<Store> openStore(const std::string& db, int keep = kDefaultKeep,
                                 bool create = false);

} // namespace hof

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Store.h"

#include "PostgresStore.h"
#include "SqliteStore.h"

namespace hof {

std::unique_ptr<Store> openStore(const std::string& db, int keep, bool create) {
    if (db.starts_with("postgresql://") || db.starts_with("postgres://"))
        return std::make_unique<PostgresStore>(db, keep, create);
    return std::make_unique<SqliteStore>(db, keep, create);
}

} // namespace hof

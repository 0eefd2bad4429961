// The embedded SQLite engine as a backend (native builds).
#pragma once

#include <memory>

#include "common/text.h"
#include "order_service/db/backend.h"

namespace order_service::db {

// Opens (creating when absent) the database file at path with the T-SQL
// compatibility registered; throws DatabaseError with SQLite's text.
std::unique_ptr<Backend> OpenSqliteBackend(const common::Text& path);

}  // namespace order_service::db

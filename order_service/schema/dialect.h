// The two SQL dialects the schema is written for, and how a configured server
// tells which one a database speaks.
#pragma once

#include <optional>
#include <string_view>

#include "common/text.h"

namespace order_service::schema {

enum class Dialect { kSqlServer, kSqlite };

// "sqlserver" or "sqlite"; nullopt for anything else.
std::optional<Dialect> ParseDialect(std::string_view name);

// The dialect of the database that the configuration's server names: the
// embedded engine ("sqlite:PATH", or an "odbc:" string naming an SQLite
// driver) speaks SQLite, everything else is SQL Server.
Dialect DialectOfServer(std::u16string_view server);

}  // namespace order_service::schema

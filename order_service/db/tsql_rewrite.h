// The changes the service's T-SQL text needs before SQLite takes it: "isnull"
// is an operator keyword there, so a call isnull(a, b) is a syntax error until
// its name is quoted ("isnull"(a, b) calls the function that tsql_compat
// registers); and a LIKE without wildcards is repeated as "=" so that the
// column's index serves it.
#pragma once

#include "common/text.h"

namespace order_service::db {

// Quotes every isnull that is called (followed by "(") and turns every
// condition "column like 'text'" whose text has no wildcard into
// "(column like 'text' and column = 'text')", outside string literals,
// quoted names and comments; everything else unchanged.
common::Text AdaptForSqlite(const common::Text& sql);

}  // namespace order_service::db

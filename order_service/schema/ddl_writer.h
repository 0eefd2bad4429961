// The CREATE TABLE and CREATE INDEX statements of a table in one dialect.
#pragma once

#include <vector>

#include "common/text.h"
#include "order_service/schema/dialect.h"
#include "order_service/schema/table_def.h"

namespace order_service::schema {

// A table or column name quoted for the dialect: [name] or "name".
Text QuoteName(Dialect dialect, std::u16string_view name);

// The column type as the dialect writes it, with SQLite's text collation.
Text ColumnType(Dialect dialect, ColumnKind kind);

// CREATE TABLE, then one CREATE INDEX per index; no trailing ";".
std::vector<Text> CreateTableStatements(Dialect dialect, const TableDef& table);

Text DropTableStatement(Dialect dialect, const TableDef& table);

// Every statement of the given tables as one script, each ended by ";" and a
// line break, headed by a comment for the administrator.
Text DdlScript(Dialect dialect, const std::vector<TableDef>& tables);

}  // namespace order_service::schema

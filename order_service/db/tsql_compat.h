// What the service's T-SQL statements need from SQLite that SQLite lacks:
// isnull(), Object_Id(), the SysColumns catalogue and SQL Server's default
// text comparison. Registered on each SQLite connection of the embedded
// backend, and built as a loadable extension for the SQLite ODBC driver.
#pragma once

struct sqlite3;

namespace order_service::db {

// Collation for text columns, as SQL Server's default: ASCII letters compare
// without case and trailing spaces are ignored. Schemas declare text columns
// "COLLATE TSQL_CI".
inline constexpr char kCollation[] = "TSQL_CI";

// Registers everything on db; returns an SQLite result code (SQLITE_OK).
int RegisterTsqlCompat(sqlite3* db);

}  // namespace order_service::db

// The T-SQL compatibility as a loadable SQLite extension, for the SQLite ODBC
// driver ("LoadExt=" in its connection string) and the sqlite3 shell.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include "order_service/db/tsql_compat.h"

// SQLite's default entry point name for an extension loaded without one.
extern "C" __attribute__((visibility("default"))) int sqlite3_extension_init(sqlite3* db, char**,
                                                                          const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  return order_service::db::RegisterTsqlCompat(db);
}

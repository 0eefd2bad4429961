// Maps the service's OLE DB connection string (the one LoadCfgINI builds) to
// the backend that serves it: SQL Server through ODBC, an embedded SQLite
// file, or any ODBC connection string.
#pragma once

#include "common/text.h"

namespace order_service::db {

// Which ODBC driver names SQL Server: Windows' own "SQL Server" driver, or
// FreeTDS elsewhere (Linux, and Wine, whose odbc32 forwards to the host).
enum class OdbcPlatform { kWindows, kUnix };

#ifdef _WIN32
inline constexpr OdbcPlatform kThisOdbcPlatform = OdbcPlatform::kWindows;
#else
inline constexpr OdbcPlatform kThisOdbcPlatform = OdbcPlatform::kUnix;
#endif

struct BackendTarget {
  enum class Kind { kSqlite, kOdbc } kind;
  common::Text target;  // the SQLite file path, or the ODBC connection string
};

// The settings of "Provider=SQLOLEDB.1;Password=..;Persist Security Info=True;
// User ID=..;Initial Catalog=..;Data Source=..". Values are taken as they
// stand (the service never quotes them); a ";" inside a value is kept when
// the text after it is not another known setting, and a data source of the
// form "sqlite:" or "odbc:" runs to the end of the string, where LoadCfgINI
// puts it.
struct OleDbSettings {
  common::Text provider, user, password, catalog, data_source;
};
OleDbSettings ParseOleDb(const common::Text& connection_string);

// Throws DatabaseError for a string that names no usable backend. A string
// that is itself "sqlite:PATH" or "odbc:..." is taken as a data source.
BackendTarget MapConnectionString(const common::Text& connection_string,
                                  OdbcPlatform platform = kThisOdbcPlatform);

// One ODBC "key=value" pair, the value braced when the driver could read it
// otherwise (";", braces, "=" or surrounding blanks), so no value can add keys.
common::Text OdbcPair(std::u16string_view key, std::u16string_view value);

}  // namespace order_service::db

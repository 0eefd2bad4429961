// The conformance table against the embedded SQLite engine and against SQLite
// through the ODBC backend (unixODBC, the SQLite3 driver, kvx_tsql loaded).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "order_service/db/connection.h"
#include "tests/order_service/db/conformance_table.h"

namespace order_service::db {
namespace {

namespace fs = std::filesystem;

std::string FreshDatabase(const char* name) {
  fs::path p = fs::current_path() / name;
  fs::remove(p);
  return p.string();
}

TEST(BackendConformance, EmbeddedSqliteThroughTheServiceConnectionString) {
  Connection cn;
  cn.Open(common::FromUtf8("Provider=SQLOLEDB.1;Password=;Persist Security Info=True;User ID=;Initial Catalog=;"
                           "Data Source=sqlite:" + FreshDatabase("embedded.db")));
  testing::ExpectConformance(cn);
}

TEST(BackendConformance, SqliteThroughOdbcWithTheExtension) {
  Connection cn;
  cn.Open(common::FromUtf8("Provider=SQLOLEDB.1;Password=pw;Persist Security Info=True;User ID=sa;"
                           "Initial Catalog=;Data Source=odbc:Driver=SQLite3;Database=" +
                           FreshDatabase("odbc.db") + ";LoadExt=" + KVX_TSQL_EXTENSION));
  testing::ExpectConformance(cn);
}

}  // namespace
}  // namespace order_service::db

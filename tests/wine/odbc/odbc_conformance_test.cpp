// The conformance table through Windows ODBC (odbc32 under Wine), the SQLite3
// driver and the T-SQL extension, reached by the service's own connection
// string with an odbc: data source. The script passes the host paths.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "order_service/db/connection.h"
#include "tests/order_service/db/conformance_table.h"

namespace order_service::db {
namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

TEST(WineOdbcConformance, SqliteDriverWithTheExtensionThroughOdbc32) {
  std::string database = Env("KVX_TEST_DB"), extension = Env("KVX_TSQL_EXTENSION");
  ASSERT_FALSE(database.empty() || extension.empty()) << "run through odbc_conformance_test.sh";
  Connection cn;
  cn.Open(common::FromUtf8("Provider=SQLOLEDB.1;Password=pw;Persist Security Info=True;User ID=sa;"
                           "Initial Catalog=;Data Source=odbc:Driver=SQLite3;Database=" +
                           database + ";LoadExt=" + extension));
  testing::ExpectConformance(cn);
}

}  // namespace
}  // namespace order_service::db

// The service's OLE DB connection string mapped to a backend: SQL Server
// through ODBC (Windows driver or FreeTDS), sqlite:PATH, odbc:STRING.
#include "order_service/db/connection_string.h"

#include <gtest/gtest.h>

#include "order_service/db/database_error.h"

namespace order_service::db {
namespace {

using common::Text;

// As LoadCfgINI builds it.
Text ServiceString(const Text& pwd, const Text& user, const Text& catalog, const Text& source) {
  return u"Provider=SQLOLEDB.1;Password=" + pwd + u";Persist Security Info=True;User ID=" + user +
         u";Initial Catalog=" + catalog + u";Data Source=" + source;
}

TEST(ConnectionString, MapsEachFormOfDataSource) {
  const struct {
    Text connection_string;
    OdbcPlatform platform;
    BackendTarget::Kind kind;
    Text target;
  } cases[] = {
      {ServiceString(u"pw", u"sa", u"印务", u"PRINTSRV"), OdbcPlatform::kWindows, BackendTarget::Kind::kOdbc,
       u"Driver={SQL Server};Server=PRINTSRV;Database=印务;Uid=sa;Pwd=pw"},
      {ServiceString(u"pw", u"sa", u"印务", u"PRINTSRV\\SQLEXPRESS"), OdbcPlatform::kUnix,
       BackendTarget::Kind::kOdbc,
       u"Driver=FreeTDS;Server=PRINTSRV\\SQLEXPRESS;Database=印务;UID=sa;PWD=pw;TDS_Version=auto;"
       u"ClientCharset=UTF-8"},
      {ServiceString(u"pw", u"sa", u"db", u"10.0.0.5,1433"), OdbcPlatform::kUnix, BackendTarget::Kind::kOdbc,
       u"Driver=FreeTDS;Server=10.0.0.5;Port=1433;Database=db;UID=sa;PWD=pw;TDS_Version=auto;ClientCharset=UTF-8"},
      // A password holding ";" stays one value and cannot add keys.
      {ServiceString(u"a;Trusted_Connection=Yes", u"sa", u"db", u"S"), OdbcPlatform::kWindows,
       BackendTarget::Kind::kOdbc, u"Driver={SQL Server};Server=S;Database=db;Uid=sa;Pwd={a;Trusted_Connection=Yes}"},
      {ServiceString(u"x;y}z", u"sa", u"db", u"S"), OdbcPlatform::kUnix, BackendTarget::Kind::kOdbc,
       u"Driver=FreeTDS;Server=S;Database=db;UID=sa;PWD={x;y}}z};TDS_Version=auto;ClientCharset=UTF-8"},
      {ServiceString(u"", u"", u"", u"sqlite:/var/lib/kvx/印务 demo.db"), OdbcPlatform::kUnix,
       BackendTarget::Kind::kSqlite, u"/var/lib/kvx/印务 demo.db"},
      {u"sqlite:demo.db", OdbcPlatform::kUnix, BackendTarget::Kind::kSqlite, u"demo.db"},
      // odbc: runs to the end of the string; credentials added only when it names none.
      {ServiceString(u"p;w", u"sa", u"db", u"odbc:Driver=SQLite3;Database=/tmp/a.db;LoadExt=/x/kvx_tsql.so"),
       OdbcPlatform::kUnix, BackendTarget::Kind::kOdbc,
       u"Driver=SQLite3;Database=/tmp/a.db;LoadExt=/x/kvx_tsql.so;UID=sa;PWD={p;w}"},
      {ServiceString(u"pw", u"sa", u"db", u"odbc:DSN=works;uid=reader;"), OdbcPlatform::kUnix,
       BackendTarget::Kind::kOdbc, u"DSN=works;uid=reader;"},
      {ServiceString(u"pw", u"sa", u"db", u"odbc:DSN=works;Description={a;uid=b}"), OdbcPlatform::kUnix,
       BackendTarget::Kind::kOdbc, u"DSN=works;Description={a;uid=b};UID=sa;PWD=pw"},
      {ServiceString(u"", u"", u"", u"odbc:DSN=works"), OdbcPlatform::kUnix, BackendTarget::Kind::kOdbc,
       u"DSN=works"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(common::ToUtf8(c.connection_string));
    BackendTarget t = MapConnectionString(c.connection_string, c.platform);
    EXPECT_EQ(t.kind, c.kind);
    EXPECT_EQ(common::ToUtf8(t.target), common::ToUtf8(c.target));
  }
}

TEST(ConnectionString, RejectsStringsThatNameNoBackend) {
  const Text cases[] = {
      u"",
      u"Provider=SQLOLEDB.1;Password=pw;User ID=sa;Initial Catalog=db;Data Source=",
      u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=c:\\orders.mdb",
      ServiceString(u"pw", u"sa", u"db", u"sqlite:"),
      ServiceString(u"pw", u"sa", u"db", u"odbc:  "),
  };
  for (const Text& cs : cases) {
    SCOPED_TRACE(common::ToUtf8(cs));
    try {
      MapConnectionString(cs, OdbcPlatform::kUnix);
      ADD_FAILURE() << "mapped";
    } catch (const DatabaseError& e) {
      EXPECT_FALSE(e.description().empty());
    }
  }
}

}  // namespace
}  // namespace order_service::db

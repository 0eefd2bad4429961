// ODBC through the wide-character API: one environment and connection per
// backend, statements run directly, every row fetched at once.
#include "order_service/db/odbc_backend.h"

#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include <clocale>
#ifndef _WIN32
#include <locale.h>
#endif
#include <cstdio>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "order_service/db/database_error.h"
#include "order_service/db/tsql_rewrite.h"

namespace order_service::db {
namespace {

using common::Text;

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the wide ODBC API must use UTF-16 units");

SQLWCHAR* Wide(const Text& s) { return reinterpret_cast<SQLWCHAR*>(const_cast<char16_t*>(s.c_str())); }

// How long a connection attempt to an unreachable server may take.
constexpr SQLULEN kLoginTimeoutSeconds = 15;

// Every diagnostic record of a handle, joined, as the description of the failure.
Text Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
  Text out;
  for (SQLSMALLINT rec = 1;; ++rec) {
    SQLWCHAR state[6] = {};
    SQLINTEGER native = 0;
    std::vector<SQLWCHAR> message(1024);
    SQLSMALLINT length = 0;
    SQLRETURN rc = SQLGetDiagRecW(type, handle, rec, state, &native, message.data(),
                                  static_cast<SQLSMALLINT>(message.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
      message.resize(length + 1);
      rc = SQLGetDiagRecW(type, handle, rec, state, &native, message.data(),
                          static_cast<SQLSMALLINT>(message.size()), &length);
    }
    if (!SQL_SUCCEEDED(rc)) break;
    if (!out.empty()) out += u"; ";
    out.append(reinterpret_cast<const char16_t*>(message.data()), static_cast<size_t>(length));
  }
  return out.empty() ? Text(u"The ODBC call failed without a diagnostic.") : out;
}

void CheckHandle(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle) {
  if (!SQL_SUCCEEDED(rc)) throw DatabaseError(Diagnostics(type, handle));
}

Text Timestamp(const SQL_TIMESTAMP_STRUCT& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u %02u:%02u:%02u", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return common::FromUtf8(buf);
}

#ifndef _WIN32
// unixODBC converts the wide calls for drivers that only have the narrow ones
// (the SQLite driver among them) with the character set of the calling
// thread's locale, and those drivers expect UTF-8. A program still in the "C"
// locale would turn every Chinese name into question marks, so each call
// sequence runs under a thread-local UTF-8 character type.
class Utf8CharacterType {
 public:
  Utf8CharacterType() : previous_(Utf8() ? uselocale(Utf8()) : nullptr) {}
  ~Utf8CharacterType() {
    if (previous_) uselocale(previous_);
  }
  Utf8CharacterType(const Utf8CharacterType&) = delete;
  Utf8CharacterType& operator=(const Utf8CharacterType&) = delete;

 private:
  static locale_t Utf8() {
    static const locale_t utf8 = [] {
      locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
      return l ? l : newlocale(LC_CTYPE_MASK, "C.utf8", nullptr);
    }();
    return utf8;
  }
  locale_t previous_;
};
#else
// odbc32 hands wide strings to the driver as they are.
struct Utf8CharacterType {
  ~Utf8CharacterType() {}
};
#endif

class Statement {
 public:
  explicit Statement(SQLHDBC dbc) { CheckHandle(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &h_), SQL_HANDLE_DBC, dbc); }
  ~Statement() { SQLFreeHandle(SQL_HANDLE_STMT, h_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  SQLHSTMT h() const { return h_; }
  void Check(SQLRETURN rc) const { CheckHandle(rc, SQL_HANDLE_STMT, h_); }

 private:
  SQLHSTMT h_ = SQL_NULL_HSTMT;
};

class OdbcBackend : public Backend {
 public:
  OdbcBackend() = default;
  ~OdbcBackend() override {
    if (dbc_ != SQL_NULL_HDBC) {
      if (connected_) {
        if (in_transaction_) SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
        SQLDisconnect(dbc_);
      }
      SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    }
    if (env_ != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, env_);
  }

  void Connect(const Text& connection_string) {
    Utf8CharacterType utf8;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_)))
      throw DatabaseError(u"The ODBC driver manager cannot allocate an environment.");
    CheckHandle(SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
          SQL_HANDLE_ENV, env_);
    CheckHandle(SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_), SQL_HANDLE_ENV, env_);
    SQLSetConnectAttrW(dbc_, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(kLoginTimeoutSeconds), 0);
    Text cs = connection_string;
    SQLWCHAR out[1024];
    SQLSMALLINT out_length = 0;
    CheckHandle(SQLDriverConnectW(dbc_, nullptr, Wide(cs), SQL_NTS, out, 1024, &out_length, SQL_DRIVER_NOPROMPT),
          SQL_HANDLE_DBC, dbc_);
    connected_ = true;
    // The SQLite driver hands statements to SQLite's parser as they are.
    SQLWCHAR dbms[64] = {};
    SQLSMALLINT dbms_length = 0;
    if (SQL_SUCCEEDED(SQLGetInfoW(dbc_, SQL_DBMS_NAME, dbms, sizeof dbms, &dbms_length))) {
      Text name(reinterpret_cast<const char16_t*>(dbms));
      adapt_for_sqlite_ = name.rfind(u"SQLite", 0) == 0;
    }
  }

  ResultRows Run(const Text& sql) override {
    Utf8CharacterType utf8;
    Text text = adapt_for_sqlite_ ? AdaptForSqlite(sql) : sql;
    Statement st(dbc_);
    SQLRETURN rc = SQLExecDirectW(st.h(), Wide(text), SQL_NTS);
    if (rc == SQL_NO_DATA) return {};  // an update or delete that touched no row
    st.Check(rc);
    // Row counts of earlier statements in the batch come first; the first
    // result set is the statement's answer.
    for (;;) {
      SQLSMALLINT columns = 0;
      st.Check(SQLNumResultCols(st.h(), &columns));
      if (columns > 0) return Fetch(st, columns);
      rc = SQLMoreResults(st.h());
      if (rc == SQL_NO_DATA) return {};
      st.Check(rc);
    }
  }

  void BeginWriteTransaction() override {
    Utf8CharacterType utf8;
    if (in_transaction_) throw DatabaseError(u"A transaction is already open on this connection.");
    SQLINTEGER isolation = 0;
    if (SQL_SUCCEEDED(SQLGetConnectAttrW(dbc_, SQL_ATTR_TXN_ISOLATION, &isolation, 0, nullptr)))
      saved_isolation_ = isolation;
    SetAttr(SQL_ATTR_TXN_ISOLATION, SQL_TXN_SERIALIZABLE);
    SetAttr(SQL_ATTR_AUTOCOMMIT, SQL_AUTOCOMMIT_OFF);
    in_transaction_ = true;
  }

  void Commit() override { EndTransaction(SQL_COMMIT); }
  void Rollback() override {
    if (in_transaction_) EndTransaction(SQL_ROLLBACK);
  }
  bool InTransaction() const override { return in_transaction_; }

 private:
  void SetAttr(SQLINTEGER attr, SQLULEN value) {
    CheckHandle(SQLSetConnectAttrW(dbc_, attr, reinterpret_cast<SQLPOINTER>(value), 0), SQL_HANDLE_DBC, dbc_);
  }

  // Ends the transaction and returns to autocommit and the isolation level
  // from before; a failed commit is rolled back so nothing stays half-done.
  void EndTransaction(SQLSMALLINT how) {
    Utf8CharacterType utf8;
    if (!in_transaction_) throw DatabaseError(u"No transaction is open on this connection.");
    SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, dbc_, how);
    Text failure = SQL_SUCCEEDED(rc) ? Text() : Diagnostics(SQL_HANDLE_DBC, dbc_);
    if (!SQL_SUCCEEDED(rc) && how == SQL_COMMIT) SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
    in_transaction_ = false;
    SetAttr(SQL_ATTR_AUTOCOMMIT, SQL_AUTOCOMMIT_ON);
    if (saved_isolation_ != 0) SetAttr(SQL_ATTR_TXN_ISOLATION, static_cast<SQLULEN>(saved_isolation_));
    if (!failure.empty()) throw DatabaseError(failure);
  }

  ResultRows Fetch(const Statement& st, SQLSMALLINT columns) {
    ResultRows out;
    out.has_result = true;
    std::vector<SQLSMALLINT> types(columns);
    for (SQLUSMALLINT c = 1; c <= columns; ++c) {
      SQLWCHAR name[512] = {};
      SQLSMALLINT name_length = 0, type = 0, digits = 0, nullable = 0;
      SQLULEN size = 0;
      st.Check(SQLDescribeColW(st.h(), c, name, 512, &name_length, &type, &size, &digits, &nullable));
      out.columns.emplace_back(reinterpret_cast<const char16_t*>(name));
      types[c - 1] = type;
    }
    SQLRETURN rc;
    while ((rc = SQLFetch(st.h())) != SQL_NO_DATA) {
      st.Check(rc);
      std::vector<DbValue> row(columns);
      for (SQLUSMALLINT c = 1; c <= columns; ++c) row[c - 1] = Cell(st, c, types[c - 1]);
      out.rows.push_back(std::move(row));
    }
    return out;
  }

  static DbValue Cell(const Statement& st, SQLUSMALLINT c, SQLSMALLINT type) {
    SQLLEN ind = 0;
    switch (type) {
      case SQL_BIT: case SQL_TINYINT: case SQL_SMALLINT: case SQL_INTEGER: case SQL_BIGINT: {
        SQLBIGINT v = 0;
        st.Check(SQLGetData(st.h(), c, SQL_C_SBIGINT, &v, 0, &ind));
        return ind == SQL_NULL_DATA ? DbValue{} : DbValue{static_cast<int64_t>(v)};
      }
      case SQL_REAL: {
        // A single-precision column reads as the value it shows, as the
        // service's single arithmetic expects (0.1, not 0.100000001490116).
        SQLREAL v = 0;
        st.Check(SQLGetData(st.h(), c, SQL_C_FLOAT, &v, 0, &ind));
        if (ind == SQL_NULL_DATA) return DbValue{};
        return DbValue{common::NumericValue(common::SingleText(v))};
      }
      case SQL_FLOAT: case SQL_DOUBLE: case SQL_NUMERIC: case SQL_DECIMAL: {
        SQLDOUBLE v = 0;
        st.Check(SQLGetData(st.h(), c, SQL_C_DOUBLE, &v, 0, &ind));
        return ind == SQL_NULL_DATA ? DbValue{} : DbValue{static_cast<double>(v)};
      }
      case SQL_TYPE_TIMESTAMP: case SQL_DATETIME: {
        // The same "YYYY-MM-DD HH:MM:SS" text the service writes and SQLite keeps.
        SQL_TIMESTAMP_STRUCT v{};
        st.Check(SQLGetData(st.h(), c, SQL_C_TYPE_TIMESTAMP, &v, sizeof v, &ind));
        return ind == SQL_NULL_DATA ? DbValue{} : DbValue{Timestamp(v)};
      }
      default:
        return TextCell(st, c);
    }
  }

  // Text in pieces: a long value comes back over several calls.
  static DbValue TextCell(const Statement& st, SQLUSMALLINT c) {
    Text value;
    SQLWCHAR buf[2048];
    constexpr SQLLEN kBytes = sizeof buf;
    for (;;) {
      SQLLEN ind = 0;
      SQLRETURN rc = SQLGetData(st.h(), c, SQL_C_WCHAR, buf, kBytes, &ind);
      if (rc == SQL_NO_DATA) break;
      st.Check(rc);
      if (ind == SQL_NULL_DATA) return DbValue{};
      bool truncated = ind == SQL_NO_TOTAL || ind >= kBytes;
      size_t units = truncated ? kBytes / sizeof(SQLWCHAR) - 1 : static_cast<size_t>(ind) / sizeof(SQLWCHAR);
      value.append(reinterpret_cast<const char16_t*>(buf), units);
      if (!truncated) break;
    }
    return DbValue{value};
  }

  SQLHENV env_ = SQL_NULL_HENV;
  SQLHDBC dbc_ = SQL_NULL_HDBC;
  bool connected_ = false;
  bool in_transaction_ = false;
  bool adapt_for_sqlite_ = false;
  SQLINTEGER saved_isolation_ = 0;
};

}  // namespace

std::unique_ptr<Backend> OpenOdbcBackend(const Text& connection_string) {
  auto backend = std::make_unique<OdbcBackend>();
  backend->Connect(connection_string);
  return backend;
}

}  // namespace order_service::db

// SQLite through its C API: statements run with the T-SQL compatibility, rows
// fetched whole, waits for other writers instead of failing at once.
#include "order_service/db/sqlite_backend.h"

#include <sqlite3.h>

#include <string>

#include "order_service/db/database_error.h"
#include "order_service/db/tsql_compat.h"
#include "order_service/db/tsql_rewrite.h"

namespace order_service::db {
namespace {

using common::Text;

// How long a statement waits for another connection's write lock.
constexpr int kBusyTimeoutMs = 5000;

class SqliteBackend : public Backend {
 public:
  explicit SqliteBackend(sqlite3* db) : db_(db) {}
  ~SqliteBackend() override {
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
  }

  ResultRows Run(const Text& sql) override {
    std::string utf8 = common::ToUtf8(AdaptForSqlite(sql));
    const char* tail = utf8.c_str();
    const char* end = tail + utf8.size();
    ResultRows first;
    // A text of several statements runs them all; the first result set is kept.
    while (tail < end) {
      sqlite3_stmt* st = nullptr;
      if (sqlite3_prepare_v2(db_, tail, static_cast<int>(end - tail), &st, &tail) != SQLITE_OK) Fail();
      if (!st) continue;  // blanks or a lone ";"
      ResultRows rows = Fetch(st);
      if (rows.has_result && !first.has_result) first = std::move(rows);
    }
    return first;
  }

  void BeginWriteTransaction() override { Exec("BEGIN IMMEDIATE"); }
  void Commit() override { Exec("COMMIT"); }
  void Rollback() override {
    if (InTransaction()) Exec("ROLLBACK");
  }
  bool InTransaction() const override { return !sqlite3_get_autocommit(db_); }

 private:
  [[noreturn]] void Fail() const { throw DatabaseError(common::FromUtf8(sqlite3_errmsg(db_))); }

  void Exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
  }

  ResultRows Fetch(sqlite3_stmt* st) {
    ResultRows out;
    int n = sqlite3_column_count(st);
    out.has_result = n > 0;
    for (int c = 0; c < n; ++c) out.columns.push_back(common::FromUtf8(sqlite3_column_name(st, c)));
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
      std::vector<DbValue> row(n);
      for (int c = 0; c < n; ++c) row[c] = Cell(st, c);
      out.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
      Text message = common::FromUtf8(sqlite3_errmsg(db_));
      sqlite3_finalize(st);
      throw DatabaseError(message);
    }
    sqlite3_finalize(st);
    return out;
  }

  static DbValue Cell(sqlite3_stmt* st, int c) {
    switch (sqlite3_column_type(st, c)) {
      case SQLITE_INTEGER: return DbValue{sqlite3_column_int64(st, c)};
      case SQLITE_FLOAT: return DbValue{sqlite3_column_double(st, c)};
      case SQLITE_NULL: return DbValue{};
      default: {  // text, and a blob read as the text it holds
        auto p = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
        return DbValue{common::FromUtf8(std::string_view(p ? p : "", sqlite3_column_bytes(st, c)))};
      }
    }
  }

  sqlite3* db_;
};

}  // namespace

std::unique_ptr<Backend> OpenSqliteBackend(const Text& path) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(common::ToUtf8(path).c_str(), &db,
                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_extended_result_codes(db, 1);
  if (rc == SQLITE_OK) rc = RegisterTsqlCompat(db);
  if (rc == SQLITE_OK) rc = sqlite3_busy_timeout(db, kBusyTimeoutMs);
  if (rc != SQLITE_OK) {
    Text message = db ? common::FromUtf8(sqlite3_errmsg(db)) : Text(u"out of memory");
    sqlite3_close_v2(db);
    throw DatabaseError(message + u" (" + path + u")");
  }
  return std::make_unique<SqliteBackend>(db);
}

}  // namespace order_service::db

// SQLite through its C API: statements run with the T-SQL compatibility, rows
// fetched whole, waits for other writers instead of failing at once, and
// closed sessions kept open for the next connection to the same file.
#include "order_service/db/sqlite_backend.h"

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "order_service/db/database_error.h"
#include "order_service/db/tsql_compat.h"
#include "order_service/db/tsql_rewrite.h"

namespace order_service::db {
namespace {

using common::Text;

// How long a statement waits for another connection's write lock.
constexpr int kBusyTimeoutMs = 5000;

// Every call of the service opens and closes its own connection. As ADO's
// session pooling does for SQL Server, a closed session is kept open and
// handed to the next connection to the same file, which saves the open and
// the reading of the schema on every call. A kept session is used again only
// by the process that opened it and only while the path still names the same
// file (a file deleted and made anew gets new sessions).
class SessionPool {
 public:
  static SessionPool& Instance() {
    static SessionPool* pool = new SessionPool;  // outlives every connection
    return *pool;
  }

  sqlite3* Take(const std::string& path) {
    FileId id;
    if (!Identify(path, id)) return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    auto& idle = idle_[path];
    while (!idle.empty()) {
      Session s = idle.back();
      idle.pop_back();
      if (s.pid == getpid() && s.file == id) return s.db;
      if (s.pid == getpid()) sqlite3_close_v2(s.db);  // another process's handle is never touched
    }
    return nullptr;
  }

  // Keeps db for path, or closes it when enough sessions are kept already.
  void Give(const std::string& path, sqlite3* db) {
    FileId id;
    if (Identify(path, id)) {
      std::lock_guard<std::mutex> lock(mutex_);
      auto& idle = idle_[path];
      if (idle.size() < kMaxIdlePerFile) {
        idle.push_back(Session{db, getpid(), id});
        return;
      }
    }
    sqlite3_close_v2(db);
  }

 private:
  static constexpr size_t kMaxIdlePerFile = 4;
  struct FileId {
    dev_t dev = 0;
    ino_t ino = 0;
    bool operator==(const FileId& o) const { return dev == o.dev && ino == o.ino; }
  };
  struct Session {
    sqlite3* db;
    pid_t pid;
    FileId file;
  };
  static bool Identify(const std::string& path, FileId& id) {
    struct stat st;
    if (path.empty() || path[0] == ':' || stat(path.c_str(), &st) != 0) return false;  // memory databases are never kept
    id = FileId{st.st_dev, st.st_ino};
    return true;
  }
  std::mutex mutex_;
  std::map<std::string, std::vector<Session>> idle_;
};

class SqliteBackend : public Backend {
 public:
  SqliteBackend(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}
  ~SqliteBackend() override {
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    // A session still inside a transaction (the rollback failed) is not kept.
    if (sqlite3_get_autocommit(db_)) SessionPool::Instance().Give(path_, db_);
    else sqlite3_close_v2(db_);
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
  std::string path_;
};

}  // namespace

std::unique_ptr<Backend> OpenSqliteBackend(const Text& path) {
  const std::string file = common::ToUtf8(path);
  if (sqlite3* kept = SessionPool::Instance().Take(file)) return std::make_unique<SqliteBackend>(kept, file);
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(file.c_str(), &db,
                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_extended_result_codes(db, 1);
  if (rc == SQLITE_OK) rc = RegisterTsqlCompat(db);
  if (rc == SQLITE_OK) rc = sqlite3_busy_timeout(db, kBusyTimeoutMs);
  if (rc != SQLITE_OK) {
    Text message = db ? common::FromUtf8(sqlite3_errmsg(db)) : Text(u"out of memory");
    sqlite3_close_v2(db);
    throw DatabaseError(message + u" (" + path + u")");
  }
  return std::make_unique<SqliteBackend>(db, file);
}

}  // namespace order_service::db

// The connection: picks the backend its connection string names and forwards
// statements and transactions to it.
#include "order_service/db/connection.h"

#include "order_service/db/backend.h"
#include "order_service/db/connection_string.h"
#include "order_service/db/odbc_backend.h"
#ifndef _WIN32
#include "order_service/db/sqlite_backend.h"
#endif

namespace order_service::db {
namespace {

constexpr char16_t kClosed[] = u"Operation is not allowed when the object is closed.";
constexpr char16_t kAlreadyOpen[] = u"Operation is not allowed when the object is open.";

}  // namespace

Connection::Connection() = default;
Connection::~Connection() = default;  // the backend rolls back what is uncommitted

void Connection::Open(const Text& connection_string) {
  if (backend_) throw DatabaseError(kAlreadyOpen);
  BackendTarget target = MapConnectionString(connection_string);
  if (target.kind == BackendTarget::Kind::kOdbc) {
    backend_ = OpenOdbcBackend(target.target);
    return;
  }
#ifdef _WIN32
  throw DatabaseError(u"The embedded SQLite engine is not part of this build; use odbc: with the SQLite ODBC driver.");
#else
  backend_ = OpenSqliteBackend(target.target);
#endif
}

void Connection::Execute(const Text& sql) { Query(sql); }

ResultRows Connection::Query(const Text& sql) {
  if (!backend_) throw DatabaseError(kClosed);
  return backend_->Run(sql);
}

void Connection::Close() { backend_.reset(); }

bool Connection::IsOpen() const { return backend_ != nullptr; }

void Connection::BeginWriteTransaction() {
  if (!backend_) throw DatabaseError(kClosed);
  backend_->BeginWriteTransaction();
}

void Connection::Commit() {
  if (!backend_) throw DatabaseError(kClosed);
  backend_->Commit();
}

void Connection::Rollback() {
  if (backend_) backend_->Rollback();
}

}  // namespace order_service::db

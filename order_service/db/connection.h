// The database connection that replaces ADO's Connection: opened with the
// service's connection string, which names the backend (SQL Server through
// ODBC, an embedded SQLite file, or any ODBC connection string).
#pragma once

#include <memory>

#include "common/text.h"
#include "order_service/db/database_error.h"
#include "order_service/db/result_rows.h"
#include "order_service/value.h"

namespace order_service::db {

class Backend;  // one open session of a concrete engine (backend.h)

// Held in the service's `cn` property, so it is a ServiceObject.
class Connection : public ServiceObject {
 public:
  Connection();
  ~Connection() override;

  // Opens the connection string (throws DatabaseError with the driver's text).
  void Open(const Text& connection_string);
  // Runs a statement that returns no rows (insert, delete, DDL).
  void Execute(const Text& sql);
  // Runs a statement and returns all its rows (Recordset::Open uses it); a
  // statement without a result (an insert) gives no columns and no rows.
  ResultRows Query(const Text& sql);
  void Close() override;
  bool IsOpen() const override;  // State: open (1) or closed (0)

  // A transaction that locks against other writers before its first read
  // (SQLite: BEGIN IMMEDIATE with a busy timeout; SQL Server: serializable),
  // so a check and the insert that follows it cannot race.
  void BeginWriteTransaction();
  void Commit();
  void Rollback();  // no-op when no transaction is open

 private:
  std::unique_ptr<Backend> backend_;
};

}  // namespace order_service::db

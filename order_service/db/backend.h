// One open session of a concrete database engine, behind Connection.
#pragma once

#include "common/text.h"
#include "order_service/db/result_rows.h"

namespace order_service::db {

class Backend {
 public:
  virtual ~Backend() = default;
  // Runs sql (the system's statement text, unchanged) and returns its first
  // result set with every row, or has_result == false for a statement that
  // returns none. Throws DatabaseError with the driver's text.
  virtual ResultRows Run(const common::Text& sql) = 0;
  virtual void BeginWriteTransaction() = 0;
  virtual void Commit() = 0;
  virtual void Rollback() = 0;  // no-op when no transaction is open
  virtual bool InTransaction() const = 0;
};

}  // namespace order_service::db

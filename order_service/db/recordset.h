// The rows of one query, held on the client side (ADO's client cursor):
// row count, EOF, moves, fields by name, close.
#pragma once

#include <vector>

#include "common/text.h"
#include "order_service/db/connection.h"
#include "order_service/db/db_value.h"
#include "order_service/db/result_rows.h"
#include "order_service/value.h"

namespace order_service::db {

// Held in the service's `RS` property, so it is a ServiceObject.
class Recordset : public ServiceObject {
 public:
  Recordset() = default;  // closed, no rows
  // Runs sql on an open connection and keeps its rows, positioned on the
  // first; a statement without a result leaves the recordset closed.
  // Reopening an open recordset is an error, as with ADO.
  void Open(const Text& sql, Connection& cn);

  long RecordCount() const;  // -1 when closed
  bool Eof() const;          // true when there is no current row
  void MoveFirst();
  void MoveNext();
  void MoveLast();
  // The current row's value of a column (case-insensitive name); throws
  // DatabaseError when the column is unknown, there is no current row, or
  // the recordset is closed.
  const DbValue& Field(std::u16string_view name) const;
  const std::vector<Text>& Columns() const { return result_.columns; }
  void Close() override;
  bool IsOpen() const override { return open_; }

 private:
  ResultRows result_;
  size_t current_ = 0;
  bool open_ = false;
};

}  // namespace order_service::db

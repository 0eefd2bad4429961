// Creating the service's tables (and the demo rows) through the database
// layer, refusing to replace tables that exist unless asked to.
#pragma once

#include <stdexcept>
#include <vector>

#include "common/text.h"
#include "order_service/db/connection.h"
#include "order_service/schema/dialect.h"
#include "order_service/schema/service_tables.h"

namespace order_service::schema {

// Raised when some of the tables exist and replacing them was not asked for.
class TablesExistError : public std::runtime_error {
 public:
  explicit TablesExistError(std::vector<Text> tables);
  const std::vector<Text>& tables() const { return tables_; }

 private:
  std::vector<Text> tables_;
};

struct SetupOptions {
  bool demo = false;   // insert the demo rows
  bool force = false;  // drop the tables that exist first
};

// The service's tables that exist in the database cn is open on.
std::vector<Text> ExistingServiceTables(db::Connection& cn, Dialect dialect, const TableNames& names);

// Creates every table in one transaction, so a failure leaves the database as
// it was. Throws TablesExistError, or db::DatabaseError with the driver's text.
void CreateServiceTables(db::Connection& cn, Dialect dialect, const TableNames& names, SetupOptions options);

}  // namespace order_service::schema

// Any ODBC driver as a backend, through the wide-character API (unixODBC on
// Linux, odbc32 on Windows and under Wine).
#pragma once

#include <memory>

#include "common/text.h"
#include "order_service/db/backend.h"

namespace order_service::db {

// Connects with the ODBC connection string, without prompting; throws
// DatabaseError with the driver manager's and the driver's diagnostics.
std::unique_ptr<Backend> OpenOdbcBackend(const common::Text& connection_string);

}  // namespace order_service::db

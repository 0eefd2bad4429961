// The statement shapes the service sends and what every backend must answer,
// run by one routine against an open connection (SQLite natively, SQLite
// through ODBC, and the Windows builds through Wine's ODBC bridge).
#pragma once

#include "order_service/db/connection.h"

namespace order_service::db::testing {

// Creates the small tables of the table on cn (a fresh, empty database), then
// runs every case through a Recordset and reports mismatches as test failures.
void ExpectConformance(Connection& cn);

}  // namespace order_service::db::testing

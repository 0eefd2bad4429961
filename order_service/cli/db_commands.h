// "kvx db init", "kvx db schema" and "kvx sql": creating the service's tables
// in the configured database, printing their DDL, and running one statement.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "order_service/host.h"

namespace kvx {

// init [--demo] [--force] | schema --dialect sqlserver|sqlite [--customers T --orders T].
// Returns the exit status; throws UsageError for bad arguments.
int DbCommand(order_service::Host& host, const std::vector<std::string>& args, bool json, std::ostream& out,
              std::ostream& err);

// Runs STATEMENT on the configured database and prints a header line and
// tab-separated rows (NULL cells as NULL), or one JSON object with --json.
int SqlCommand(order_service::Host& host, const std::vector<std::string>& args, bool json, std::ostream& out,
               std::ostream& err);

}  // namespace kvx

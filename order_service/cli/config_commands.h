// "kvx config write" and "kvx config read": the administrator's way to make
// and check the scrambled configuration file.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "order_service/host.h"

namespace kvx {

// --server S --user U --password P --database D --orders T --customers T.
// Returns the exit status; throws UsageError for bad options.
int ConfigWrite(order_service::Host& host, const std::vector<std::string>& args, bool json,
                std::ostream& out, std::ostream& err);

// Prints the six decoded fields as name=value lines (or one JSON object).
int ConfigRead(order_service::Host& host, const std::vector<std::string>& args, bool json,
               std::ostream& out, std::ostream& err);

}  // namespace kvx

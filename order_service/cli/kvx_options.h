// kvx's global options, read from the front of its command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "order_service/console_host.h"

namespace kvx {

struct KvxOptions {
  order_service::ConsoleHostOptions host;
  bool json = false;
  std::vector<std::string> command;  // the command and its own arguments
};

// Throws UsageError for an unknown option, a missing value or a bad one.
KvxOptions ParseKvxOptions(const std::vector<std::string>& args);

}  // namespace kvx

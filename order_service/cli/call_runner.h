// Running one parsed call on the service object and collecting what it did.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "order_service/cli/call_parser.h"
#include "order_service/console_host.h"
#include "order_service/wstd.h"

namespace kvx {

struct CallError {
  int number = 0;
  std::string description;
};

struct CallOutcome {
  const order_service::MemberSpec* member = nullptr;
  CallOp op = CallOp::Invoke;
  std::optional<order_service::Value> result;  // none for a method without a result, or a put
  order_service::Value stored;                 // what a put stored
  // By-reference arguments the call changed, in parameter order.
  std::vector<std::pair<common::Text, order_service::Value>> changed;
  std::optional<CallError> error;
  std::vector<order_service::ShownBox> boxes;
};

// Runs call on w; boxes come from host. Never throws for a failing call: its
// error is in the outcome.
CallOutcome RunCall(order_service::Wstd& w, order_service::ConsoleHost& host, const ParsedCall& call);

}  // namespace kvx

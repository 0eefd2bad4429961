// How kvx prints a call: a text line with the changed arguments, or one JSON
// object per call.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "order_service/cli/call_runner.h"

namespace kvx {

// A value as a macro would show it: True/False, number text, the string.
std::string ValueText(const order_service::Value& v);

void WriteCallText(std::ostream& out, const CallOutcome& outcome);

// {"member", "result", "changed", "error", "msgboxes"}.
nlohmann::ordered_json CallJson(const CallOutcome& outcome);

}  // namespace kvx

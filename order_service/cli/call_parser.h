// Turning kvx's words into calls on the service object: the member, what is
// done with it, and its arguments converted to the parameter types.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/script_error.h"
#include "order_service/member_table.h"

namespace kvx {

enum class CallOp { Invoke, Get, Put };

struct ParsedCall {
  const order_service::MemberSpec* member = nullptr;
  CallOp op = CallOp::Invoke;
  // One value per parameter, optionals left off holding their defaults; for
  // Put, the one value stored.
  std::vector<order_service::Value> args;
  // An argument that is a number but does not fit its type fails the call
  // the way a macro's call fails, when it is run.
  std::optional<common::ScriptError> conversion_error;
};

// "MEMBER ARG...", "PROPERTY" or "PROPERTY = VALUE". Throws UsageError naming
// the problem: unknown member, too many or too few arguments, a Boolean or
// number or array that is not one.
ParsedCall ParseCall(const std::vector<std::string>& words);

// Every call of a script, one per line, blank lines and comments skipped.
// Throws UsageError with the line number, before anything runs.
std::vector<ParsedCall> ParseScript(std::string_view script);

}  // namespace kvx

// Running kvx calls through the member table.
#include "order_service/cli/call_runner.h"

#include <exception>

#include "common/script_error.h"

namespace kvx {

using order_service::DeepCopy;
using order_service::Value;

CallOutcome RunCall(order_service::Wstd& w, order_service::ConsoleHost& host, const ParsedCall& call) {
  CallOutcome out;
  out.member = call.member;
  out.op = call.op;
  const order_service::MemberSpec& m = *call.member;
  try {
    if (call.conversion_error) throw *call.conversion_error;
    switch (call.op) {
      case CallOp::Get:
        out.result = m.get(w);
        break;
      case CallOp::Put:
        m.put(w, call.args.at(0));
        out.stored = call.args.at(0);
        break;
      case CallOp::Invoke: {
        std::vector<Value> args;
        for (const Value& a : call.args) args.push_back(DeepCopy(a));
        Value result = m.call(w, args);
        if (m.result != order_service::ValueType::None) out.result = std::move(result);
        for (size_t i = 0; i < args.size(); ++i)
          if (!order_service::SameValue(args[i], call.args[i]))
            out.changed.emplace_back(m.params[i].name, args[i]);
        break;
      }
    }
  } catch (const common::ScriptError& e) {
    out.error = CallError{e.number(), e.what()};
  } catch (const std::exception& e) {
    out.error = CallError{51, std::string("Internal error: ") + e.what()};
  }
  out.boxes = host.TakeBoxes();
  return out;
}

}  // namespace kvx

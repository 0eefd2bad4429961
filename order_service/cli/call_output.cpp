// Text and JSON forms of a call's outcome.
#include "order_service/cli/call_output.h"

#include <string>

#include "common/numbers.h"

namespace kvx {
namespace {

using json = nlohmann::ordered_json;
using order_service::Object;
using order_service::Value;
using order_service::VariantArray;
using ArrayPtr = std::shared_ptr<VariantArray>;

std::string Utf8(const common::Text& s) { return common::ToUtf8(s); }

json ValueJson(const Value& v) {
  if (std::holds_alternative<std::monostate>(v)) return nullptr;
  if (const auto* s = std::get_if<common::Text>(&v)) return Utf8(*s);
  if (const auto* b = std::get_if<bool>(&v)) return *b;
  if (const auto* i = std::get_if<int16_t>(&v)) return *i;
  if (const auto* i = std::get_if<int32_t>(&v)) return *i;
  // Numbers as the macro's number text reads, not the binary value's digits.
  if (const auto* f = std::get_if<float>(&v)) return std::stod(Utf8(common::SingleText(*f)));
  if (const auto* d = std::get_if<double>(&v)) return std::stod(Utf8(common::DoubleText(*d)));
  if (const auto* a = std::get_if<ArrayPtr>(&v)) {
    if (!*a) return nullptr;
    json items = json::array();
    for (const Value& item : (*a)->items) items.push_back(ValueJson(item));
    return json{{"lbound", (*a)->lbound}, {"ubound", (*a)->ubound()}, {"items", items}};
  }
  const Object& o = std::get<Object>(v);
  return o ? json("<object>") : json(nullptr);
}

}  // namespace

std::string ValueText(const Value& v) {
  if (std::holds_alternative<std::monostate>(v)) return "";
  if (const auto* s = std::get_if<common::Text>(&v)) return Utf8(*s);
  if (const auto* b = std::get_if<bool>(&v)) return *b ? "True" : "False";
  if (const auto* i = std::get_if<int16_t>(&v)) return std::to_string(*i);
  if (const auto* i = std::get_if<int32_t>(&v)) return std::to_string(*i);
  if (const auto* f = std::get_if<float>(&v)) return Utf8(common::SingleText(*f));
  if (const auto* d = std::get_if<double>(&v)) return Utf8(common::DoubleText(*d));
  if (const auto* a = std::get_if<ArrayPtr>(&v))
    return *a ? "(array " + std::to_string((*a)->lbound) + ".." + std::to_string((*a)->ubound()) + ")" : "";
  return std::get<Object>(v) ? "<object>" : "Nothing";
}

void WriteCallText(std::ostream& out, const CallOutcome& o) {
  const std::string name = common::ToUtf8(o.member->name);
  if (o.error) {
    out << name << " !! " << o.error->number << ' ' << o.error->description << '\n';
    return;
  }
  if (o.op == CallOp::Put) {
    out << name << " = " << ValueText(o.stored) << '\n';
    return;
  }
  out << name << " ->";
  if (o.result) out << ' ' << ValueText(*o.result);
  out << '\n';
  for (const auto& [param, value] : o.changed) {
    const std::string p = Utf8(param);
    const auto* a = std::get_if<ArrayPtr>(&value);
    if (a && *a) {
      out << "  " << p << ": " << (*a)->lbound << ".." << (*a)->ubound() << '\n';
      for (size_t i = 0; i < (*a)->items.size(); ++i)
        out << "  " << p << '(' << (*a)->lbound + static_cast<long>(i) << ") = " << ValueText((*a)->items[i])
            << '\n';
    } else {
      out << "  " << p << " = " << ValueText(value) << '\n';
    }
  }
}

json CallJson(const CallOutcome& o) {
  json changed = json::object();
  for (const auto& [param, value] : o.changed) changed[Utf8(param)] = ValueJson(value);
  json boxes = json::array();
  for (const auto& b : o.boxes)
    boxes.push_back({{"flags", b.flags},
                     {"caption", Utf8(b.caption)},
                     {"text", Utf8(b.text)},
                     {"answer", b.button == order_service::kIdCancel ? "cancel" : "ok"}});
  json error = nullptr;
  if (o.error) error = {{"number", o.error->number}, {"description", o.error->description}};
  return json{{"member", common::ToUtf8(o.member->name)},
              {"result", o.result ? ValueJson(*o.result) : json(nullptr)},
              {"changed", changed},
              {"error", error},
              {"msgboxes", boxes}};
}

}  // namespace kvx

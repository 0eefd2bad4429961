// Parsing kvx calls and converting their arguments.
#include "order_service/cli/call_parser.h"

#include <regex>

#include "common/numbers.h"
#include "order_service/cli/line_tokens.h"
#include "order_service/cli/usage_error.h"

namespace kvx {
namespace {

using order_service::MemberKind;
using order_service::MemberSpec;
using order_service::ParamSpec;
using order_service::Value;
using order_service::ValueType;
using order_service::VariantArray;

std::string Utf8(const char16_t* s) { return common::ToUtf8(s); }

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// A whole decimal number as a macro would write it: sign, digits, point,
// exponent with E or D; spaces around it allowed.
bool IsNumber(const std::string& s) {
  static const std::regex kNumber(R"(\s*[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?\s*)");
  return std::regex_match(s, kNumber);
}

Value ToBoolean(const std::string& word, const std::string& what) {
  const std::string w = Lower(word);
  if (w == "true" || w == "-1") return true;
  if (w == "false" || w == "0") return false;
  throw UsageError(what + ": \"" + word + "\" is not a Boolean (True, False, -1 or 0)");
}

Value ToArray(const std::string& word, const std::string& what) {
  if (word.size() < 2 || word.front() != '(' || word.back() != ')')
    throw UsageError(what + ": \"" + word + "\" is not an array; write () or (a,b,c)");
  auto array = std::make_shared<VariantArray>();
  const std::string inside = word.substr(1, word.size() - 2);
  if (!inside.empty())
    for (common::Text& item : common::Split(common::FromUtf8(inside), u","))
      array->items.emplace_back(std::move(item));
  return array;
}

Value Convert(const std::string& word, ValueType type, const std::string& what) {
  switch (type) {
    case ValueType::String:
      return common::FromUtf8(word);
    case ValueType::Boolean:
      return ToBoolean(word, what);
    case ValueType::VariantArray:
      return ToArray(word, what);
    case ValueType::Int16:
    case ValueType::Int32:
    case ValueType::Single:
    case ValueType::Double: {
      if (!IsNumber(word)) throw UsageError(what + ": \"" + word + "\" is not a number");
      const double v = common::NumericValue(common::FromUtf8(word));
      if (type == ValueType::Int16) return common::ToInteger(v);
      if (type == ValueType::Int32) return common::ToLong(v);
      if (type == ValueType::Single) return common::ToSingle(v);
      return v;
    }
    case ValueType::Object:
      if (Lower(word) == "nothing") return order_service::Object{};
      throw UsageError(what + ": kvx can only set an object to Nothing");
    case ValueType::None:
      break;
  }
  throw UsageError(what + ": no value can be given");
}

// Converts, keeping a number that does not fit its type as the call's error.
void ConvertInto(ParsedCall& call, const std::string& word, ValueType type, const std::string& what) {
  try {
    call.args.push_back(Convert(word, type, what));
  } catch (const common::ScriptError& e) {
    if (!call.conversion_error) call.conversion_error = e;
    call.args.emplace_back();
  }
}

ParsedCall ParseProperty(const MemberSpec& m, const std::vector<std::string>& words) {
  ParsedCall call;
  call.member = &m;
  const std::string name = Utf8(m.name);
  if (words.size() == 1) {
    call.op = CallOp::Get;
    return call;
  }
  if (words.size() != 3 || words[1] != "=")
    throw UsageError(name + " is a property: write " + name + " to read it or " + name + " = VALUE to put it");
  call.op = CallOp::Put;
  ConvertInto(call, words[2], m.result, name);
  return call;
}

}  // namespace

ParsedCall ParseCall(const std::vector<std::string>& words) {
  if (words.empty()) throw UsageError("no member named");
  const MemberSpec* m = order_service::FindMember(common::FromUtf8(words[0]));
  if (!m) throw UsageError("unknown member " + words[0]);
  if (m->kind != MemberKind::Method) return ParseProperty(*m, words);

  const std::string name = Utf8(m->name);
  const size_t given = words.size() - 1;
  if (given > m->params.size())
    throw UsageError(name + " takes at most " + std::to_string(m->params.size()) + " argument" +
                     (m->params.size() == 1 ? "" : "s") + ", not " + std::to_string(given));
  ParsedCall call;
  call.member = m;
  for (size_t i = 0; i < m->params.size(); ++i) {
    const ParamSpec& p = m->params[i];
    const std::string what = name + " argument " + Utf8(p.name);
    if (i < given) {
      ConvertInto(call, words[i + 1], p.type, what);
    } else if (p.optional) {
      call.args.push_back(p.default_value);
    } else {
      throw UsageError(what + " is missing");
    }
  }
  return call;
}

std::vector<ParsedCall> ParseScript(std::string_view script) {
  std::vector<ParsedCall> calls;
  if (script.substr(0, 3) == "\xEF\xBB\xBF") script.remove_prefix(3);  // UTF-8 byte order mark
  size_t line_no = 0;
  while (!script.empty()) {
    ++line_no;
    const size_t end = script.find('\n');
    const std::string_view line = script.substr(0, end);
    script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    try {
      const std::vector<std::string> words = SplitLine(line);
      if (!words.empty()) calls.push_back(ParseCall(words));
    } catch (const UsageError& e) {
      throw UsageError("line " + std::to_string(line_no) + ": " + e.what());
    }
  }
  return calls;
}

}  // namespace kvx

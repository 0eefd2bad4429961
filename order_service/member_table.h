// The one table of the service object's members (name, dispatch identifier,
// kind, parameters with their types and optional defaults, result type) that
// drives both the COM dispatch glue and the kvx tool.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "order_service/value.h"

namespace order_service {

class Wstd;

enum class ValueType { None, String, Boolean, Int16, Int32, Single, Double, VariantArray, Object };

enum class MemberKind {
  Method,          // called; may have a result
  StringProperty,  // get and put
  ObjectProperty,  // get and set by reference
};

struct ParamSpec {
  const char16_t* name;
  ValueType type;
  bool optional = false;
  Value default_value{};  // used when an optional argument is left off
};

// Invokes a method: args hold one value per parameter (missing optionals
// already replaced by their defaults), converted to the parameter types; the
// method may change them (every parameter is by reference). Throws
// common::ScriptError for a failure that reaches the caller as a failed call,
// and NotImplemented for members not built yet.
using MethodFn = std::function<Value(Wstd&, std::vector<Value>& args)>;
using GetFn = std::function<Value(const Wstd&)>;
using PutFn = std::function<void(Wstd&, const Value&)>;

struct MemberSpec {
  const char16_t* name;
  int32_t dispid;
  MemberKind kind;
  ValueType result;  // the property's type for properties
  std::vector<ParamSpec> params;
  MethodFn call;  // methods
  GetFn get;      // properties
  PutFn put;      // properties (put for strings, set for objects)
};

// Every member in interface order.
const std::vector<MemberSpec>& Members();

// Case-insensitive lookup by name (ASCII letters), nullptr when unknown.
const MemberSpec* FindMember(std::u16string_view name);
const MemberSpec* FindMember(int32_t dispid);

}  // namespace order_service

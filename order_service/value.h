// The values that cross the order service's boundary (COM or kvx): the
// parameter and result types of its members, held in one variant.
#pragma once

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "common/text.h"

namespace order_service {

using common::Text;

// An object the caller set into an object property (a COM object, or one of
// the database layer's own). The service only stores and returns it.
class ObjectRef {
 public:
  virtual ~ObjectRef() = default;
};
using Object = std::shared_ptr<ObjectRef>;  // empty pointer: Nothing

// An object of the service's own making that a caller can hold (the database
// connection and recordset): it reports its State and can be closed.
class ServiceObject : public ObjectRef {
 public:
  virtual bool IsOpen() const = 0;  // State: 1 open, 0 closed
  virtual void Close() = 0;
};

struct VariantArray;

// Empty (no value), string, Boolean, 16-bit and 32-bit integers, single,
// double, array of variants, object (Nothing when the pointer is empty).
using Value = std::variant<std::monostate, Text, bool, int16_t, int32_t, float, double,
                           std::shared_ptr<VariantArray>, Object>;

// A one-dimensional resizable array of variants with its bounds, as the
// macros hand it in and get it back (a fresh one is 0..-1, empty).
struct VariantArray {
  long lbound = 0;
  std::vector<Value> items;  // items[i] is element lbound + i
  long ubound() const { return lbound + static_cast<long>(items.size()) - 1; }
  // Re-dimensions to bounds 0..n, every element Empty.
  void Redim(long n) {
    lbound = 0;
    items.assign(static_cast<size_t>(n + 1), Value{});
  }
};

bool SameValue(const Value& a, const Value& b);  // deep comparison (arrays by content, objects by identity)
// A copy that shares no array with v, so a change a call makes to an array in
// place still shows against it.
Value DeepCopy(const Value& v);

}  // namespace order_service

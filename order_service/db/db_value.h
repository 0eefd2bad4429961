// A value read from a database cell: NULL, integer, double or text.
#pragma once

#include <cstdint>
#include <variant>

#include "common/text.h"

namespace order_service::db {

using common::Text;

struct DbValue {
  std::variant<std::monostate, int64_t, double, Text> v;  // monostate: NULL

  bool IsNull() const { return std::holds_alternative<std::monostate>(v); }
  // The cell as the system reads it: text of a number by common/'s number
  // text rules, a number of a text by its numeric value; NULL throws
  // DatabaseError naming the column.
  Text AsText(std::u16string_view column) const;
  double AsDouble(std::u16string_view column) const;
};

}  // namespace order_service::db

// Reading a database cell as text or number with the system's own rules.
#include "order_service/db/db_value.h"

#include <string>

#include "common/numbers.h"
#include "order_service/db/database_error.h"

namespace order_service::db {
namespace {

[[noreturn]] void ThrowNull(std::u16string_view column) {
  throw DatabaseError(u"Invalid use of Null (column " + Text(column) + u")");
}

}  // namespace

Text DbValue::AsText(std::u16string_view column) const {
  if (auto i = std::get_if<int64_t>(&v)) return common::FromUtf8(std::to_string(*i));
  if (auto d = std::get_if<double>(&v)) return common::DoubleText(*d);
  if (auto t = std::get_if<Text>(&v)) return *t;
  ThrowNull(column);
}

double DbValue::AsDouble(std::u16string_view column) const {
  if (auto i = std::get_if<int64_t>(&v)) return static_cast<double>(*i);
  if (auto d = std::get_if<double>(&v)) return *d;
  if (auto t = std::get_if<Text>(&v)) return common::NumericValue(*t);
  ThrowNull(column);
}

}  // namespace order_service::db

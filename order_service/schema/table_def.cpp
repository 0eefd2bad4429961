// Column lookups on a table definition.
#include "order_service/schema/table_def.h"

#include <stdexcept>

namespace order_service::schema {

bool IsNumberKind(ColumnKind kind) {
  switch (kind) {
    case ColumnKind::kRowNumber:
    case ColumnKind::kInteger:
    case ColumnKind::kReal:
    case ColumnKind::kMoney:
    case ColumnKind::kDecimal3:
      return true;
    case ColumnKind::kKey:
    case ColumnKind::kText:
    case ColumnKind::kLongText:
    case ColumnKind::kDateTime:
    case ColumnKind::kDate:
      return false;
  }
  return false;
}

const ColumnDef& TableDef::Column(std::u16string_view column_name) const {
  for (const ColumnDef& c : columns)
    if (c.name == column_name) return c;
  throw std::out_of_range("table " + common::ToUtf8(name) + " has no column " + common::ToUtf8(column_name));
}

}  // namespace order_service::schema

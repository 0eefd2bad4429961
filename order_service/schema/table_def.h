// A table as data: its columns with their kinds, and the indexes that serve
// the service's lookups on it.
#pragma once

#include <vector>

#include "common/text.h"

namespace order_service::schema {

using common::Text;

// What a column holds; each dialect maps a kind to its own type.
enum class ColumnKind {
  kRowNumber,  // assigned by the database in insertion order, primary key
  kKey,        // short text compared by = or LIKE (codes, names, levels, quantities)
  kText,       // ordinary text
  kLongText,   // lists and remarks
  kDateTime,   // a moment written as "YYYY-MM-DD HH:MM:SS", compared by time
  kDate,       // a date written as "YYYY-MM-DD"
  kInteger,    // a signed whole count
  kReal,       // a number the service reads in single or double precision
  kMoney,      // a number written with two decimals
  kDecimal3,   // a number written with three decimals
};

// Whether a value of this kind goes into a statement bare (unquoted).
bool IsNumberKind(ColumnKind kind);

struct ColumnDef {
  Text name;
  ColumnKind kind;
};

// How the service compares an index's text columns.
enum class IndexUse {
  kEquals,  // "="
  kLike,    // LIKE with a literal prefix
  kBoth,
};

struct IndexDef {
  std::vector<Text> columns;
  IndexUse use;
  bool unique = false;  // one row per key
};

struct TableDef {
  Text name;
  std::vector<ColumnDef> columns;
  std::vector<IndexDef> indexes;

  // The column of that name; throws std::out_of_range when there is none.
  const ColumnDef& Column(std::u16string_view column_name) const;
};

}  // namespace order_service::schema

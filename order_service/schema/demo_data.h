// The demo print works: customers, orders, every price sheet, paper stock and
// plate records, consistent enough for every method to price something real.
#pragma once

#include <vector>

#include "common/text.h"
#include "order_service/schema/dialect.h"
#include "order_service/schema/service_tables.h"

namespace order_service::schema {

// Rows of one table; every value as its text, numbers included (the table's
// column kinds decide what is quoted).
struct DemoRows {
  Text table;
  std::vector<Text> columns;
  std::vector<std::vector<Text>> rows;
};

std::vector<DemoRows> DemoData(const TableNames& names);

// One INSERT per row, in the order of DemoData.
std::vector<Text> DemoInsertStatements(Dialect dialect, const TableNames& names);

}  // namespace order_service::schema

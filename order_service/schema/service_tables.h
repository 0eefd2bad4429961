// Every table the order service reads or writes, named from the configured
// customer table (ListUser) and order table (ListNames).
#pragma once

#include <vector>

#include "common/text.h"
#include "order_service/schema/table_def.h"

namespace order_service::schema {

struct TableNames {
  Text customers;  // ListUser
  Text orders;     // ListNames
};

// Throws std::invalid_argument when a name is empty or cannot name a table
// (control characters, brackets or double quotes).
void CheckTableNames(const TableNames& names);

TableDef CustomerTable(const TableNames& names);
TableDef OrderTable(const TableNames& names);
// "_Price", "_PriceB", "_PriceH", "_PriceI".
TableDef CardPriceTable(const TableNames& names, std::u16string_view suffix);

// All of them, in creation order: customers, orders, the four card price
// tables, then the other price tables, the paper ledger and the plate records.
std::vector<TableDef> ServiceTables(const TableNames& names);

}  // namespace order_service::schema

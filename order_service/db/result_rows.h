// The columns and rows a statement returned, as a backend hands them over.
#pragma once

#include <vector>

#include "common/text.h"
#include "order_service/db/db_value.h"

namespace order_service::db {

struct ResultRows {
  bool has_result = false;  // false for statements that return no result set
  std::vector<common::Text> columns;
  std::vector<std::vector<DbValue>> rows;
};

}  // namespace order_service::db

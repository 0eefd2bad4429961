// Loading a business-card price row from the database into a price slot table.
#pragma once

#include "common/text.h"
#include "order_service/db/connection.h"
#include "order_service/db/recordset.h"
#include "order_service/wstd.h"

namespace order_service {

// Reads the row of `level` from customers + suffix through rs into slots 1
// to 23 of row, then closes rs. A missing row, a NULL or a value that is not
// a number throws; slots stored before the failing one keep their new values.
void LoadCardPriceRow(db::Connection& cn, db::Recordset& rs, const Text& customers, const Text& suffix,
                      const Text& level, Wstd::PriceRow& row);

}  // namespace order_service

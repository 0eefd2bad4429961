// A card price row into a slot table.
#include "order_service/card_price_rows.h"

#include "common/numbers.h"
#include "common/script_error.h"
#include "order_service/sql_text.h"
#include "order_service/submission_statements.h"

namespace order_service {
namespace {

// A price cell as a number: a text cell must read as a number as a whole.
double PriceOf(const db::DbValue& cell, std::u16string_view column) {
  if (const auto* text = std::get_if<Text>(&cell.v))
    if (!IsNumberText(common::TrimSpaces(*text))) throw common::ScriptError::TypeMismatch();
  return cell.AsDouble(column);
}

}  // namespace

void LoadCardPriceRow(db::Connection& cn, db::Recordset& rs, const Text& customers, const Text& suffix,
                      const Text& level, Wstd::PriceRow& row) {
  rs.Open(statements::CardPriceRow(customers, suffix, level), cn);
  // The first row is read without looking at the count: none is an error.
  for (size_t i = 0; i < statements::kPriceColumns.size(); ++i) {
    const char16_t* column = statements::kPriceColumns[i];
    row[i + 1] = common::ToSingle(PriceOf(rs.Field(column), column));
  }
  rs.Close();
}

}  // namespace order_service

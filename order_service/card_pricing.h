// Business-card pricing: the finishing sum and the pricing pass that turns a
// pack list, the designs, the sheet places and the finishing items into a
// pack total, a unit price and an amount.
#pragma once

#include <string_view>

#include "common/text.h"
#include "order_service/wstd.h"

namespace order_service {

using common::Text;
using PriceRow = Wstd::PriceRow;

// The card order's inputs as the caller gave them.
struct CardOrder {
  Text AB;    // "单面" or "双面"
  Text FM;    // "无" or "过膜"
  Text Heshu; // boxes
  Text ks;    // designs
  Text ZW;    // sheet places
  Text RePr;  // non-blank: a reprint, packs cost nothing
  Text HJGx;  // finishing items named in free text
};

struct PassResult {
  float pack_total = 0;
  float unit_price = 0;
  float amount = 0;
};

// The per-box price of every finishing item named in text (each counted once,
// in the row's order), from slots 13 to 23 of row.
float FinishingSum(std::u16string_view text, const PriceRow& row);

// a ÷ b as the system divides: by zero is an error (Division by zero, or
// Overflow for 0 ÷ 0), never an infinity.
double Quotient(double a, double b);

// One submission's pricing passes. The current pack price carries over from
// pack to pack and from the sale pass to the cost pass: an entry that is not
// a pack size (or sides or lamination not known) keeps the price before it.
class PackPricer {
 public:
  // single_sided and double_sided are the rows the sides choose from; the
  // finishing prices always come from single_sided.
  PassResult Run(const CardOrder& order, const PriceRow& single_sided, const PriceRow& double_sided);

 private:
  float current_pack_price_ = 0;
};

}  // namespace order_service

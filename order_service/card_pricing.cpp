// Finishing sum and the business-card pricing pass.
#include "order_service/card_pricing.h"

#include "common/numbers.h"
#include "common/script_error.h"
#include "order_service/box_packs.h"
#include "order_service/shared_routines.h"

namespace order_service {
namespace {

// Finishing items in the order they are tested, with their slots.
struct Finishing {
  const char16_t* name;
  int slot;
};
constexpr Finishing kFinishing[] = {{u"压痕", 13}, {u"烫金", 14}, {u"烫银", 15}, {u"模切", 16},
                                    {u"套印", 17}, {u"击凹", 18}, {u"UV", 19},   {u"米线", 20},
                                    {u"圆角", 21}, {u"打孔", 22}, {u"打码", 23}};

constexpr char16_t kSingleSided[] = u"单面";
constexpr char16_t kDoubleSided[] = u"双面";
constexpr char16_t kPlain[] = u"无";
constexpr char16_t kLaminated[] = u"过膜";

}  // namespace

float FinishingSum(std::u16string_view text, const PriceRow& row) {
  float sum = 0;
  for (const Finishing& f : kFinishing)
    if (HasToken(f.name, text)) sum = common::ToSingle(static_cast<double>(sum) + row[f.slot]);
  return sum;
}

double Quotient(double a, double b) {
  if (b == 0) {
    if (a == 0) throw common::ScriptError::Overflow();
    throw common::ScriptError(11, "Division by zero");
  }
  return a / b;
}

PassResult PackPricer::Run(const CardOrder& order, const PriceRow& single_sided,
                           const PriceRow& double_sided) {
  const Text list = SplitBoxCount(order.Heshu);
  const bool sides_known = order.AB == kSingleSided || order.AB == kDoubleSided;
  const bool lamination_known = order.FM == kPlain || order.FM == kLaminated;
  const PriceRow& pack_row = order.AB == kDoubleSided ? double_sided : single_sided;
  const double designs = common::NumericValue(order.ks);
  const double places = common::NumericValue(order.ZW);
  const bool reprint = !common::Replace(order.RePr, u" ", u"").empty();

  PassResult r;
  for (const Text& raw : common::Split(list, u",")) {
    const Text entry = common::Replace(raw, u" ", u"");
    const int slot = PackSlot(entry, order.FM == kLaminated);
    if (sides_known && lamination_known && slot != 0) current_pack_price_ = pack_row[slot];
    float line = common::ToSingle(static_cast<double>(current_pack_price_) * designs * places);
    if (reprint) line = 0;
    r.pack_total = common::ToSingle(static_cast<double>(r.pack_total) + line);
  }

  // The unit price is shown with one decimal and kept as that figure.
  const float unit = common::ToSingle(Quotient(r.pack_total, common::NumericValue(order.Heshu)));
  r.unit_price = common::ToSingle(common::NumericValue(common::FormatSingle(unit, u"0.0")));

  // The finishing price counts per box of the first (largest) pack only: the
  // list's numeric value stops at its first ",".
  r.amount = common::ToSingle(static_cast<double>(FinishingSum(order.HJGx, single_sided)) *
                                  common::NumericValue(list) * designs +
                              r.pack_total);
  return r;
}

}  // namespace order_service

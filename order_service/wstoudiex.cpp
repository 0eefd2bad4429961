// WStoudiEX: one order from a macro — the customer and same-day checks, the
// price level, pricing by product type, and the order row.
#include <memory>

#include "common/numbers.h"
#include "common/script_error.h"
#include "order_service/card_price_rows.h"
#include "order_service/card_pricing.h"
#include "order_service/db/connection.h"
#include "order_service/db/database_error.h"
#include "order_service/db/recordset.h"
#include "order_service/messages.h"
#include "order_service/order_key.h"
#include "order_service/shared_routines.h"
#include "order_service/sql_text.h"
#include "order_service/submission_statements.h"
#include "order_service/wstd.h"

namespace order_service {
namespace {

namespace st = statements;

constexpr char16_t kBusinessCards[] = u"名片";
constexpr char16_t kSpecialPaperCards[] = u"特种纸卡";
// A level item starting with this marks a newly added customer: no level yet.
constexpr char16_t kNewCustomerPrefix[] = u"新增";

// The duplicate test and the insert run inside one write transaction, so two
// submissions of the same order cannot both pass the test. Every way out
// other than Commit rolls it back.
class WriteTransaction {
 public:
  explicit WriteTransaction(db::Connection& cn) : cn_(cn) { cn_.BeginWriteTransaction(); }
  ~WriteTransaction() { Rollback(); }
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;

  void Commit() {
    cn_.Commit();
    open_ = false;
  }
  void Rollback() {
    if (!open_) return;
    open_ = false;
    try {
      cn_.Rollback();
    } catch (const std::exception&) {
      // The failure being reported matters more; the connection is dropped
      // with its transaction when it is replaced or closed.
    }
  }

 private:
  db::Connection& cn_;
  bool open_ = true;
};

Text Total(float value) { return common::TrimSpaces(common::SingleText(value)); }

Text FailureResult(const Text& description) {
  return messages::kSubmitFailedBefore + description + messages::kSubmitFailedAfter;
}

// Runs a query through the recordset and tells whether it returned a row; the
// recordset stays open on its first row for the caller to read and close.
bool QueryHasRows(db::Recordset& rs, db::Connection& cn, const Text& sql) {
  rs.Open(sql, cn);
  return rs.RecordCount() > 0;
}

struct PricingCustomer {
  Text city_code;
  Text area_code;
};

// Sets the object's price level for the pricing customer, falling back to the
// anonymous customer's level; returns the city and area codes to store.
PricingCustomer ResolvePriceLevel(Wstd& w, db::Connection& cn, db::Recordset& rs,
                                  const Text& pricing_customer) {
  PricingCustomer found;
  Text& level = w.VipLevel();
  level.clear();
  if (QueryHasRows(rs, cn, st::CustomerLevel(w.ListUser, pricing_customer))) {
    level = GetVIP(common::TrimSpaces(rs.Field(st::kLevelColumn).AsText(st::kLevelColumn)), 1);
    found.city_code = rs.Field(st::kCityColumn).AsText(st::kCityColumn);
    found.area_code = rs.Field(st::kAreaColumn).AsText(st::kAreaColumn);
  }
  rs.Close();
  if (common::Left(level, 2) == kNewCustomerPrefix) level.clear();
  if (level.empty()) {
    if (QueryHasRows(rs, cn, st::AnonymousLevel(w.ListUser))) {
      level = common::TrimSpaces(rs.Field(st::kLevelColumn).AsText(st::kLevelColumn));
      found.city_code = st::kNoCityCode;
      found.area_code = st::kNoCityCode;
    }
    rs.Close();
  }
  return found;
}

// Loads the single- and double-sided rows of the object's level, when it has
// one; otherwise the rows of the last load stay.
void LoadCardRows(Wstd& w, db::Connection& cn, db::Recordset& rs, const Text& single_suffix,
                  const Text& double_suffix) {
  if (w.VipLevel().empty()) return;
  LoadCardPriceRow(cn, rs, w.ListUser, single_suffix, w.VipLevel(), w.PriceSlots());
  LoadCardPriceRow(cn, rs, w.ListUser, double_suffix, w.VipLevel(), w.PriceSlotsB());
}

}  // namespace

Text Wstd::WStoudiEX(Text& Codes, const Text& fnames, const Text& AB, const Text& FM, Text& Heshu,
                     const Text& ks, const Text& ZW, const Text& Notes, const Text& RePr,
                     const Text& BarCodes, const Text& ProTYPE, bool LockPrice, const Text& HJGx,
                     float Mony, const Text& WAIX, float Tones, bool JISHUAN, float CHENBEN) {
  if (!LoadCfgINI()) return messages::kSubmitConfigError;
  Codes = common::TrimSpaces(Codes);

  try {
    const OrderKey key = SplitOrderKey(Codes, BarCodes);
    if (key.customer_code == kAnonymousCode) {
      host_.ShowMessageBox(messages::kEnterCustomerCode, kMbIconInformation, messages::kEmptyCodeCaption);
      return messages::kSubmitNoCode;
    }
    const Text pricing_customer = LockPrice ? Text(st::kAnonymousCustomer) : key.customer_code;

    auto conn = std::make_shared<db::Connection>();
    cn = conn;
    conn->Open(conn_str_);
    auto rs = std::make_shared<db::Recordset>();
    RS = rs;

    const bool registered = QueryHasRows(*rs, *conn, st::CustomerExists(ListUser, key.customer_code));
    rs->Close();
    if (!registered)
      return messages::kNotRegisteredBefore + key.customer_code + messages::kNotRegisteredAfter;

    WriteTransaction tx(*conn);
    const Text business_date = common::FormatDate(WorkDate(host_, host_.Now()));
    const bool submitted = QueryHasRows(
        *rs, *conn, st::SameDayOrders(ListNames, key.customer_code, key.order_number, business_date));
    rs->Close();
    if (submitted) {
      tx.Rollback();
      conn->Close();
      return messages::kOrderAlreadySubmitted;
    }

    const PricingCustomer customer = ResolvePriceLevel(*this, *conn, *rs, pricing_customer);

    float unit_price = 0, total = 0, cost = 0;
    // A fixed amount replaces the priced total; the stored quantity becomes "0".
    auto ApplyFixedAmount = [&] {
      if (Mony <= 0) return;
      total = Mony;
      unit_price = common::ToSingle(Quotient(Mony, common::NumericValue(Heshu)));
      Heshu = u"0";
    };
    if (ProTYPE == kSpecialPaperCards) {
      if (Mony > 0) {
        total = Mony;
        unit_price = common::ToSingle(Quotient(Mony, common::NumericValue(Heshu)));
      }
      if (Tones > 0) total = Tones;
    } else if (ProTYPE == kBusinessCards) {
      // The cost pass prices the boxes the caller asked for, even when a
      // fixed amount has replaced the stored quantity by "0".
      const CardOrder card{AB, FM, Heshu, ks, ZW, RePr, HJGx};
      PackPricer pricer;
      LoadCardRows(*this, *conn, *rs, st::kSalePrices, st::kSalePricesB);
      const PassResult sale = pricer.Run(card, price_slots_, price_slots_b_);
      total = sale.amount;
      unit_price = sale.unit_price;
      ApplyFixedAmount();
      if (JISHUAN) return Total(total);
      if (Tones > 0) total = Tones;
      LoadCardRows(*this, *conn, *rs, st::kCostPrices, st::kCostPricesB);
      cost = pricer.Run(card, price_slots_, price_slots_b_).amount;
    } else {
      ApplyFixedAmount();
      if (JISHUAN) return Total(total);
      if (Tones > 0) total = Tones;
    }
    if (CHENBEN > 0) cost = CHENBEN;

    const common::DateTime now = host_.Now();
    st::OrderRow row;
    row.order_time = common::FormatDate(WorkDate(host_, now)) + u" " + common::FormatTime(now);
    row.customer_code = key.customer_code;
    row.product_type = ProTYPE;
    row.order_number = key.order_number;
    row.fnames = fnames;
    row.AB = AB;
    row.FM = FM;
    row.quantity = Heshu;
    row.ks = ks;
    row.ZW = ZW;
    row.Notes = Notes;
    row.RePr = RePr;
    row.unit_price = common::FormatSingle(unit_price, u"0.00");
    row.total = common::SingleText(total);
    row.city_code = customer.city_code;
    row.area_code = customer.area_code;
    row.WAIX = WAIX;
    row.cost = common::SingleText(cost);
    rs->Open(st::InsertOrder(ListNames, row), *conn);
    tx.Commit();

    host_.ProcessPendingMessages();
    conn->Close();
    return u"(" + Total(total) + u")";
  } catch (const db::DatabaseError& e) {
    return FailureResult(e.description());
  } catch (const StatementValueError& e) {
    return FailureResult(e.description());
  } catch (const std::exception& e) {
    return FailureResult(common::FromUtf8(e.what()));
  }
}

}  // namespace order_service

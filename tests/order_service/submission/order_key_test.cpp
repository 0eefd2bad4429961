// Splitting a macro's order key into customer code and order number.
#include "order_service/order_key.h"

#include <gtest/gtest.h>

namespace order_service {
namespace {

TEST(SplitOrderKey, CodeBeforeTheFirstDigitOrTheBarCode) {
  struct Case {
    const char16_t* codes;
    const char16_t* bar_codes;
    const char16_t* customer;
    const char16_t* number;
  } cases[] = {
      {u"AB123", u"", u"AB", u"123"},
      {u"AB12X3", u"", u"AB", u"12X3"},
      {u"张三05", u"", u"张三", u"05"},
      {u"AB 7", u"", u"AB ", u"7"},
      {u"123", u"", u"匿名", u"123"},
      {u"ABC", u"", u"匿名", u"00"},
      {u"", u"", u"匿名", u"00"},
      // Full-width digits are not digits here.
      {u"AB１２", u"", u"匿名", u"00"},
      // A bar code of six characters or more carries the order number.
      {u"AB", u"000123", u"AB", u"000123"},
      {u"AB77", u"000123", u"AB77", u"000123"},
      {u"", u"000123", u"", u"000123"},
      {u"AB77", u"12345", u"AB", u"77"},
      {u"AB", u"12345", u"匿名", u"00"},
  };
  for (const auto& c : cases) {
    const OrderKey key = SplitOrderKey(c.codes, c.bar_codes);
    EXPECT_EQ(key.customer_code, c.customer) << common::ToUtf8(c.codes) << " / " << common::ToUtf8(c.bar_codes);
    EXPECT_EQ(key.order_number, c.number) << common::ToUtf8(c.codes) << " / " << common::ToUtf8(c.bar_codes);
  }
}

}  // namespace
}  // namespace order_service

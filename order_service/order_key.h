// The order key a macro sends: a customer code immediately followed by an
// order number, or the code alone with the number in a separate bar code.
#pragma once

#include <string_view>

#include "common/text.h"

namespace order_service {

using common::Text;

// What submission treats as "no customer code given".
inline constexpr char16_t kAnonymousCode[] = u"匿名";

struct OrderKey {
  Text customer_code;
  Text order_number;
};

// With a bar code of six or more characters, codes is the customer code and
// the bar code the order number. Otherwise codes splits before its first
// ASCII digit; no code before it, or no digit at all, gives the anonymous
// code, and an empty order number becomes "00".
OrderKey SplitOrderKey(std::u16string_view codes, std::u16string_view bar_codes);

}  // namespace order_service

// Splitting the order key into customer code and order number.
#include "order_service/order_key.h"

namespace order_service {

OrderKey SplitOrderKey(std::u16string_view codes, std::u16string_view bar_codes) {
  constexpr size_t kShortestBarCode = 6;
  if (bar_codes.size() >= kShortestBarCode) return {Text(codes), Text(bar_codes)};

  OrderKey key;
  for (size_t i = 0; i < codes.size(); ++i) {
    if (codes[i] >= u'0' && codes[i] <= u'9') {
      key.customer_code = i == 0 ? Text(kAnonymousCode) : Text(codes.substr(0, i));
      key.order_number = Text(codes.substr(i));
      break;
    }
  }
  if (key.customer_code.empty()) key.customer_code = kAnonymousCode;
  if (key.order_number.empty()) key.order_number = u"00";
  return key;
}

}  // namespace order_service

// The small routines shared by the service's methods.
#include "order_service/shared_routines.h"

#include <cmath>

#include "common/numbers.h"
#include "order_service/messages.h"

namespace order_service {
namespace {

// Item P (from 1) of ST split at sep into item; false when there is none.
bool PickItem(std::u16string_view ST, int32_t P, std::u16string_view sep, Text& item) {
  if (sep.empty()) {  // nothing to split at: the whole text is the one item
    item = Text(ST);
    return true;
  }
  const std::vector<Text> items = common::Split(ST, sep);
  if (items.size() == 1) {
    item = Text(ST);
    return true;
  }
  if (P < 1 || static_cast<size_t>(P) > items.size()) return false;
  item = items[static_cast<size_t>(P) - 1];
  return true;
}

}  // namespace

bool HasToken(std::u16string_view probe, std::u16string_view text) {
  if (common::TrimSpaces(probe).empty()) return true;
  return common::Find(text, probe) > 0;
}

common::DateTime WorkDate(Host& host, const common::DateTime& day) {
  return host.Now().hour > 5 ? day : common::AddDays(day, -1);
}

int32_t Floor500(int32_t n) { return n / 500 * 500; }

Text GetVIP(std::u16string_view ST, int32_t P) {
  if (ST.empty()) return {};
  Text item;
  return PickItem(ST, P, u"/", item) ? item : Text(messages::kRegisteredCustomer);
}

Text GetKWD(std::u16string_view ST, int32_t P, std::u16string_view SNC) {
  if (ST.empty()) return {};
  Text item;
  return PickItem(ST, P, SNC, item) ? item : Text();
}

int32_t GetLong(double X) { return common::ToLong(std::ceil(X)); }

}  // namespace order_service

// Pack split of a box count and the pack slots of a price row.
#include "order_service/box_packs.h"

#include <cstdint>
#include <string>

#include "common/numbers.h"
#include "common/script_error.h"
#include "order_service/sql_text.h"

namespace order_service {
namespace {

// Pack sizes from the largest down, each with its plain slot (the laminated
// slot is the next one).
struct Pack {
  int32_t boxes;
  const char16_t* entry;
  int plain_slot;
};
constexpr Pack kPacks[] = {{100, u"100", 11}, {50, u"50", 9}, {20, u"20", 7},
                           {10, u"10", 5},    {5, u"5", 3},   {2, u"2", 1}};

constexpr int kMaxPacks = 10;

}  // namespace

Text SplitBoxCount(std::u16string_view quantity) {
  // A whole-number conversion of the text: it must read as a number.
  if (!IsNumberText(common::TrimSpaces(quantity))) throw common::ScriptError::TypeMismatch();
  int32_t n = common::ToLong(common::NumericValue(quantity));

  std::u16string list;
  int kept = 0;  // entries up to the last non-zero one
  for (int i = 0; i < kMaxPacks; ++i) {
    int32_t a = 0;
    for (const Pack& p : kPacks)
      if (p.boxes <= n) {
        a = p.boxes;
        break;
      }
    n -= a;
    if (i > 0) list += u',';
    const std::string digits = std::to_string(a);
    list.append(digits.begin(), digits.end());
    if (a != 0) kept = static_cast<int>(list.size());
  }
  // Zero entries at the end go; the first entry always stays.
  if (kept == 0) return u"0";
  return list.substr(0, static_cast<size_t>(kept));
}

int PackSlot(std::u16string_view entry, bool laminated) {
  for (const Pack& p : kPacks)
    if (entry == p.entry) return p.plain_slot + (laminated ? 1 : 0);
  return 0;
}

}  // namespace order_service

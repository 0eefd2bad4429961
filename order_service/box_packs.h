// Business cards come in packs of 2, 5, 10, 20, 50 and 100 boxes: splitting a
// box count into packs and finding a pack's slot in a price row.
#pragma once

#include <string_view>

#include "common/text.h"

namespace order_service {

using common::Text;

// The pack list of quantity: at most ten packs, largest first, joined with
// "," ("35" gives "20,10,5"); "0" when no pack fits. Boxes left over after
// the packs are not priced. A quantity that is not a number text throws
// ScriptError::TypeMismatch(); one outside the 32-bit range Overflow().
Text SplitBoxCount(std::u16string_view quantity);

// Price-row slot of one pack entry of a pack list: "2" is slot 1 (plain) or
// 2 (laminated), "5" slots 3 and 4, up to "100" slots 11 and 12; 0 when the
// entry is not a pack size.
int PackSlot(std::u16string_view entry, bool laminated);

}  // namespace order_service

// Small routines the service's methods share: token test, business date,
// rounding down to 500, picking an item of a separated list, rounding up.
#pragma once

#include <cstdint>

#include "common/date_time.h"
#include "common/text.h"
#include "order_service/host.h"

namespace order_service {

// True when probe is blank (only spaces) or occurs in text, case-sensitive.
bool HasToken(std::u16string_view probe, std::u16string_view text);

// The business date of day: before 06:00 on the host's clock it is the
// previous calendar day.
common::DateTime WorkDate(Host& host, const common::DateTime& day);

// n rounded toward zero to a multiple of 500.
int32_t Floor500(int32_t n);

// Item P (from 1) of ST split at "/"; ST itself when it has no "/"; the
// registered-customer level when there is no item P.
Text GetVIP(std::u16string_view ST, int32_t P);

// Item P (from 1) of ST split at SNC; ST itself when it holds no SNC; empty
// when there is no item P.
Text GetKWD(std::u16string_view ST, int32_t P, std::u16string_view SNC = u"-");

// The smallest whole number not less than X; throws ScriptError::Overflow()
// outside the 32-bit range.
int32_t GetLong(double X);

}  // namespace order_service

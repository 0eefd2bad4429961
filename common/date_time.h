// Calendar moments and their texts "YYYY-MM-DD" and "HH:MM:SS".
#pragma once

#include <optional>

#include "common/text.h"

namespace common {

struct DateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  bool operator==(const DateTime& o) const;
};

Text FormatDate(const DateTime& t);  // "YYYY-MM-DD"
Text FormatTime(const DateTime& t);  // "HH:MM:SS", 24-hour clock

// The same time of day, `days` calendar days later (negative: earlier).
DateTime AddDays(const DateTime& t, int days);

// "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DD"; nullopt when it is not a valid moment.
std::optional<DateTime> ParseDateTime(std::u16string_view s);

}  // namespace common

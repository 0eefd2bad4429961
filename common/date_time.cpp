// Calendar moments: the system's date and time texts and day arithmetic.
#include "common/date_time.h"

#include <cstdio>

namespace common {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  long era = (y >= 0 ? y : y - 399) / 400;
  long yoe = y - era * 400;
  long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
  z += 719468;
  long era = (z >= 0 ? z : z - 146096) / 146097;
  long doe = z - era * 146097;
  long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

Text Ascii(const char* s) { return Text(s, s + std::char_traits<char>::length(s)); }

}  // namespace

bool DateTime::operator==(const DateTime& o) const {
  return year == o.year && month == o.month && day == o.day && hour == o.hour &&
         minute == o.minute && second == o.second;
}

Text FormatDate(const DateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.year, t.month, t.day);
  return Ascii(buf);
}

Text FormatTime(const DateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return Ascii(buf);
}

DateTime AddDays(const DateTime& t, int days) {
  DateTime r = t;
  CivilFromDays(DaysFromCivil(t.year, t.month, t.day) + days, r.year, r.month, r.day);
  return r;
}

std::optional<DateTime> ParseDateTime(std::u16string_view s) {
  std::string a;
  for (char16_t c : s) {
    if (c > 0x7F) return std::nullopt;
    a += static_cast<char>(c);
  }
  DateTime t;
  int used = 0;
  if (a.size() == 10) {
    if (std::sscanf(a.c_str(), "%4d-%2d-%2d%n", &t.year, &t.month, &t.day, &used) != 3) return std::nullopt;
  } else if (a.size() == 19) {
    if (std::sscanf(a.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n", &t.year, &t.month, &t.day, &t.hour,
                    &t.minute, &t.second, &used) != 6)
      return std::nullopt;
  } else {
    return std::nullopt;
  }
  if (static_cast<size_t>(used) != a.size()) return std::nullopt;
  if (t.year < 100 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 ||
      t.day > DaysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59 ||
      t.hour < 0 || t.minute < 0 || t.second < 0)
    return std::nullopt;
  return t;
}

}  // namespace common

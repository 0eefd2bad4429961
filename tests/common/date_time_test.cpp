// Date and time texts and day arithmetic across month, year and leap-day edges.
#include <gtest/gtest.h>

#include "common/date_time.h"

using namespace common;

TEST(DateTime, FormatsWithFixedWidths) {
  DateTime t{2026, 3, 5, 6, 7, 8};
  EXPECT_EQ(FormatDate(t), u"2026-03-05");
  EXPECT_EQ(FormatTime(t), u"06:07:08");
  EXPECT_EQ(FormatTime(DateTime{2026, 1, 1, 23, 59, 59}), u"23:59:59");
}

TEST(DateTime, AddDaysCrossesMonthsYearsAndLeapDays) {
  struct Case { DateTime from; int days; const char16_t* want; } cases[] = {
      {{2026, 1, 1}, -1, u"2025-12-31"}, {{2024, 2, 28}, 1, u"2024-02-29"},
      {{2023, 2, 28}, 1, u"2023-03-01"}, {{2000, 3, 1}, -1, u"2000-02-29"},
      {{1900, 3, 1}, -1, u"1900-02-28"}, {{2026, 12, 11}, 365, u"2027-12-11"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDate(AddDays(c.from, c.days)), c.want);
  DateTime t{2026, 1, 1, 5, 59, 0};
  EXPECT_EQ(FormatTime(AddDays(t, -1)), u"05:59:00");
}

TEST(DateTime, ParsesOnlyValidMoments) {
  auto t = ParseDateTime(u"2026-12-11 05:59:30");
  ASSERT_TRUE(t);
  EXPECT_EQ(*t, (DateTime{2026, 12, 11, 5, 59, 30}));
  EXPECT_TRUE(ParseDateTime(u"2024-02-29"));
  for (const char16_t* bad : {u"2023-02-29", u"2026-13-01", u"2026-12-11 24:00:00", u"2026-12-11T05:59:30",
                              u"2026-1-011", u"", u"2026-12-11 05:59", u"２０２６-12-11"})
    EXPECT_FALSE(ParseDateTime(bad));
}

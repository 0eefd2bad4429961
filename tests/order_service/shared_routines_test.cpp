// The shared routines: token test, business date, rounding to 500, list
// items and rounding up, as tables of cases.
#include "order_service/shared_routines.h"

#include <gtest/gtest.h>

#include <climits>

#include "common/script_error.h"
#include "tests/order_service/fake_host.h"

namespace order_service {
namespace {

TEST(HasToken, BlankProbeMatchesAnythingOtherwiseExactSubstring) {
  struct Case {
    const char16_t* probe;
    const char16_t* text;
    bool expected;
  } cases[] = {
      {u"  ", u"abc", true},  {u"", u"", true},      {u"B", u"abc", false},
      {u"b", u"abc", true},   {u"b", u"", false},    {u"覆膜", u"双面覆膜", true},
      // The probe is searched as given: its spaces are only ignored for the blank test.
      {u" b", u"abc", false}, {u" b", u"a b", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HasToken(c.probe, c.text), c.expected)
        << common::ToUtf8(c.probe) << " in " << common::ToUtf8(c.text);
}

TEST(WorkDate, BeforeSixOnTheHostClockIsThePreviousDay) {
  FakeHost host;
  const common::DateTime day{2024, 3, 1, 14, 30, 0};
  struct Case {
    int hour, minute, second;
    common::DateTime expected;
  } cases[] = {
      {5, 59, 59, {2024, 2, 29, 14, 30, 0}},
      {0, 0, 0, {2024, 2, 29, 14, 30, 0}},
      {6, 0, 0, day},
      {23, 59, 59, day},
  };
  for (const auto& c : cases) {
    host.now = {2030, 1, 1, c.hour, c.minute, c.second};  // only the clock's hour counts
    EXPECT_EQ(WorkDate(host, day), c.expected) << c.hour << ":" << c.minute;
  }
  host.now = {2024, 1, 1, 3, 0, 0};
  EXPECT_EQ(WorkDate(host, {2024, 1, 1, 0, 0, 0}), (common::DateTime{2023, 12, 31, 0, 0, 0}));
}

TEST(Floor500, DropsTheRemainderTowardZero) {
  const std::pair<int32_t, int32_t> cases[] = {
      {1499, 1000}, {-700, -500}, {500, 500}, {499, 0}, {-499, 0}, {0, 0},
      {INT32_MAX, 2147483500}, {INT32_MIN, -2147483500},
  };
  for (const auto& [n, expected] : cases) EXPECT_EQ(Floor500(n), expected) << n;
}

TEST(GetVIP, PicksTheItemOrNamesTheRegisteredCustomerLevel) {
  struct Case {
    const char16_t* st;
    int32_t p;
    const char16_t* expected;
  } cases[] = {
      {u"A/B/C", 2, u"B"}, {u"A", 5, u"A"},         {u"A", -1, u"A"},       {u"", 1, u""},
      {u"A/B", 3, u"注册客户"}, {u"A/B", 0, u"注册客户"}, {u"A/B", -1, u"注册客户"},
      {u"A/", 2, u""},     {u"/", 1, u""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetVIP(c.st, c.p), c.expected) << common::ToUtf8(c.st) << " " << c.p;
}

TEST(GetKWD, PicksTheItemAtItsSeparatorOrGivesEmpty) {
  struct Case {
    const char16_t* st;
    int32_t p;
    const char16_t* snc;
    const char16_t* expected;
  } cases[] = {
      {u"x-y", 2, u"-", u"y"},  {u"x-y", 3, u"-", u""}, {u"x-y", 0, u"-", u""},
      {u"xy", 7, u"-", u"xy"},  {u"", 1, u"-", u""},    {u"a|b|c", 3, u"|", u"c"},
      {u"a--b", 2, u"--", u"b"}, {u"x-y", 2, u"", u"x-y"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetKWD(c.st, c.p, c.snc), c.expected) << common::ToUtf8(c.st) << " " << c.p;
}

TEST(GetLong, RoundsUpAndOverflowsOutsideThe32BitRange) {
  const std::pair<double, int32_t> cases[] = {
      {2, 2}, {2.01, 3}, {-2.5, -2}, {-0.5, 0}, {0.0000001, 1},
      {2147483646.5, INT32_MAX}, {-2147483648.0, INT32_MIN}, {-2147483648.9, INT32_MIN},
  };
  for (const auto& [x, expected] : cases) EXPECT_EQ(GetLong(x), expected) << x;

  for (double x : {2147483647.01, -2147483649.0, 1e300}) {
    try {
      GetLong(x);
      ADD_FAILURE() << x << " did not overflow";
    } catch (const common::ScriptError& e) {
      EXPECT_EQ(e.number(), 6) << x;
    }
  }
}

}  // namespace
}  // namespace order_service

// The pack split of a box count, as a table including the counts at and
// beyond ten packs, and its conversion failures.
#include "order_service/box_packs.h"

#include <gtest/gtest.h>

#include "common/script_error.h"

namespace order_service {
namespace {

TEST(SplitBoxCount, LargestPacksFirstAtMostTen) {
  struct Case {
    const char16_t* quantity;
    const char16_t* packs;
  } cases[] = {
      {u"30", u"20,10"},
      {u"35", u"20,10,5"},
      {u"3", u"2"},
      {u"7", u"5,2"},
      {u"4", u"2,2"},
      {u"172", u"100,50,20,2"},
      {u"1", u"0"},
      {u"0", u"0"},
      {u"-5", u"0"},
      {u" 30 ", u"20,10"},
      // Whole-number conversion rounds a half to even.
      {u"2.5", u"2"},
      {u"3.5", u"2,2"},
      // Ten packs at most; what is left over is not priced.
      {u"999", u"100,100,100,100,100,100,100,100,100,50"},
      {u"1000", u"100,100,100,100,100,100,100,100,100,100"},
      {u"1500", u"100,100,100,100,100,100,100,100,100,100"},
      {u"40", u"20,20"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitBoxCount(c.quantity), c.packs) << common::ToUtf8(c.quantity);
}

TEST(SplitBoxCount, TextThatIsNotANumberFails) {
  for (const char16_t* q : {u"", u"abc", u"30盒", u"&H10"}) {
    try {
      SplitBoxCount(q);
      ADD_FAILURE() << common::ToUtf8(q) << " was split";
    } catch (const common::ScriptError& e) {
      EXPECT_EQ(e.number(), 13) << common::ToUtf8(q);
    }
  }
  try {
    SplitBoxCount(u"1e10");
    ADD_FAILURE() << "1e10 was split";
  } catch (const common::ScriptError& e) {
    EXPECT_EQ(e.number(), 6);
  }
}

TEST(PackSlot, EachPackHasAPlainAndALaminatedSlot) {
  const char16_t* entries[] = {u"2", u"5", u"10", u"20", u"50", u"100"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(PackSlot(entries[i], false), 2 * i + 1);
    EXPECT_EQ(PackSlot(entries[i], true), 2 * i + 2);
  }
  for (const char16_t* e : {u"0", u"1", u"25", u"", u"02"}) EXPECT_EQ(PackSlot(e, false), 0);
}

}  // namespace
}  // namespace order_service

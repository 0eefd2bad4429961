// The string operations the system's rules rely on: space-only trims, 1-based
// positions by UTF-16 unit, split, and UTF-8 conversion at the edges.
#include <gtest/gtest.h>

#include "common/text.h"

using namespace common;

TEST(Text, TrimRemovesSpacesOnlyNotTabsOrFullWidthSpaces) {
  EXPECT_EQ(TrimSpaces(u"  a b  "), u"a b");
  EXPECT_EQ(TrimSpaces(u"\ta\t"), u"\ta\t");
  EXPECT_EQ(TrimSpaces(u"\u3000客户 "), u"\u3000客户");
  EXPECT_EQ(TrimSpaces(u"   "), u"");
  EXPECT_EQ(TrimLeftSpaces(u"  x "), u"x ");
  EXPECT_EQ(TrimRightSpaces(u"  x "), u"  x");
}

TEST(Text, PositionsCountUtf16UnitsFromOne) {
  const Text s = u"名片A😀b";  // the emoji is two UTF-16 units
  struct Case { Text got, want; } cases[] = {
      {Left(s, 2), u"名片"},           {Left(s, 0), u""},      {Left(s, 99), s},
      {Right(s, 1), u"b"},             {Right(s, -1), u""},    {Mid(s, 3, 1), u"A"},
      {Mid(s, 4), u"😀b"},             {Mid(s, 0, 2), u"名片"}, {Mid(s, 7), u""},
      {Mid(s, 2, 0), u""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
  EXPECT_EQ(Find(s, u"A"), 3);
  EXPECT_EQ(Find(s, u"b"), 6);
  EXPECT_EQ(Find(u"abcabc", u"c", 4), 6);
  EXPECT_EQ(Find(u"abc", u"B"), 0);  // case-sensitive
  EXPECT_EQ(Find(u"abc", u"", 2), 2);
  EXPECT_EQ(Find(u"abc", u"a", 5), 0);
}

TEST(Text, SplitKeepsEmptyItems) {
  EXPECT_EQ(Split(u"A/B/C", u"/"), (std::vector<Text>{u"A", u"B", u"C"}));
  EXPECT_EQ(Split(u"", u"/"), (std::vector<Text>{u""}));
  EXPECT_EQ(Split(u"/x/", u"/"), (std::vector<Text>{u"", u"x", u""}));
  EXPECT_EQ(Split(u"a--b", u"--"), (std::vector<Text>{u"a", u"b"}));
  EXPECT_EQ(Replace(u"it's 'x'", u"'", u"''"), u"it''s ''x''");
}

TEST(Text, Utf8RoundTripsAndReplacesInvalidInput) {
  const Text s = u"匿名客户 a\u00e9😀";
  EXPECT_EQ(FromUtf8(ToUtf8(s)), s);
  EXPECT_EQ(ToUtf8(u"客"), "\xe5\xae\xa2");
  EXPECT_EQ(FromUtf8("a\xff" "b"), u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xe5\xae"), u"\uFFFD\uFFFD");       // truncated sequence
  EXPECT_EQ(FromUtf8("\xc0\xaf"), u"\uFFFD\uFFFD");       // overlong form
  EXPECT_EQ(ToUtf8(Text(1, char16_t(0xD800))), "\xef\xbf\xbd");  // lone surrogate
}

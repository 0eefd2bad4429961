// Code page 936 conversion gives the same bytes and text on Linux and Windows.
#include <gtest/gtest.h>

#include "common/codepage.h"

using namespace common;

TEST(Codepage936, ConvertsBothWays) {
  struct Case { Text text; std::string bytes; } cases[] = {
      {u"", ""},
      {u"abc|123", "abc|123"},
      {u"匿名客户", "\xc4\xe4\xc3\xfb\xbf\xcd\xbb\xa7"},
      {u"系统目录", "\xcf\xb5\xcd\xb3\xc4\xbf\xc2\xbc"},
      {u"名片，", "\xc3\xfb\xc6\xac\xa3\xac"},
      {u"\u20ac", "\x80"},  // the euro sign's single byte
      {u"\uf8f5b", "\xff" "b"},  // Windows' mapping of the lone byte 0xFF
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToCp936(c.text), c.bytes);
    EXPECT_EQ(FromCp936(c.bytes), c.text);
  }
}

TEST(Codepage936, UnmappableInputBecomesQuestionMarks) {
  EXPECT_EQ(ToCp936(u"a😀b"), "a??b");           // each surrogate unit has no mapping
  EXPECT_EQ(ToCp936(u"\u0e01"), "?");            // Thai has no GBK code
  EXPECT_EQ(FromCp936("a\xc4"), u"a?");           // lead byte at the end
}

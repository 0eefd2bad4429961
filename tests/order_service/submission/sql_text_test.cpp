// Values placed into statements: quotes doubled, bare values only as numbers.
#include "order_service/sql_text.h"

#include <gtest/gtest.h>

namespace order_service {
namespace {

TEST(Quoted, DoublesEverySingleQuote) {
  EXPECT_EQ(Quoted(u""), u"''");
  EXPECT_EQ(Quoted(u"O'Brien"), u"'O''Brien'");
  EXPECT_EQ(Quoted(u"''"), u"''''''");
  EXPECT_EQ(Quoted(u"名片 x"), u"'名片 x'");
}

TEST(BareNumber, AcceptsNumberTextsOnly) {
  struct Case {
    const char16_t* value;
    const char16_t* placed;  // nullptr: refused
  } cases[] = {
      {u"30", u"30"},     {u" 30 ", u"30"},     {u"-2.5", u"-2.5"}, {u"+7", u"+7"},
      {u".5", u".5"},     {u"5.", u"5."},       {u"1E+10", u"1E+10"}, {u"3e-05", u"3e-05"},
      {u"", nullptr},     {u"-", nullptr},      {u".", nullptr},    {u"1e", nullptr},
      {u"1,000", nullptr}, {u"1 0", nullptr},   {u"0x10", nullptr}, {u"&H10", nullptr},
      {u"1D3", nullptr},  {u"1);drop", nullptr}, {u"'1'", nullptr},
  };
  for (const auto& c : cases) {
    if (c.placed) {
      EXPECT_EQ(BareNumber(c.value), c.placed) << common::ToUtf8(c.value);
    } else {
      EXPECT_THROW(BareNumber(c.value), StatementValueError) << common::ToUtf8(c.value);
    }
  }
}

}  // namespace
}  // namespace order_service

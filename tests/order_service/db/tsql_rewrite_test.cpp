// isnull calls are quoted for SQLite's parser and wildcard-free LIKEs gain an
// equality the column's index can serve; nothing else is touched.
#include "order_service/db/tsql_rewrite.h"

#include <gtest/gtest.h>

namespace order_service::db {
namespace {

TEST(AdaptForSqlite, QuotesOnlyCallsOfIsnullOutsideLiteralsNamesAndComments) {
  const struct {
    const char16_t* in;
    const char16_t* out;
  } cases[] = {
      {u"select isnull(sum(金额),0) from T", u"select \"isnull\"(sum(金额),0) from T"},
      {u"select ISNULL (a,0), IsNull(b,1)", u"select \"ISNULL\" (a,0), \"IsNull\"(b,1)"},
      {u"select a from T where a isnull", u"select a from T where a isnull"},
      {u"select myisnull(a,0), isnull_x(b)", u"select myisnull(a,0), isnull_x(b)"},
      {u"select 'isnull(' , [isnull](a,b), \"isnull\"(c,d)", u"select 'isnull(' , [isnull](a,b), \"isnull\"(c,d)"},
      {u"select 'it''s isnull(' -- isnull(\n, isnull(x,1)", u"select 'it''s isnull(' -- isnull(\n, \"isnull\"(x,1)"},
      {u"select /* isnull( */ 1", u"select /* isnull( */ 1"},
      {u"select 'unterminated isnull(", u"select 'unterminated isnull("},
  };
  for (const auto& c : cases) EXPECT_EQ(common::ToUtf8(AdaptForSqlite(c.in)), common::ToUtf8(c.out));
}

TEST(AdaptForSqlite, RepeatsWildcardFreeLikesAsEqualitiesOnly) {
  const struct {
    const char16_t* in;
    const char16_t* out;
  } cases[] = {
      {u"Select 客户代码 from U where 客户代码 like 'A1'",
       u"Select 客户代码 from U where (客户代码 like 'A1' and 客户代码 = 'A1')"},
      {u"select a from T where [客户代码] LIKE 'it''s' and 订单编号 like '01' and d between '1' And '2'",
       u"select a from T where ([客户代码] LIKE 'it''s' and [客户代码] = 'it''s') and (订单编号 like '01' and "
       u"订单编号 = '01') and d between '1' And '2'"},
      // Wildcards, ESCAPE, NOT LIKE, a qualified or computed left side: left as they are.
      {u"select a from T where k like '%A1%' or k like 'A_' or k like '[AB]1'",
       u"select a from T where k like '%A1%' or k like 'A_' or k like '[AB]1'"},
      {u"select a from T where k like 'A1' escape '!'", u"select a from T where k like 'A1' escape '!'"},
      {u"select a from T where k not like 'A1'", u"select a from T where k not like 'A1'"},
      {u"select a from T where T.k like 'A1'", u"select a from T where T.k like 'A1'"},
      {u"select a from T where 'x' || k like 'xA1'", u"select a from T where 'x' || k like 'xA1'"},
      {u"select 'k like ''A1''' from T", u"select 'k like ''A1''' from T"},
  };
  for (const auto& c : cases) EXPECT_EQ(common::ToUtf8(AdaptForSqlite(c.in)), common::ToUtf8(c.out));
}

}  // namespace
}  // namespace order_service::db

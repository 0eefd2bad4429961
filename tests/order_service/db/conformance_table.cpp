// The backend conformance table (see conformance_table.h).
#include "tests/order_service/db/conformance_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "order_service/db/recordset.h"

namespace order_service::db::testing {
namespace {

using common::Text;
using Row = std::vector<Text>;

// A cell as expected: "<NULL>" for NULL, "#" + text for a value that must come
// back as a number (not as text), otherwise the text the system reads.
constexpr char16_t kNull[] = u"<NULL>";

struct Case {
  Text sql;
  enum Kind { kRows, kNoResult, kFails } kind;
  std::vector<Row> rows;  // kRows
  Row columns;            // kRows; empty: not checked
  Text error_part;        // kFails: part of the driver's description
};

Case Rows(Text sql, std::vector<Row> rows, Row columns = {}) {
  return {std::move(sql), Case::kRows, std::move(rows), std::move(columns), {}};
}
Case Exec(Text sql) { return {std::move(sql), Case::kNoResult, {}, {}, {}}; }
Case Fails(Text sql, Text part) { return {std::move(sql), Case::kFails, {}, {}, std::move(part)}; }

// Text columns carry the T-SQL collation, as the project's schema declares them.
const std::vector<Case>& Table() {
  static const std::vector<Case> cases = {
      Exec(u"create table 客户表 (序号 integer primary key autoincrement, 客户名称 text collate TSQL_CI, "
           u"客户代码 text collate TSQL_CI, 会员级别 text collate TSQL_CI)"),
      Exec(u"create table 订单表 (ID integer primary key autoincrement, 下单日期 text collate TSQL_CI, "
           u"客户代码 text collate TSQL_CI, 订单编号 text collate TSQL_CI, 数量 numeric, 款数 integer, 合计 real)"),
      Exec(u"create table 纸张表 (客户名 text collate TSQL_CI, 金额 real, 数量 integer)"),
      Exec(u"create table 空表 (序号 integer primary key autoincrement, 名称 text)"),
      Exec(u"create table T_PriceD (数量 text collate TSQL_CI, 甲 real, [ #特殊 ] real, 乙 real)"),
      Exec(u"insert into 客户表 (客户名称,客户代码,会员级别) values ('张三印务','ZS01','A/B/C')"),
      Exec(u"insert into 客户表 (客户名称,客户代码,会员级别) values ('李四图文','ls_02','新增客户')"),
      Exec(u"insert into 客户表 (客户名称,客户代码,会员级别) values ('匿名客户','匿名客户',NULL)"),
      Exec(u"insert into 订单表 (下单日期,客户代码,订单编号,数量,款数,合计) values "
           u"('2026-12-10 23:59:59','ZS01','000',1,'1',1)"),
      Exec(u"insert into 订单表 (下单日期,客户代码,订单编号,数量,款数,合计) values "
           u"('2026-12-11 00:00:00','ZS01','001',5,'3',12.5)"),
      Exec(u"insert into 订单表 (下单日期,客户代码,订单编号,数量,款数,合计) values "
           u"('2026-12-11 23:59:59','zs01','002','20','12',0.35)"),
      Exec(u"insert into 订单表 (下单日期,客户代码,订单编号,数量,款数,合计) values "
           u"('2026-12-12 00:00:00','ZS01','003',1,'1',1)"),
      Exec(u"insert into 纸张表 (客户名,金额,数量) values ('张三印务',12.5,-500)"),
      Exec(u"insert into 纸张表 (客户名,金额,数量) values ('张三印务',-2.25,100)"),
      Exec(u"insert into T_PriceD (数量,甲,[ #特殊 ],乙) values ('500张',1,2,3)"),

      // LIKE without wildcards is a whole, case-insensitive match.
      Rows(u"Select 客户代码 from 客户表 where 客户代码 like 'zs01'", {{u"ZS01"}}, {u"客户代码"}),
      Rows(u"Select 客户代码 from 客户表 where 客户代码 like 'ZS0'", {}),
      Rows(u"Select 客户代码 from 客户表 where 客户名称 like '张三'", {}),
      Rows(u"Select 客户代码 from 客户表 where 客户名称 like '张三印物'", {}),
      // % any run, _ exactly one character (a Chinese character is one), [..] a set.
      Rows(u"Select 客户代码 from 客户表 where 客户代码 like 'ZS%' order by 序号", {{u"ZS01"}}),
      Rows(u"Select 客户代码 from 客户表 where 客户代码 like '%s%0%' order by 序号", {{u"ZS01"}, {u"ls_02"}}),
      Rows(u"Select 客户代码 from 客户表 where 客户代码 like 'ZS0_'", {{u"ZS01"}}),
      Rows(u"Select 客户代码 from 客户表 where 客户代码 like 'ZS_'", {}),
      Rows(u"Select 客户代码 from 客户表 where 客户名称 like '张_印务'", {{u"ZS01"}}),
      Rows(u"Select 客户代码 from 客户表 where 客户名称 like '张__务'", {{u"ZS01"}}),
      Rows(u"Select 客户代码 from 客户表 where 客户代码 like '[lz]s%' order by 序号", {{u"ZS01"}, {u"ls_02"}}),
      Rows(u"Select 客户代码 from 客户表 where 客户代码 like 'ls[_]0_'", {{u"ls_02"}}),
      Rows(u"Select 客户代码 from 客户表 where 客户代码 like '[^z]%' order by 序号", {{u"ls_02"}, {u"匿名客户"}}),
      // = ignores letter case and trailing spaces, not leading ones.
      Rows(u"Select 客户代码 from 客户表 where 客户代码='zs01  '", {{u"ZS01"}}),
      Rows(u"Select 客户代码 from 客户表 where 客户代码=' ZS01'", {}),
      Rows(u"Select 会员级别 from 客户表 where 客户名称='张三印务'", {{u"A/B/C"}}),
      // An order day: between covers 00:00:00 to 23:59:59 of one business date.
      Rows(u"Select 客户代码,订单编号 from 订单表 where 客户代码 like 'ZS01' and 订单编号 like '002' and "
           u"下单日期 between '2026-12-11 00:00:00' And '2026-12-11 23:59:59'",
           {{u"zs01", u"002"}}, {u"客户代码", u"订单编号"}),
      Rows(u"select ID,客户代码,订单编号,下单日期 from 订单表 where 客户代码 like 'zs%' and "
           u"下单日期 between '2026-12-11 00:00:00' And '2026-12-11 23:59:59' order by ID",
           {{u"#2", u"ZS01", u"001", u"2026-12-11 00:00:00"}, {u"#3", u"zs01", u"002", u"2026-12-11 23:59:59"}}),
      // Quoted digit text in number columns reads back as numbers.
      Rows(u"Select 数量,款数,合计 from 订单表 where 订单编号='002'", {{u"#20", u"#12", u"#0.35"}}),
      // isnull over an aggregate, with and without matching rows.
      Rows(u"select isnull(sum(金额),0) as 纸钱合计,isnull(sum(数量),0) as 纸张总数 from 纸张表 where "
           u"纸张表.客户名 like '张三印务'",
           {{u"10.25", u"-400"}}, {u"纸钱合计", u"纸张总数"}),
      Rows(u"select isnull(sum(金额),0) as 纸钱合计,ISNULL (sum(数量),0) as 纸张总数 from 纸张表 where "
           u"纸张表.客户名 like '没有'",
           {{u"0", u"0"}}),
      Rows(u"select isnull(NULL,'isnull(') as x", {{u"isnull("}}),
      // The maximum of an empty table is one NULL row.
      Rows(u"Select max(序号) from 空表", {{kNull}}),
      Rows(u"Select 会员级别 from 客户表 where 客户代码='匿名客户'", {{kNull}}),
      // The catalogue: column names of one table in column order, untrimmed.
      Rows(u"Select Name from SysColumns Where id=Object_Id('T_PriceD')", {{u"数量"}, {u"甲"}, {u" #特殊 "}, {u"乙"}},
           {u"Name"}),
      Rows(u"select name from syscolumns where ID=object_id('t_priced') and Name='甲'", {{u"甲"}}),
      Rows(u"Select Name from SysColumns Where id=Object_Id('订单表')",
           {{u"ID"}, {u"下单日期"}, {u"客户代码"}, {u"订单编号"}, {u"数量"}, {u"款数"}, {u"合计"}}),
      Rows(u"Select Name from SysColumns Where id=Object_Id('无此表')", {}),
      Rows(u"select Object_Id('无此表')", {{kNull}}),
      Exec(u"create table 后建表 (丙 text, 丁 integer)"),
      Rows(u"Select Name from SysColumns Where id=Object_Id('后建表')", {{u"丙"}, {u"丁"}}),
      // Failures carry the driver's text.
      Fails(u"Select 数量 from 无此表", u"no such table"),
      Fails(u"Select 无此列 from 客户表", u"no such column"),
      Fails(u"Select 客户代码 from 客户表 where 客户名称 like 'O'Brien'", u"syntax error"),
  };
  return cases;
}

bool IsNumber(const DbValue& v) {
  return std::holds_alternative<int64_t>(v.v) || std::holds_alternative<double>(v.v);
}

void ExpectCell(const DbValue& got, const Text& want, const Text& column) {
  if (want == kNull) {
    ASSERT_TRUE(got.IsNull()) << common::ToUtf8(got.AsText(column));
    try {
      got.AsText(column);
      ADD_FAILURE() << "reading NULL as text did not fail";
    } catch (const DatabaseError& e) {
      EXPECT_NE(e.description().find(column), Text::npos) << "the error does not name the column: " << e.what();
    }
    return;
  }
  bool number = !want.empty() && want[0] == u'#';
  Text text = number ? want.substr(1) : want;
  if (number) {
    EXPECT_TRUE(IsNumber(got)) << common::ToUtf8(column) << " came back as text";
  }
  EXPECT_EQ(common::ToUtf8(got.AsText(column)), common::ToUtf8(text)) << "column " << common::ToUtf8(column);
}

// Reads every row the way the service does: RecordCount, then MoveFirst and
// MoveNext until EOF, then MoveLast.
void ExpectRows(Recordset& rs, const Case& c) {
  ASSERT_TRUE(rs.IsOpen());
  ASSERT_EQ(rs.RecordCount(), static_cast<long>(c.rows.size()));
  if (!c.columns.empty()) {
    ASSERT_EQ(rs.Columns().size(), c.columns.size());
    for (size_t i = 0; i < c.columns.size(); ++i)
      EXPECT_EQ(common::ToUtf8(rs.Columns()[i]), common::ToUtf8(c.columns[i]));
  }
  if (c.rows.empty()) {
    EXPECT_TRUE(rs.Eof());
    EXPECT_THROW(rs.MoveFirst(), DatabaseError);
    EXPECT_THROW(rs.MoveLast(), DatabaseError);
    return;
  }
  rs.MoveFirst();
  for (const Row& want : c.rows) {
    ASSERT_FALSE(rs.Eof());
    ASSERT_EQ(rs.Columns().size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) ExpectCell(rs.Field(rs.Columns()[i]), want[i], rs.Columns()[i]);
    rs.MoveNext();
  }
  EXPECT_TRUE(rs.Eof());
  EXPECT_THROW(rs.Field(rs.Columns()[0]), DatabaseError);
  rs.MoveLast();
  ASSERT_FALSE(rs.Eof());
  ExpectCell(rs.Field(rs.Columns()[0]), c.rows.back()[0], rs.Columns()[0]);
}

}  // namespace

void ExpectConformance(Connection& cn) {
  for (const Case& c : Table()) {
    SCOPED_TRACE(common::ToUtf8(c.sql));
    Recordset rs;
    switch (c.kind) {
      case Case::kNoResult:
        ASSERT_NO_THROW(cn.Execute(c.sql));
        break;
      case Case::kRows:
        try {
          rs.Open(c.sql, cn);
        } catch (const DatabaseError& e) {
          ADD_FAILURE() << "failed: " << e.what();
          continue;
        }
        ExpectRows(rs, c);
        break;
      case Case::kFails:
        try {
          rs.Open(c.sql, cn);
          ADD_FAILURE() << "did not fail";
        } catch (const DatabaseError& e) {
          EXPECT_NE(e.description().find(c.error_part), Text::npos) << e.what();
          EXPECT_FALSE(rs.IsOpen());
        }
        break;
    }
  }
}

}  // namespace order_service::db::testing

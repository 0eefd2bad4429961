// The service's tables created on a fresh SQLite file through the database
// layer: the service's own statements find the demo rows, existing tables are
// refused unless replaced, a failed creation leaves nothing behind, and the
// lookups are served by indexes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "order_service/db/connection.h"
#include "order_service/db/database_error.h"
#include "order_service/schema/dialect.h"
#include "order_service/schema/schema_setup.h"
#include "order_service/schema/service_tables.h"

namespace order_service::schema {
namespace {

using common::Text;

const TableNames kNames{u"客户资料", u"订单记录"};
const SetupOptions kWithDemo{/*demo=*/true, /*force=*/false};
const SetupOptions kReplaceWithDemo{/*demo=*/true, /*force=*/true};

class SchemaSqliteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".db";
    std::remove(path_.c_str());
    cn_.Open(u"sqlite:" + common::FromUtf8(path_));
  }
  void TearDown() override { cn_.Close(); }

  // The first cell of the first row, as the service reads it.
  std::string First(const std::string& sql) {
    const db::ResultRows r = cn_.Query(common::FromUtf8(sql));
    if (r.rows.empty()) return "<no row>";
    return common::ToUtf8(r.rows[0][0].AsText(r.columns[0]));
  }
  size_t RowCount(const std::string& sql) { return cn_.Query(common::FromUtf8(sql)).rows.size(); }

  std::string path_;
  db::Connection cn_;
};

TEST_F(SchemaSqliteTest, ServiceStatementsReadTheDemoPrintWorks) {
  CreateServiceTables(cn_, Dialect::kSqlite, kNames, kWithDemo);
  struct Case {
    const char* sql;
    const char* first;
  };
  const Case cases[] = {
      // Customer check: LIKE and = ignore letter case, = ignores trailing spaces.
      {"Select 客户代码 from 客户资料 where 客户代码 like 'a0001星光广告'", "A0001星光广告"},
      {"Select 会员级别,城市码,区域码 from 客户资料 where 客户代码='a0002彩虹图文  '", "代理价/同行价/代理价/同行价"},
      {"Select 会员级别,城市码 from 客户资料 where 客户代码='匿名客户'", "零售价"},
      {"Select max(序号) from 客户资料", "7"},
      {"Select 客户代码 from 客户资料 where 客户名称 like 'C0005%'", "C0005新客户图文"},
      // Duplicate lookup: the 02:15 order counts for the business date before.
      {"Select 客户代码,订单编号 from 订单记录 where 客户代码 like 'B0003新世纪设计' and 订单编号 like '240506-01' "
       "and 下单日期 between '2024-05-06 00:00:00' And '2024-05-06 23:59:59'",
       "B0003新世纪设计"},
      {"Select 客户代码,订单编号 from 订单记录 where 客户代码 like 'B0003新世纪设计' and 订单编号 like '240506-01' "
       "and 下单日期 between '2024-05-07 00:00:00' And '2024-05-07 23:59:59'",
       "<no row>"},
      {"Select 二盒 from 客户资料_Price where 客户级别='同行价'", "25.5"},
      {"Select 五盒膜 from 客户资料_PriceB where 客户级别='零售价'", "144"},
      {"Select 十盒 from 客户资料_PriceH where 客户级别='代理价'", "66"},
      {"Select 打码 from 客户资料_PriceI where 客户级别='同行价'", "1.65"},
      {"Select 刚古纸名片 from 客户资料_PriceK where 数量 ='2盒#同行价'", "46.75"},
      {"Select 刚古纸名片 from 客户资料_PriceJ where 数量='2盒'", "30.25"},
      {"Select 透明PVC from 客户资料_PriceD where 数量='500张#代理价'", "375"},
      {"Select 红包 from 客户资料_PriceL where 数量='1000个'", "330"},
      {"Select 不干胶 from 客户资料_PriceE WHERE 数量 LIKE 'PVC不干胶进价'", "500;40/1000;32/3000;25"},
      {"Select 不干胶亮膜 from 客户资料_PriceE WHERE 数量 LIKE '印刷一厂#1000'", "海德堡四开=26;小森对开=38;单色机=10"},
      {"select 隐藏客户代码 from 客户资料_PriceE where 数量 like '系数%'", "H0006样品部"},
      {"Select 五百张250g from 客户资料_PriceN where 客户级别='同行价双面'", "198.9"},
      {"Select 一万张157g from 客户资料_PriceP where 客户级别='零售价单面'", "550"},
      {"select isnull(sum(金额),0) as 纸钱合计,isnull(sum(数量),0) as 纸张总数 from 订单记录_WorkMnger_Paper "
       "where 订单记录_WorkMnger_Paper.客户名 like '本厂' and 订单记录_WorkMnger_Paper.纸张类别 like '铜版纸' "
       "and 订单记录_WorkMnger_Paper.纸张名称 like '157g铜版纸'",
       "2800"},
      {"Select 印工 from 客户资料_PBinfo where 编号='2A0602'", "60"},
  };
  for (const Case& c : cases) EXPECT_EQ(First(c.sql), c.first) << c.sql;
}

TEST_F(SchemaSqliteTest, PriceSheetColumnsListInTheirOrder) {
  CreateServiceTables(cn_, Dialect::kSqlite, kNames, {});
  // The option lists are built from the catalogue in column order.
  const db::ResultRows r = cn_.Query(u"Select Name from SysColumns Where id=Object_Id('客户资料_PriceD')");
  Text names;
  for (const auto& row : r.rows) names += row[0].AsText(u"Name") + u"|";
  EXPECT_EQ(common::ToUtf8(names),
            "数量|白卡PVC|透明PVC|磨砂PVC|金卡PVC|#烫金|#烫银|#压线|#压双线|#圆角|#打孔|#UV|#击凸|");
}

TEST_F(SchemaSqliteTest, ServiceInsertsTakeTheirValues) {
  CreateServiceTables(cn_, Dialect::kSqlite, kNames, kWithDemo);
  // The order insert puts 款数 and 占位 in quotes and the amounts bare.
  cn_.Execute(
      u"insert into 订单记录 (下单日期,客户代码,密码,类别,订单编号,名称规格,单双面,有无覆膜,数量,款数,占位,备注,重印,"
      u"单价,合计,订单状态,支付状态,城市码,区域码,外协厂,成本) values ('2024-05-08 11:00:00','K0004快印坊','947315',"
      u"'名片','X1','名片','单面','无',2,'3','1','','', 15.00,30,'已分割','','0573','03','',16.5)");
  EXPECT_EQ(First("Select max(ID) from 订单记录"), "4");
  EXPECT_EQ(First("Select 款数*2 from 订单记录 where 订单编号='X1'"), "6");
  cn_.Execute(u"insert into 客户资料 (注册日期,客户名称,客户代码,登陆密码,联系电话,联系地址,联系人,QQ号,物流,会员级别,"
              u"城市码,区域码,客服人员) values ('2024-05-08','K0008小马','K0008小马','1','2','3','4','5','6','同行价',"
              u"'0571','01','王芳')");
  EXPECT_EQ(First("Select 序号 from 客户资料 where 客户代码='K0008小马'"), "8");
  // One row per customer code, whatever the letter case.
  EXPECT_THROW(cn_.Execute(u"insert into 客户资料 (客户代码) values ('k0008小马')"), db::DatabaseError);
}

TEST_F(SchemaSqliteTest, ExistingTablesAreRefusedUnlessForced) {
  CreateServiceTables(cn_, Dialect::kSqlite, kNames, kWithDemo);
  cn_.Execute(u"delete from 客户资料 where 客户代码 like 'A%'");
  try {
    CreateServiceTables(cn_, Dialect::kSqlite, kNames, kWithDemo);
    FAIL() << "existing tables were not refused";
  } catch (const TablesExistError& e) {
    EXPECT_EQ(e.tables().size(), ServiceTables(kNames).size());
  }
  EXPECT_EQ(First("Select count(*) from 客户资料"), "5");  // untouched
  CreateServiceTables(cn_, Dialect::kSqlite, kNames, kReplaceWithDemo);
  EXPECT_EQ(First("Select count(*) from 客户资料"), "7");
}

TEST_F(SchemaSqliteTest, FailedCreationLeavesNoTableBehind) {
  // An index of another table already holds the name the order table's index needs.
  cn_.Execute(u"create table 其他 (a TEXT)");
  cn_.Execute(u"create index \"IX_订单记录_1\" on 其他 (a)");
  EXPECT_THROW(CreateServiceTables(cn_, Dialect::kSqlite, kNames, kWithDemo), db::DatabaseError);
  EXPECT_TRUE(ExistingServiceTables(cn_, Dialect::kSqlite, kNames).empty());
}

// The query plan of each statement names an index search, not a scan.
void ExpectIndexSearch(db::Connection& cn, const std::vector<const char*>& lookups) {
  for (const char* sql : lookups) {
    const db::ResultRows plan = cn.Query(u"EXPLAIN QUERY PLAN " + common::FromUtf8(sql));
    std::string detail;
    for (const auto& row : plan.rows) detail += common::ToUtf8(row.back().AsText(u"detail")) + "; ";
    EXPECT_EQ(detail.rfind("SEARCH", 0), 0u) << sql << "\n  plan: " << detail;
    EXPECT_NE(detail.find("INDEX"), std::string::npos) << sql << "\n  plan: " << detail;
  }
}

TEST_F(SchemaSqliteTest, EqualityLookupsAreServedByIndexes) {
  CreateServiceTables(cn_, Dialect::kSqlite, kNames, kWithDemo);
  ExpectIndexSearch(cn_, {
                             "Select 客户代码 from 客户资料 where 客户代码='A0001星光广告'",
                             "Select 客户代码 from 客户资料 where 客户名称='A0001星光广告'",
                             "Select 二盒 from 客户资料_Price where 客户级别='同行价'",
                             "Select 刚古纸名片 from 客户资料_PriceK where 数量 ='2盒#同行价'",
                             "Select 五百张157g from 客户资料_PriceN where 客户级别='同行价单面'",
                         });
}

// Disabled: the database layer registers its own like() (for T-SQL's [set]
// patterns), and SQLite narrows LIKE to an index range only for its built-in
// one, so these lookups scan. The indexes serve them once the statement also
// carries the range of its literal prefix (客户代码 >= 'A0001' and < 'A0002').
TEST_F(SchemaSqliteTest, LikeLookupsAreServedByIndexes) {
  CreateServiceTables(cn_, Dialect::kSqlite, kNames, kWithDemo);
  ExpectIndexSearch(cn_, {
                             "Select 客户代码 from 客户资料 where 客户代码 like 'A0001星光广告'",
                             "Select 客户代码,订单编号 from 订单记录 where 客户代码 like 'A0001星光广告' and 订单编号 "
                             "like '240506-01' and 下单日期 between '2024-05-06 00:00:00' And '2024-05-06 23:59:59'",
                         });
}

TEST(DialectOfServer, TellsTheEngineFromTheConfiguredServer) {
  struct Case {
    const char16_t* server;
    Dialect dialect;
  };
  const Case cases[] = {
      {u"sqlite:/srv/orders.db", Dialect::kSqlite},
      {u" SQLite:C:\\data\\orders.db", Dialect::kSqlite},
      {u"odbc:Driver=SQLite3;Database=/srv/orders.db;LoadExt=kvx_tsql.so", Dialect::kSqlite},
      {u"odbc:Driver=FreeTDS;Server=10.0.0.5;Port=1433", Dialect::kSqlServer},
      {u"PRINTSRV\\SQLEXPRESS", Dialect::kSqlServer},
      {u"192.168.1.20", Dialect::kSqlServer},
  };
  for (const Case& c : cases) EXPECT_EQ(DialectOfServer(c.server), c.dialect) << common::ToUtf8(c.server);
}

}  // namespace
}  // namespace order_service::schema

// Connection and recordset behaviour beyond the conformance table: failures
// with the driver's text, misuse of a recordset, write transactions, kept
// sessions, and reading cells with the system's number rules.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <thread>

#include "order_service/db/connection.h"
#include "order_service/db/recordset.h"

namespace order_service::db {
namespace {

using common::Text;
namespace fs = std::filesystem;

Text FreshDatabase(const char* name) {
  fs::path p = fs::current_path() / name;
  fs::remove(p);
  return common::FromUtf8("sqlite:" + p.string());
}

long CountRows(Connection& cn, const Text& sql) {
  Recordset rs;
  rs.Open(sql, cn);
  return rs.RecordCount();
}

TEST(ConnectionOpen, FailuresCarryTheDriversDescriptionAndLeaveTheConnectionClosed) {
  const struct {
    std::string connection_string;
    std::string description_part;
  } cases[] = {
      {"Provider=SQLOLEDB.1;Data Source=sqlite:/no/such/folder/orders.db", "unable to open database file"},
      {"Provider=SQLOLEDB.1;Data Source=odbc:Driver=NoSuchDriver;Database=x", "NoSuchDriver"},
      // Nothing listens on port 1: FreeTDS reports the server unreachable.
      {"Provider=SQLOLEDB.1;Password=pw;Persist Security Info=True;User ID=sa;Initial Catalog=db;"
       "Data Source=127.0.0.1,1",
       "FreeTDS"},
      {"Provider=MSDASQL;Data Source=x", "Provider cannot be found"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.connection_string);
    Connection cn;
    try {
      cn.Open(common::FromUtf8(c.connection_string));
      ADD_FAILURE() << "opened";
    } catch (const DatabaseError& e) {
      EXPECT_NE(std::string(e.what()).find(c.description_part), std::string::npos) << e.what();
    }
    EXPECT_FALSE(cn.IsOpen());
    EXPECT_THROW(cn.Execute(u"select 1"), DatabaseError);
  }
}

TEST(RecordsetUse, MisuseFailsAsAdoDoesAndAnInsertLeavesItClosed) {
  Connection cn;
  cn.Open(FreshDatabase("recordset.db"));
  cn.Execute(u"create table 表 (名称 text)");

  Recordset rs;
  rs.Open(u"insert into 表 (名称) values ('甲')", cn);  // as the service writes orders
  EXPECT_FALSE(rs.IsOpen());
  EXPECT_EQ(rs.RecordCount(), -1);
  EXPECT_THROW(rs.MoveFirst(), DatabaseError);

  rs.Open(u"select 名称 from 表", cn);
  EXPECT_THROW(rs.Open(u"select 名称 from 表", cn), DatabaseError);  // already open
  EXPECT_EQ(common::ToUtf8(rs.Field(u"名称").AsText(u"名称")), "甲");
  try {
    rs.Field(u"编号");
    ADD_FAILURE() << "unknown column read";
  } catch (const DatabaseError& e) {
    EXPECT_NE(e.description().find(u"编号"), Text::npos);
  }
  rs.Close();
  EXPECT_FALSE(rs.IsOpen());
  EXPECT_THROW(rs.Field(u"名称"), DatabaseError);

  cn.Close();
  EXPECT_FALSE(cn.IsOpen());
  EXPECT_THROW(rs.Open(u"select 名称 from 表", cn), DatabaseError);
}

TEST(WriteTransaction, HoldsOtherWritersAndCommitsOrRollsBackWhole) {
  Text db = FreshDatabase("transaction.db");
  Connection a, b;
  a.Open(db);
  b.Open(db);
  a.Execute(u"create table 订单 (编号 text)");

  a.BeginWriteTransaction();
  a.Execute(u"insert into 订单 (编号) values ('1')");
  EXPECT_EQ(CountRows(b, u"select 编号 from 订单"), 0);  // not visible before commit
  a.Rollback();
  EXPECT_EQ(CountRows(a, u"select 编号 from 订单"), 0);

  // A second writer waits for the first instead of failing at once.
  a.BeginWriteTransaction();
  auto second = std::async(std::launch::async, [&] {
    b.BeginWriteTransaction();
    long seen = CountRows(b, u"select 编号 from 订单");
    b.Execute(u"insert into 订单 (编号) values ('2')");
    b.Commit();
    return seen;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  a.Execute(u"insert into 订单 (编号) values ('1')");
  a.Commit();
  EXPECT_EQ(second.get(), 1);  // the check ran after the first writer's insert
  EXPECT_EQ(CountRows(a, u"select 编号 from 订单"), 2);

  // Closing with a transaction open discards it.
  a.BeginWriteTransaction();
  a.Execute(u"insert into 订单 (编号) values ('3')");
  a.Close();
  EXPECT_EQ(CountRows(b, u"select 编号 from 订单"), 2);
}

TEST(KeptSessions, NeverCarryAnOpenTransactionOrOutliveTheirFile) {
  Text db = FreshDatabase("kept.db");
  {
    Connection a;
    a.Open(db);
    a.Execute(u"create table 客户 (代码 text)");
    a.BeginWriteTransaction();
    a.Execute(u"insert into 客户 (代码) values ('A1')");
  }  // released inside its transaction: the insert is discarded, the session kept
  Connection b;
  b.Open(db);
  EXPECT_FALSE(b.Query(u"select 代码 from 客户").rows.size());
  b.BeginWriteTransaction();  // the kept session is not inside a transaction any more
  b.Execute(u"insert into 客户 (代码) values ('B1')");
  b.Commit();
  b.Close();

  // The same path made anew is a new database, not the kept session's old file.
  Text again = FreshDatabase("kept.db");
  Connection c;
  c.Open(again);
  EXPECT_THROW(c.Query(u"select 代码 from 客户"), DatabaseError);
}

TEST(DbValueReading, UsesTheSystemsNumberRulesAndRefusesNull) {
  const struct {
    DbValue value;
    std::string text;
    double number;
  } cases[] = {
      {DbValue{int64_t{42}}, "42", 42},
      {DbValue{0.35}, "0.35", 0.35},
      {DbValue{1e20}, "1E+20", 1e20},
      {DbValue{Text(u"100,50")}, "100,50", 100},
      {DbValue{Text(u" 1 2.5元")}, " 1 2.5元", 12.5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(common::ToUtf8(c.value.AsText(u"列")), c.text);
    EXPECT_EQ(c.value.AsDouble(u"列"), c.number) << c.text;
  }
  for (auto read : {+[](const DbValue& v) { v.AsText(u"会员级别"); }, +[](const DbValue& v) { v.AsDouble(u"会员级别"); }}) {
    try {
      read(DbValue{});
      ADD_FAILURE() << "NULL read";
    } catch (const DatabaseError& e) {
      EXPECT_NE(e.description().find(u"会员级别"), Text::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace order_service::db

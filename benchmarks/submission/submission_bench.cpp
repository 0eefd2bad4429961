// Cost of one stored business-card order: WStoudiEX as a macro calls it
// (configuration read, a new connection, the customer and same-day checks,
// level and four price rows, the insert), beside the same statement sequence
// on one already open sqlite3 connection, for order tables of 1,000 and
// 1,000,000 rows with 10,000 customers.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "common/numbers.h"
#include "order_service/config_file.h"
#include "order_service/console_host.h"
#include "order_service/db/connection.h"
#include "order_service/db/tsql_compat.h"
#include "order_service/db/tsql_rewrite.h"
#include "order_service/schema/schema_setup.h"
#include "order_service/submission_statements.h"
#include "order_service/wstd.h"

namespace {

namespace fs = std::filesystem;
using common::Text;
using namespace order_service;

constexpr int kCustomers = 10000;
const Text kCustomerTable = u"客户表";
const Text kOrderTable = u"订单表";

void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : "?";
    sqlite3_free(error);
    throw std::runtime_error(message + " in " + sql.substr(0, 200));
  }
}

// A database with the project's schema, kCustomers customers on three levels,
// card price rows for each level and `orders` earlier orders.
struct BenchDatabase {
  fs::path dir;
  fs::path file;
};

BenchDatabase MakeDatabase(long orders) {
  BenchDatabase b;
  b.dir = fs::temp_directory_path() / ("submission-bench-" + std::to_string(orders));
  fs::remove_all(b.dir);
  fs::create_directories(b.dir);
  b.file = b.dir / "orders.db";
  {
    db::Connection cn;
    cn.Open(u"sqlite:" + common::FromUtf8(b.file.string()));
    schema::CreateServiceTables(cn, schema::Dialect::kSqlite, {kCustomerTable, kOrderTable}, {});
    cn.Close();
  }
  sqlite3* db = nullptr;
  sqlite3_open(b.file.string().c_str(), &db);
  db::RegisterTsqlCompat(db);
  const std::string customers = common::ToUtf8(kCustomerTable), orders_table = common::ToUtf8(kOrderTable);
  Exec(db, "BEGIN");
  Exec(db, "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " +
               std::to_string(kCustomers - 1) + ") INSERT INTO " + customers +
               " (客户代码,客户名称,会员级别,城市码,区域码) SELECT 'C' || printf('%05d', i) || 'X', '客户' || i,"
               " CASE i % 3 WHEN 0 THEN '零售价' WHEN 1 THEN '同行价/注册客户' ELSE '代理价' END, '0571', '01' FROM n");
  Exec(db, "INSERT INTO " + customers + " (客户代码,客户名称,会员级别,城市码,区域码) VALUES ('匿名客户','散客','零售价','0571','00')");
  for (const char* suffix : {"_Price", "_PriceB", "_PriceH", "_PriceI"})
    for (const char* level : {"零售价", "同行价", "代理价"}) {
      // The level, then the 23 price columns in table order.
      std::string sql = "INSERT INTO " + customers + suffix + " VALUES ('" + level + "'";
      for (int slot = 1; slot <= 23; ++slot) sql += "," + std::to_string(slot * 10);
      Exec(db, sql + ")");
    }
  Exec(db, "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(orders - 1) +
               ") INSERT INTO " + orders_table +
               " (下单日期,客户代码,密码,类别,订单编号,名称规格,单双面,有无覆膜,数量,款数,占位,备注,重印,单价,合计,"
               "订单状态,支付状态,城市码,区域码,外协厂,成本) SELECT "
               "strftime('%Y-%m-%d %H:%M:%S', '2020-01-01', '+' || (i * 97) || ' seconds'), "
               "'C' || printf('%05d', i % " + std::to_string(kCustomers) + ") || 'X', '947315', '名片', "
               "'B' || i, '名片', '单面', '无', 30, '1', '1', '', '', 5.2, 155, '已分割', '', '0571', '01', '', 93 FROM n");
  Exec(db, "COMMIT");
  Exec(db, "ANALYZE");
  sqlite3_close(db);
  return b;
}

const BenchDatabase& DatabaseFor(long orders) {
  static std::map<long, BenchDatabase> made;
  auto it = made.find(orders);
  if (it == made.end()) it = made.emplace(orders, MakeDatabase(orders)).first;
  return it->second;
}

Text CustomerCode(long i) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "C%05ldX", i % kCustomers);
  return common::FromUtf8(buf);
}

Text OrderNumber(long i) { return common::FromUtf8("N" + std::to_string(i) + "-" + std::to_string(rand())); }

// The whole method, as a macro calls it.
void BM_WStoudiEX(benchmark::State& state) {
  const BenchDatabase& b = DatabaseFor(state.range(0));
  const fs::path windir = b.dir / "windows";
  fs::create_directories(windir);
  std::ostringstream boxes;
  ConsoleHostOptions options;
  options.windows_directory = common::FromUtf8(windir.string());
  options.now = common::DateTime{2024, 5, 17, 10, 0, 0};
  ConsoleHost host(options, boxes);
  {
    std::string error;
    const std::string file = BuildConfigFile(
        {u"sqlite:" + common::FromUtf8(b.file.string()), u"sa", u"pw", u"works", kOrderTable, kCustomerTable});
    std::ofstream(windir / "Qconfig.ini", std::ios::binary) << file;
  }
  Wstd w(host);
  long i = 0;
  for (auto _ : state) {
    Text codes = CustomerCode(i), heshu = u"30";
    const Text bar = OrderNumber(i++);
    const Text result = w.WStoudiEX(codes, u"名片", u"单面", u"过膜", heshu, u"1", u"1", u"", u"", bar, u"名片",
                                    false, u"烫金", 0, u"", 0, false, 0);
    if (result.empty() || result[0] != u'(') state.SkipWithError(common::ToUtf8(result).c_str());
  }
}

// Runs sql on db, in the form the layer hands SQLite, and tells whether it
// returned a row; reads every column of the first row as the service would.
bool Query(sqlite3* db, const Text& sql) {
  sqlite3_stmt* st = nullptr;
  const std::string utf8 = common::ToUtf8(db::AdaptForSqlite(sql));
  if (sqlite3_prepare_v2(db, utf8.c_str(), -1, &st, nullptr) != SQLITE_OK)
    throw std::runtime_error(sqlite3_errmsg(db));
  const int rc = sqlite3_step(st);
  if (rc == SQLITE_ROW)
    for (int c = 0; c < sqlite3_column_count(st); ++c) benchmark::DoNotOptimize(sqlite3_column_text(st, c));
  else if (rc != SQLITE_DONE)
    throw std::runtime_error(sqlite3_errmsg(db));
  sqlite3_finalize(st);
  return rc == SQLITE_ROW;
}

// The same statements on one connection opened once: no configuration file,
// no connection per call, no recordsets.
void BM_OpenSqlite(benchmark::State& state) {
  const BenchDatabase& b = DatabaseFor(state.range(0));
  sqlite3* db = nullptr;
  sqlite3_open(b.file.string().c_str(), &db);
  db::RegisterTsqlCompat(db);
  sqlite3_busy_timeout(db, 5000);
  long i = 0;
  for (auto _ : state) {
    const Text code = CustomerCode(i);
    const Text number = OrderNumber(i++);
    const Text level = u"零售价";
    Query(db, statements::CustomerExists(kCustomerTable, code));
    Exec(db, "BEGIN IMMEDIATE");
    Query(db, statements::SameDayOrders(kOrderTable, code, number, u"2024-05-17"));
    Query(db, statements::CustomerLevel(kCustomerTable, code));
    for (const char16_t* suffix : {statements::kSalePrices, statements::kSalePricesB, statements::kCostPrices,
                                   statements::kCostPricesB})
      Query(db, statements::CardPriceRow(kCustomerTable, suffix, level));
    statements::OrderRow row{u"2024-05-17 10:00:00", code, u"名片", number, u"名片", u"单面", u"过膜", u"30", u"1",
                             u"1", u"", u"", u"5.20", u"165", u"0571", u"01", u"", u"99"};
    Query(db, statements::InsertOrder(kOrderTable, row));
    Exec(db, "COMMIT");
  }
  sqlite3_close(db);
}

}  // namespace

BENCHMARK(BM_WStoudiEX)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenSqlite)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();

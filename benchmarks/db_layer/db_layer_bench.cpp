// One open-query-close cycle through the database layer, as every service
// call makes it, against the same statement on an already open sqlite3
// connection: the customer check and the order duplicate lookup.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

#include "order_service/db/connection.h"
#include "order_service/db/tsql_rewrite.h"
#include "order_service/db/tsql_compat.h"
#include "order_service/schema/schema_setup.h"

namespace {

namespace db = order_service::db;
namespace schema = order_service::schema;

constexpr int kCustomers = 10000;
constexpr int kOrders = 1000000;
constexpr int kDays = 365;
const schema::TableNames kNames{u"客户资料", u"订单记录"};

std::string CustomerCode(int i) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "K%05d", i);
  return std::string(buf) + "印务";
}

// Day d of the order history, "YYYY-MM-DD" (months of 28 days keep it simple).
std::string Day(int d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "2024-%02d-%02d", 1 + d / 28 % 12, 1 + d % 28);
  return buf;
}
std::string OrderNumber(int i) { return "N" + std::to_string(i % 500); }

void Check(int rc, sqlite3* h, const char* what) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
    throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(h));
}

sqlite3* OpenRaw(const char* path) {
  sqlite3* h = nullptr;
  Check(sqlite3_open(path, &h), h, "open");
  Check(order_service::db::RegisterTsqlCompat(h), h, "register");
  return h;
}

// Builds the database once; later runs reuse the file.
void EnsureDatabase() {
  struct stat st;
  if (stat(BENCH_DATABASE, &st) == 0) return;
  const std::string building = std::string(BENCH_DATABASE) + ".building";
  std::remove(building.c_str());
  {
    db::Connection cn;
    cn.Open(u"sqlite:" + common::FromUtf8(building));
    schema::CreateServiceTables(cn, schema::Dialect::kSqlite, kNames, {});
    cn.Close();
  }
  sqlite3* h = OpenRaw(building.c_str());
  Check(sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr), h, "begin");
  sqlite3_stmt* st_customer = nullptr;
  Check(sqlite3_prepare_v2(h,
                           "insert into 客户资料 (注册日期,客户名称,客户代码,会员级别,城市码,区域码) "
                           "values ('2023-01-01',?1,?1,'同行价','0571','01')",
                           -1, &st_customer, nullptr),
        h, "prepare");
  for (int i = 0; i < kCustomers; ++i) {
    const std::string code = CustomerCode(i);
    sqlite3_bind_text(st_customer, 1, code.c_str(), -1, SQLITE_TRANSIENT);
    Check(sqlite3_step(st_customer), h, "customer");
    sqlite3_reset(st_customer);
  }
  sqlite3_finalize(st_customer);
  sqlite3_stmt* st_order = nullptr;
  Check(sqlite3_prepare_v2(h,
                           "insert into 订单记录 (下单日期,客户代码,密码,类别,订单编号,数量,款数,占位,单价,合计,订单状态,成本) "
                           "values (?1,?2,'947315','名片',?3,5,1,1,24.48,122.4,'已分割',79.2)",
                           -1, &st_order, nullptr),
        h, "prepare");
  for (int i = 0; i < kOrders; ++i) {
    const std::string when = Day(i * kDays / kOrders) + " 10:00:00";
    const std::string code = CustomerCode(i % kCustomers), number = OrderNumber(i / kCustomers);
    sqlite3_bind_text(st_order, 1, when.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(st_order, 2, code.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(st_order, 3, number.c_str(), -1, SQLITE_TRANSIENT);
    Check(sqlite3_step(st_order), h, "order");
    sqlite3_reset(st_order);
  }
  sqlite3_finalize(st_order);
  Check(sqlite3_exec(h, "COMMIT; ANALYZE", nullptr, nullptr, nullptr), h, "commit");
  sqlite3_close(h);
  std::rename(building.c_str(), BENCH_DATABASE);
}

// The service's statements, for the i-th call.
std::string CustomerCheck(int i) {
  return "Select 客户代码 from 客户资料 where 客户代码 like '" + CustomerCode(i * 7919 % kCustomers) + "'";
}
std::string DuplicateLookup(int i) {
  // An order that exists: order k was placed by customer k % kCustomers on its day.
  const int k = static_cast<int>((static_cast<long long>(i) * 104729) % kOrders);
  const std::string day = Day(k * kDays / kOrders);
  return "Select 客户代码,订单编号 from 订单记录 where 客户代码 like '" + CustomerCode(k % kCustomers) +
         "' and 订单编号 like '" + OrderNumber(k / kCustomers) + "' and 下单日期 between '" + day + " 00:00:00' And '" +
         day + " 23:59:59'";
}

template <std::string (*Statement)(int)>
void ThroughLayer(benchmark::State& state) {
  EnsureDatabase();
  const common::Text conn = u"Provider=SQLOLEDB.1;Password=;Persist Security Info=True;User ID=;Initial Catalog=;"
                            u"Data Source=sqlite:" + common::FromUtf8(BENCH_DATABASE);
  int i = 0;
  for (auto _ : state) {
    db::Connection cn;
    cn.Open(conn);
    const db::ResultRows rows = cn.Query(common::FromUtf8(Statement(i++)));
    cn.Close();
    if (rows.rows.empty()) state.SkipWithError("the statement found no row");
    benchmark::DoNotOptimize(rows);
  }
}

template <std::string (*Statement)(int)>
void OpenSqlite(benchmark::State& state) {
  EnsureDatabase();
  sqlite3* h = OpenRaw(BENCH_DATABASE);
  int i = 0;
  for (auto _ : state) {
    // The text the layer hands the engine, so both sides run the same plan.
    const std::string sql = common::ToUtf8(db::AdaptForSqlite(common::FromUtf8(Statement(i++))));
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(h, sql.c_str(), -1, &st, nullptr);
    int found = 0;
    while (sqlite3_step(st) == SQLITE_ROW) found += sqlite3_column_bytes(st, 0) > 0;
    sqlite3_finalize(st);
    if (found == 0) state.SkipWithError("the statement found no row");
  }
  sqlite3_close(h);
}

void Configure(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK_TEMPLATE(ThroughLayer, CustomerCheck)->Name("CustomerCheck/layer_open_query_close")->Apply(Configure);
BENCHMARK_TEMPLATE(OpenSqlite, CustomerCheck)->Name("CustomerCheck/open_sqlite3")->Apply(Configure);
BENCHMARK_TEMPLATE(ThroughLayer, DuplicateLookup)->Name("DuplicateLookup/layer_open_query_close")->Apply(Configure);
BENCHMARK_TEMPLATE(OpenSqlite, DuplicateLookup)->Name("DuplicateLookup/open_sqlite3")->Apply(Configure);

}  // namespace

BENCHMARK_MAIN();

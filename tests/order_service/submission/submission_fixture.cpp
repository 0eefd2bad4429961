// The SQLite order database of the submission tests.
#include "tests/order_service/submission/submission_fixture.h"

#include "order_service/config_file.h"
#include "order_service/db/recordset.h"
#include "order_service/schema/schema_setup.h"

namespace order_service {
namespace {

// Pack and finishing figures of one card price table for level factor f:
// 二十盒, 十盒, 二十盒膜, 十盒膜, 烫金, UV.
struct CardFigures {
  const char16_t* suffix;
  float twenty, ten, twenty_laminated, ten_laminated, gold, uv;
};
constexpr CardFigures kCardTables[] = {
    {u"_Price", 100, 55, 120, 66, 0.5f, 0.25f},
    {u"_PriceB", 200, 110, 240, 132, 9, 9},  // its finishing is never applied
    {u"_PriceH", 60, 33, 72, 40, 0.2f, 0.1f},
    {u"_PriceI", 90, 50, 110, 60, 7, 7},
};

Text Num(float v) {
  const std::string s = std::to_string(v);
  return common::FromUtf8(s);
}

}  // namespace

void SubmissionDb::SetUp() {
  db_path = host.windows_directory + u"/orders.db";
  host.WriteConfigBytes(BuildConfigFile({u"sqlite:" + db_path, u"sa", u"pw", u"works", kOrders, kCustomers}));
  w = std::make_unique<Wstd>(host);
  ASSERT_TRUE(w->LoadCfgINI());
  conn_str = w->ConnStr();

  db::Connection cn;
  cn.Open(conn_str);
  schema::CreateServiceTables(cn, schema::Dialect::kSqlite, {kCustomers, kOrders}, {});
  const Text customer = Text(u"insert into ") + kCustomers + u" (客户代码,客户名称,会员级别,城市码,区域码) values ";
  cn.Execute(customer + u"('匿名客户','散客','零售','A0','B0')");
  cn.Execute(customer + u"('AB','博文印务','批发/B2/B3/B4','021','浦东')");
  cn.Execute(customer + u"('XZ','新店','新增客户','010','朝阳')");
  cn.Execute(customer + u"('NR','无价客户','金卡','0571','西湖')");
  cn.Execute(customer + u"('O''K','欧克','批发','020','天河')");
  // Level 批发 at the figures above, 零售 at twice them.
  for (const CardFigures& t : kCardTables)
    for (const auto& [level, f] : {std::pair<Text, float>{u"批发", 1.f}, {u"零售", 2.f}})
      cn.Execute(Text(u"insert into ") + kCustomers + t.suffix +
                 u" (客户级别,二盒,二盒膜,五盒,五盒膜,十盒,十盒膜,二十盒,二十盒膜,五十盒,五十盒膜,一百盒,一百盒膜,"
                 u"压痕,烫金,烫银,模切,套印,击凹,UV,米线,圆角,打孔,打码) values ('" +
                 level + u"',0,0,0,0," + Num(f * t.ten) + u"," + Num(f * t.ten_laminated) + u"," +
                 Num(f * t.twenty) + u"," + Num(f * t.twenty_laminated) + u",0,0,0,0,0," + Num(f * t.gold) +
                 u",0,0,0,0," + Num(f * t.uv) + u",0,0,0,0)");
  cn.Close();
}

Text SubmissionDb::Call(Wstd& wstd, Submit& s) {
  return wstd.WStoudiEX(s.Codes, s.fnames, s.AB, s.FM, s.Heshu, s.ks, s.ZW, s.Notes, s.RePr, s.BarCodes,
                        s.ProTYPE, s.LockPrice, s.HJGx, s.Mony, s.WAIX, s.Tones, s.JISHUAN, s.CHENBEN);
}

void SubmissionDb::Exec(const Text& sql) {
  db::Connection cn;
  cn.Open(conn_str);
  cn.Execute(sql);
  cn.Close();
}

std::vector<std::map<Text, Text>> SubmissionDb::Orders() {
  db::Connection cn;
  cn.Open(conn_str);
  const db::ResultRows result = cn.Query(Text(u"select * from ") + kOrders + u" order by ID");
  std::vector<std::map<Text, Text>> out;
  for (const auto& row : result.rows) {
    std::map<Text, Text> m;
    for (size_t i = 0; i < result.columns.size(); ++i)
      m[result.columns[i]] = row[i].IsNull() ? Text(u"NULL") : row[i].AsText(result.columns[i]);
    out.push_back(std::move(m));
  }
  cn.Close();
  return out;
}

}  // namespace order_service

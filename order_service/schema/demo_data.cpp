// The demo rows as data tables; level rows and twin (cost) sheets are derived
// from the base prices by fixed factors, so every sheet stays consistent.
#include "order_service/schema/demo_data.h"

#include <cmath>
#include <stdexcept>

#include "common/numbers.h"
#include "order_service/schema/ddl_writer.h"
#include "order_service/sql_text.h"
#include "order_service/schema/product_columns.h"
#include "order_service/schema/table_suffixes.h"

namespace order_service::schema {
namespace {

struct Level {
  const char16_t* name;
  double factor;  // on the retail price
};
// Item 1 of 会员级别 and the level rows of the quantity sheets.
const Level kLevels[] = {{u"零售价", 1.0}, {u"同行价", 0.85}, {u"代理价", 0.75}};
constexpr double kCostFactor = 0.55;        // cost and second-figure sheets
constexpr double kDoubleSidedFactor = 1.6;  // double-sided card packs

Text Price(double value) { return common::DoubleText(std::round(value * 100) / 100); }

std::vector<Text> Cols(std::initializer_list<const char16_t*> names) { return {names.begin(), names.end()}; }

// Business cards: retail single-sided pack prices (plain, laminated) and
// per-box finishing prices, in the column order of the card tables.
const double kCardPacks[12] = {30, 40, 65, 90, 120, 170, 220, 320, 500, 750, 900, 1400};
const double kCardFinishing[11] = {5, 10, 10, 12, 6, 8, 6, 4, 2, 2, 3};

DemoRows CardRows(const TableNames& n, std::u16string_view suffix, double pack_factor, bool cost) {
  DemoRows d{n.customers + Text(suffix), {}, {}};
  for (const ColumnDef& c : CardPriceTable(n, suffix).columns) d.columns.push_back(c.name);
  for (const Level& level : kLevels) {
    const double f = cost ? kCostFactor : level.factor;
    std::vector<Text> row = {level.name};
    for (double p : kCardPacks) row.push_back(Price(p * pack_factor * f));
    for (double p : kCardFinishing) row.push_back(Price(p * f));
    d.rows.push_back(row);
  }
  return d;
}

struct QuantityRow {
  const char16_t* key;
  std::vector<double> prices;  // products, then finishings
};

// A quantity-keyed sheet: base rows, then one level row per base row and
// level ("500张#同行价"); factor scales the whole sheet (its twin's cost).
DemoRows QuantityRows(Text table, std::vector<Text> columns, const std::vector<QuantityRow>& base, double factor) {
  DemoRows d{std::move(table), {u"数量"}, {}};
  d.columns.insert(d.columns.end(), columns.begin(), columns.end());
  auto add = [&](Text key, const std::vector<double>& prices, double f) {
    if (prices.size() + 1 != d.columns.size()) throw std::logic_error("demo row does not fit " + common::ToUtf8(d.table));
    std::vector<Text> row = {std::move(key)};
    for (double p : prices) row.push_back(Price(p * f));
    d.rows.push_back(row);
  };
  for (const QuantityRow& r : base) add(r.key, r.prices, factor);
  for (const QuantityRow& r : base)
    for (const Level& level : kLevels) add(Text(r.key) + u"#" + level.name, r.prices, factor * level.factor);
  return d;
}

template <size_t N>
std::vector<Text> Names(const std::array<const char16_t*, N>& a, std::vector<Text> more = {}) {
  std::vector<Text> out(a.begin(), a.end());
  out.insert(out.end(), more.begin(), more.end());
  return out;
}

const std::vector<QuantityRow> kBoxSheet = {
    {u"1盒", {25, 30, 35, 20}},
    {u"2盒", {45, 55, 65, 36}},
    {u"5盒", {100, 120, 140, 80}},
    {u"10盒", {180, 220, 260, 150}},
};
const std::vector<QuantityRow> kPvcSheet = {
    {u"100张", {120, 150, 140, 200, 30, 30, 10, 15, 10, 10, 20, 25}},
    {u"200张", {200, 250, 230, 340, 48, 48, 16, 24, 16, 16, 32, 40}},
    {u"500张", {400, 500, 460, 700, 90, 90, 30, 45, 30, 30, 60, 75}},
    {u"1000张", {700, 900, 820, 1300, 150, 150, 50, 75, 50, 50, 100, 125}},
};
const std::vector<QuantityRow> kEnvelopeSheet = {
    {u"1000个", {600, 450, 150, 150, 200, 200, 80, 80}},
    {u"2000个", {1000, 780, 240, 240, 320, 320, 128, 128}},
    {u"5000个", {2200, 1700, 525, 525, 700, 700, 280, 280}},
};

// Flyers: retail single-sided batch prices of the first weight.
const double kFlyerBatchPrices[6] = {120, 160, 260, 360, 560, 1000};
constexpr double kHeavierWeightFactor = 1.5;
constexpr double kTwoSidedFlyerFactor = 1.3;

DemoRows FlyerRows(Text table, double factor) {
  DemoRows d{std::move(table), {u"客户级别"}, {}};
  for (const char16_t* w : kFlyerWeights)
    for (const char16_t* b : kFlyerBatches) d.columns.push_back(Text(b) + w);
  for (const Level& level : kLevels)
    for (auto [sides, sides_factor] : {std::pair{u"单面", 1.0}, std::pair{u"双面", kTwoSidedFlyerFactor}}) {
      std::vector<Text> row = {Text(level.name) + sides};
      for (size_t w = 0; w < kFlyerWeights.size(); ++w)
        for (double p : kFlyerBatchPrices)
          row.push_back(Price(p * (w ? kHeavierWeightFactor : 1.0) * sides_factor * level.factor * factor));
      d.rows.push_back(row);
    }
  return d;
}

DemoRows Customers(const TableNames& n) {
  return {n.customers,
          Cols({u"注册日期", u"客户名称", u"客户代码", u"登陆密码", u"联系电话", u"联系地址", u"联系人", u"QQ号",
                u"物流", u"会员级别", u"城市码", u"区域码", u"客服人员"}),
          {
              {u"2023-03-01", u"匿名客户", u"匿名客户", u"", u"", u"", u"", u"", u"", u"零售价", u"0571", u"00", u"王芳"},
              {u"2023-03-15", u"A0001星光广告", u"A0001星光广告", u"123456", u"13805710001", u"杭州市西湖区文三路88号",
               u"李明", u"10001001", u"顺丰", u"同行价", u"0571", u"01", u"王芳"},
              {u"2023-04-02", u"A0002彩虹图文", u"A0002彩虹图文", u"888888", u"13905710002", u"杭州市拱墅区湖墅南路12号",
               u"陈静", u"10001002", u"申通", u"代理价/同行价/代理价/同行价", u"0571", u"02", u"王芳"},
              {u"2023-05-20", u"B0003新世纪设计", u"B0003新世纪设计", u"666666", u"13705740003", u"宁波市海曙区中山西路5号",
               u"张伟", u"10001003", u"中通", u"同行价/注册客户/同行价/注册客户", u"0574", u"01", u"赵磊"},
              {u"2023-08-11", u"K0004快印坊", u"K0004快印坊", u"111111", u"13605730004", u"嘉兴市南湖区中环南路200号",
               u"刘洋", u"10001004", u"韵达", u"零售价/零售价/零售价/零售价", u"0573", u"03", u"赵磊"},
              {u"2024-01-10", u"C0005新客户图文", u"C0005新客户图文", u"222222", u"13505710005", u"杭州市余杭区文一西路9号",
               u"周敏", u"10001005", u"顺丰", u"新增客户", u"0571", u"02", u"王芳"},
              {u"2024-02-01", u"H0006样品部", u"H0006样品部", u"000000", u"057188880006", u"本厂", u"孙强", u"", u"自提",
               u"代理价", u"0571", u"00", u"王芳"},
          }};
}

DemoRows Orders(const TableNames& n) {
  // The third order was placed at 02:15 on 7 May, so it belongs to 6 May.
  return {n.orders,
          Cols({u"下单日期", u"客户代码", u"密码", u"类别", u"订单编号", u"名称规格", u"单双面", u"有无覆膜", u"数量",
                u"款数", u"占位", u"备注", u"重印", u"单价", u"合计", u"订单状态", u"支付状态", u"城市码", u"区域码",
                u"外协厂", u"成本"}),
          {
              {u"2024-05-06 09:12:30", u"A0001星光广告", u"947315", u"名片", u"240506-01", u"300g铜版纸名片 90x54",
               u"双面", u"过膜", u"5", u"1", u"1", u"", u"", u"24.48", u"122.4", u"已分割", u"", u"0571", u"01", u"",
               u"79.2"},
              {u"2024-05-06 10:40:05", u"A0002彩虹图文", u"947315", u"名片", u"240506-02", u"300g铜版纸名片 90x54",
               u"单面", u"无", u"10", u"2", u"1", u"加急", u"", u"18.00", u"180", u"已分割", u"", u"0571", u"02", u"",
               u"132"},
              {u"2024-05-06 02:15:00", u"B0003新世纪设计", u"947315", u"特种纸卡", u"240506-01", u"珠光纸名片 90x54",
               u"单面", u"无", u"2", u"1", u"1", u"", u"", u"27.50", u"55", u"已分割", u"", u"0574", u"01",
               u"华彩印务", u"30.25"},
          }};
}

DemoRows GeneralPrices(const TableNames& n) {
  DemoRows d{n.customers + kGeneralPrice, Cols({u"数量", u"不干胶", u"不干胶亮膜", u"隐藏客户代码", u"隐藏客户名称"}),
             {
                 // Stickers: a plain rate and a tier list, each with its purchase row.
                 {u"铜版纸不干胶", u"35", u"", u"", u""},
                 {u"铜版纸不干胶进价", u"22", u"", u"", u""},
                 {u"PVC不干胶", u"500;60/1000;50/3000;40", u"", u"", u""},
                 {u"PVC不干胶进价", u"500;40/1000;32/3000;25", u"", u"", u""},
                 {u"系数", u"", u"", u"H0006样品部", u"样品部"},
             }};
  // Plate prices per machine model for two printing units, by sheets rounded down to 500.
  struct Plate {
    const char16_t* unit;
    const char16_t* models[3];
    double base[3];
  };
  const Plate plates[] = {{u"印刷一厂", {u"海德堡四开", u"小森对开", u"单色机"}, {30, 45, 12}},
                          {u"华彩印务", {u"海德堡四开", u"罗兰对开", nullptr}, {32, 48, 0}}};
  const double kSheetDiscount[] = {1.0, 0.93, 0.85, 0.78, 0.7};
  for (const Plate& p : plates)
    for (int step = 0; step < 5; ++step) {
      Text list;
      for (int m = 0; m < 3 && p.models[m]; ++m)
        list += (list.empty() ? u"" : u";") + Text(p.models[m]) + u"=" + Price(std::round(p.base[m] * kSheetDiscount[step]));
      d.rows.push_back({Text(p.unit) + u"#" + common::DoubleText(step * 500), u"", list, u"", u""});
    }
  return d;
}

DemoRows PaperLedger(const TableNames& n) {
  return {n.orders + kPaperLedger,
          Cols({u"客户名", u"纸张类别", u"纸张名称", u"数量", u"用纸订单名", u"备注", u"日期", u"令", u"流程单号", u"机型",
                u"金额", u"单价", u"经销商", u"吨价"}),
          {
              {u"本厂", u"铜版纸", u"157g铜版纸", u"10000", u"-", u"进货", u"2024-04-01", u"20.000", u"-", u"-", u"3500",
               u"0.35", u"华丰纸业", u"6800"},
              {u"本厂", u"铜版纸", u"157g铜版纸", u"-2000", u"A0002彩虹图文240506-02", u"-", u"2024-05-06", u"-4.000", u"-",
               u"海德堡四开", u"-700", u"0.35", u"-", u"0"},
              {u"本厂", u"铜版纸", u"250g铜版纸", u"5000", u"-", u"进货", u"2024-04-01", u"10.000", u"-", u"-", u"2900",
               u"0.58", u"华丰纸业", u"6600"},
              {u"本厂", u"特种纸", u"300g珠光纸", u"2000", u"-", u"进货", u"2024-04-15", u"4.000", u"-", u"-", u"2400",
               u"1.20", u"金华纸业", u"0"},
              // Paper the customer brought: stock without value.
              {u"A0001星光广告", u"铜版纸", u"157g铜版纸", u"1000", u"-", u"客户来纸", u"2024-04-20", u"2.000", u"-", u"-",
               u"0", u"0.00", u"-", u"0"},
          }};
}

DemoRows PlateRecords(const TableNames& n) {
  return {n.customers + kPlateRecords,
          Cols({u"日期", u"编号", u"印刷单位", u"客户名", u"版号", u"张数", u"开数", u"克重", u"大纸数", u"印工", u"纸款",
                u"金额"}),
          {
              {u"2024-05-06", u"3A0601", u"印刷一厂", u"A0001星光广告", u"B240506-1", u"1200", u"4", u"157g", u"300",
               u"75", u"105", u"180"},
              {u"2024-05-06", u"2A0602", u"华彩印务", u"A0002彩虹图文", u"B240506-2", u"600", u"8", u"250g", u"75",
               u"60", u"43.5", u"103.5"},
          }};
}

Text Literal(Dialect dialect, const ColumnDef& column, const Text& value) {
  if (IsNumberKind(column.kind)) return value;
  // N'' keeps Chinese text intact whatever the SQL Server database's code page.
  return (dialect == Dialect::kSqlServer ? u"N" : u"") + order_service::Quoted(value);
}

}  // namespace

std::vector<DemoRows> DemoData(const TableNames& n) {
  CheckTableNames(n);
  const Text& u = n.customers;
  return {
      Customers(n),
      Orders(n),
      CardRows(n, kCardSalePrice, 1.0, false),
      CardRows(n, kCardSalePriceDouble, kDoubleSidedFactor, false),
      CardRows(n, kCardCostPrice, 1.0, true),
      CardRows(n, kCardCostPriceDouble, kDoubleSidedFactor, true),
      QuantityRows(u + kBoxSheetPrice, Names(kBoxSheetProducts), kBoxSheet, 1.0),
      QuantityRows(u + kFirstTypeSecondPrice, Names(kBoxSheetProducts), kBoxSheet, kCostFactor),
      QuantityRows(u + kPvcSheetPrice, Names(kPvcSheetProducts, Names(kThirdTypeFinishings)), kPvcSheet, 1.0),
      QuantityRows(u + kThirdTypeSecondPrice, Names(kPvcSheetProducts, Names(kThirdTypeFinishings)), kPvcSheet, kCostFactor),
      QuantityRows(u + kEnvelopePrice, Names(kEnvelopeProducts, Names(kSecondTypeFinishings)), kEnvelopeSheet, 1.0),
      QuantityRows(u + kSecondTypeSecondPrice, Names(kEnvelopeProducts, Names(kSecondTypeFinishings)), kEnvelopeSheet,
                   kCostFactor),
      GeneralPrices(n),
      FlyerRows(u + kFlyerSalePrice, 1.0),
      FlyerRows(u + kFlyerSecondPrice, kCostFactor),
      PaperLedger(n),
      PlateRecords(n),
  };
}

std::vector<Text> DemoInsertStatements(Dialect dialect, const TableNames& n) {
  const std::vector<TableDef> tables = ServiceTables(n);
  auto table_of = [&](const Text& name) -> const TableDef& {
    for (const TableDef& t : tables)
      if (t.name == name) return t;
    throw std::logic_error("demo rows for an unknown table " + common::ToUtf8(name));
  };
  std::vector<Text> out;
  for (const DemoRows& d : DemoData(n)) {
    const TableDef& table = table_of(d.table);
    Text head = u"INSERT INTO " + QuoteName(dialect, table.name) + u" (";
    for (size_t i = 0; i < d.columns.size(); ++i) head += (i ? u"," : u"") + QuoteName(dialect, d.columns[i]);
    head += u") VALUES (";
    for (const std::vector<Text>& row : d.rows) {
      if (row.size() != d.columns.size()) throw std::logic_error("demo row width differs in " + common::ToUtf8(d.table));
      Text s = head;
      for (size_t i = 0; i < row.size(); ++i) s += (i ? u"," : u"") + Literal(dialect, table.Column(d.columns[i]), row[i]);
      out.push_back(s + u")");
    }
  }
  return out;
}

}  // namespace order_service::schema

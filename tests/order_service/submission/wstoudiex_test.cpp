// WStoudiEX against a real SQLite order database: result texts, the stored
// row, card pricing through the price tables, fixed amounts per product type,
// the business day, quotes in every text, and write-backs.
#include <gtest/gtest.h>

#include "order_service/db/connection.h"
#include "tests/order_service/submission/submission_fixture.h"

namespace order_service {
namespace {

const Text kFailure = u"提交订单数据失败！ 请确认填写正确。 [";

bool IsFailure(const Text& result) {
  return result.rfind(kFailure, 0) == 0 && result.back() == u']' && result.size() > kFailure.size() + 1;
}

TEST_F(SubmissionDb, StoresACardOrderColumnByColumn) {
  host.now = {2024, 5, 17, 14, 5, 9};
  Submit s;
  s.Codes = u"  AB1001 ";
  s.HJGx = u"烫金";
  s.Notes = u"加急";
  s.WAIX = u"二厂";
  EXPECT_EQ(Call(s), u"(165)");
  EXPECT_EQ(s.Codes, u"AB1001");
  EXPECT_EQ(s.Heshu, u"30");
  EXPECT_EQ(host.pumped, 1);
  EXPECT_FALSE(std::static_pointer_cast<db::Connection>(w->cn)->IsOpen());
  EXPECT_EQ(w->VipLevel(), u"批发");

  const auto rows = Orders();
  ASSERT_EQ(rows.size(), 1u);
  const std::map<Text, Text> expected = {
      {u"ID", u"1"},          {u"下单日期", u"2024-05-17 14:05:09"},
      {u"客户代码", u"AB"},   {u"密码", u"947315"},
      {u"类别", u"名片"},     {u"订单编号", u"1001"},
      {u"名称规格", u"名片 90x54"}, {u"单双面", u"单面"},
      {u"有无覆膜", u"无"},   {u"数量", u"30"},
      {u"款数", u"1"},        {u"占位", u"1"},
      {u"备注", u"加急"},     {u"重印", u""},
      {u"单价", u"5.2"},      {u"合计", u"165"},
      {u"订单状态", u"已分割"}, {u"支付状态", u""},
      {u"城市码", u"021"},    {u"区域码", u"浦东"},
      {u"外协厂", u"二厂"},   {u"成本", u"97"},
  };
  EXPECT_EQ(rows[0], expected);
}

TEST_F(SubmissionDb, PricesCardsFromTheFourTables) {
  // Sale figures 批发: 二十盒 100, 十盒 55, 二十盒膜 120, 十盒膜 66, 烫金 0.5,
  // UV 0.25; double-sided 200/110/240/132; cost 60/33/72/40, 0.2, 0.1;
  // double-sided cost 90/50/110/60. 零售 is twice 批发.
  struct Case {
    const char16_t* Codes;
    const char16_t* AB;
    const char16_t* FM;
    const char16_t* Heshu;
    const char16_t* ks;
    const char16_t* ZW;
    const char16_t* RePr;
    const char16_t* HJGx;
    bool LockPrice;
    const char16_t* result;
    const char16_t* unit;
    const char16_t* cost;
    const char16_t* city;
  } cases[] = {
      {u"AB1", u"单面", u"无", u"30", u"1", u"1", u"", u"", false, u"(155)", u"5.2", u"93", u"021"},
      {u"AB2", u"单面", u"过膜", u"30", u"1", u"1", u"", u"", false, u"(186)", u"6.2", u"112", u"021"},
      {u"AB3", u"双面", u"无", u"30", u"1", u"1", u"", u"", false, u"(310)", u"10.3", u"140", u"021"},
      {u"AB4", u"双面", u"过膜", u"30", u"1", u"1", u"", u"烫金", false, u"(382)", u"12.4", u"174", u"021"},
      {u"AB5", u"单面", u"无", u"30", u"2", u"3", u"", u"烫金", false, u"(950)", u"31", u"566", u"021"},
      {u"AB6", u"单面", u"无", u"30", u"1", u"1", u"", u"烫金烫金UV", false, u"(170)", u"5.2", u"99", u"021"},
      {u"AB7", u"单面", u"无", u"30", u"1", u"1", u"Y", u"烫金", false, u"(10)", u"0", u"4", u"021"},
      {u"AB8", u"单面", u"无", u"1", u"1", u"1", u"", u"", false, u"(0)", u"0", u"0", u"021"},
      {u"AB9", u"单面", u"无", u"10", u"1", u"1", u"", u"", false, u"(55)", u"5.5", u"33", u"021"},
      {u"AB10", u"单面", u"亮膜", u"30", u"1", u"1", u"", u"烫金", false, u"(10)", u"0", u"4", u"021"},
      {u"AB11", u"三面", u"无", u"30", u"1", u"1", u"", u"", false, u"(0)", u"0", u"0", u"021"},
      // Locked prices and a new customer price at the anonymous level (零售).
      {u"AB12", u"单面", u"无", u"30", u"1", u"1", u"", u"", true, u"(310)", u"10.3", u"186", u"A0"},
      {u"XZ1", u"单面", u"无", u"30", u"1", u"1", u"", u"", false, u"(310)", u"10.3", u"186", u"无"},
  };
  size_t stored = 0;
  for (const auto& c : cases) {
    Submit s;
    s.Codes = c.Codes;
    s.AB = c.AB;
    s.FM = c.FM;
    s.Heshu = c.Heshu;
    s.ks = c.ks;
    s.ZW = c.ZW;
    s.RePr = c.RePr;
    s.HJGx = c.HJGx;
    s.LockPrice = c.LockPrice;
    Wstd fresh(host);
    EXPECT_EQ(Call(fresh, s), c.result) << common::ToUtf8(c.Codes);
    const auto rows = Orders();
    ASSERT_EQ(rows.size(), ++stored) << common::ToUtf8(c.Codes);
    EXPECT_EQ(rows.back().at(u"单价"), c.unit) << common::ToUtf8(c.Codes);
    EXPECT_EQ(rows.back().at(u"成本"), c.cost) << common::ToUtf8(c.Codes);
    EXPECT_EQ(rows.back().at(u"城市码"), c.city) << common::ToUtf8(c.Codes);
  }
  EXPECT_EQ(Orders().back().at(u"区域码"), u"无");
}

TEST_F(SubmissionDb, EmptyLevelPricesWithTheRowsTheObjectLoadedLast) {
  Exec(Text(u"update ") + kCustomers + u" set 会员级别='' where 客户代码 in ('匿名客户','NR')");
  Submit first;
  first.Codes = u"NR1";
  EXPECT_EQ(Call(first), u"(0)");  // a new object holds all-zero rows
  EXPECT_EQ(w->VipLevel(), u"");

  Submit priced;
  priced.Codes = u"AB2";
  EXPECT_EQ(Call(priced), u"(155)");
  // The last rows loaded were the cost rows: the empty level sells at cost.
  Submit again;
  again.Codes = u"NR3";
  EXPECT_EQ(Call(again), u"(93)");
  EXPECT_EQ(Orders().back().at(u"城市码"), u"无");
}

TEST_F(SubmissionDb, FailuresStoreNothing) {
  struct Case {
    const char16_t* what;
    Submit s;
    const char16_t* setup;
  };
  Submit no_rows;  // a level with no price rows
  no_rows.Codes = u"NR1";
  Submit zero_boxes;
  zero_boxes.Heshu = u"0";
  Submit letters;
  letters.Heshu = u"三十";
  Submit special_zero;
  special_zero.ProTYPE = u"特种纸卡";
  special_zero.Mony = 120;
  special_zero.Heshu = u"";
  Submit other_bare;  // the quantity goes in bare: it must be a number
  other_bare.ProTYPE = u"宣传单";
  other_bare.Heshu = u"1,0);--";
  Submit null_level;
  null_level.Codes = u"XZ1";
  Case cases[] = {
      {u"level without rows", no_rows, u""},
      {u"zero boxes", zero_boxes, u""},
      {u"quantity in words", letters, u""},
      {u"fixed amount over no quantity", special_zero, u""},
      {u"quantity that is no number", other_bare, u""},
      {u"NULL level", null_level, u"update 客户表 set 会员级别=NULL where 客户代码='XZ'"},
      {u"NULL area code", Submit{}, u"update 客户表 set 区域码=NULL where 客户代码='AB'"},
  };
  for (auto& c : cases) {
    if (*c.setup) Exec(c.setup);
    EXPECT_TRUE(IsFailure(Call(c.s))) << common::ToUtf8(c.what);
  }
  EXPECT_TRUE(Orders().empty());
  // A failed call leaves no transaction behind: the next order goes through.
  Exec(u"update 客户表 set 区域码='浦东' where 客户代码='AB'");
  Submit fine;
  EXPECT_EQ(Call(fine), u"(155)");
}

TEST_F(SubmissionDb, FixedAmountsStoredTotalsAndPriceOnlyPerProductType) {
  struct Case {
    const char16_t* what;
    const char16_t* ProTYPE;
    const char16_t* Heshu;
    float Mony, Tones, CHENBEN;
    bool JISHUAN;
    const char16_t* result;
    const char16_t* heshu_after;
    // The stored row, or nullptr when nothing is stored.
    const char16_t* quantity;
    const char16_t* unit;
    const char16_t* total;
    const char16_t* cost;
  } cases[] = {
      {u"special, fixed", u"特种纸卡", u"10", 120, 0, 0, false, u"(120)", u"10", u"10", u"12", u"120", u"0"},
      {u"special, stored total", u"特种纸卡", u"10", 120, 100, 0, false, u"(100)", u"10", u"10", u"12", u"100", u"0"},
      {u"special, price only is stored", u"特种纸卡", u"10", 120, 0, 0, true, u"(120)", u"10", u"10", u"12", u"120", u"0"},
      {u"other, price only", u"宣传单", u"3", 50, 0, 0, true, u"50", u"0", nullptr, nullptr, nullptr, nullptr},
      {u"other, fixed", u"宣传单", u"4", 50, 0, 0, false, u"(50)", u"0", u"0", u"12.5", u"50", u"0"},
      {u"other, no amount", u"宣传单", u"4", 0, 0, 0, false, u"(0)", u"4", u"4", u"0", u"0", u"0"},
      {u"other, stored total and cost", u"宣传单", u"4", 0, 30, 7, false, u"(30)", u"4", u"4", u"0", u"30", u"7"},
      {u"cards, price only", u"名片", u"30", 0, 150, 0, true, u"155", u"30", nullptr, nullptr, nullptr, nullptr},
      {u"cards, fixed price only", u"名片", u"30", 80, 0, 0, true, u"80", u"0", nullptr, nullptr, nullptr, nullptr},
      // The cost still prices the 30 boxes asked for, while 数量 is stored as 0.
      {u"cards, fixed", u"名片", u"30", 80, 0, 0, false, u"(80)", u"0", u"0", u"2.67", u"80", u"93"},
      {u"cards, stored total", u"名片", u"30", 0, 150, 0, false, u"(150)", u"30", u"30", u"5.2", u"150", u"93"},
      {u"cards, given cost", u"名片", u"30", 0, 0, 5, false, u"(155)", u"30", u"30", u"5.2", u"155", u"5"},
  };
  int n = 0;
  for (const auto& c : cases) {
    Submit s;
    s.Codes = u"AB" + common::FromUtf8(std::to_string(++n));
    s.ProTYPE = c.ProTYPE;
    s.Heshu = c.Heshu;
    s.Mony = c.Mony;
    s.Tones = c.Tones;
    s.CHENBEN = c.CHENBEN;
    s.JISHUAN = c.JISHUAN;
    const size_t before = Orders().size();
    EXPECT_EQ(Call(s), c.result) << common::ToUtf8(c.what);
    EXPECT_EQ(s.Heshu, c.heshu_after) << common::ToUtf8(c.what);
    const auto rows = Orders();
    if (!c.quantity) {
      EXPECT_EQ(rows.size(), before) << common::ToUtf8(c.what);
      continue;
    }
    ASSERT_EQ(rows.size(), before + 1) << common::ToUtf8(c.what);
    EXPECT_EQ(rows.back().at(u"数量"), c.quantity) << common::ToUtf8(c.what);
    EXPECT_EQ(rows.back().at(u"单价"), c.unit) << common::ToUtf8(c.what);
    EXPECT_EQ(rows.back().at(u"合计"), c.total) << common::ToUtf8(c.what);
    EXPECT_EQ(rows.back().at(u"成本"), c.cost) << common::ToUtf8(c.what);
  }
}

TEST_F(SubmissionDb, ResultTextsBeforeTheOrderIsPriced) {
  Submit unknown;
  unknown.Codes = u" QQ77 ";
  EXPECT_EQ(Call(unknown), u"没有注册该用户[QQ],请重新注册！");
  EXPECT_EQ(unknown.Codes, u"QQ77");

  for (const char16_t* codes : {u"123", u" ABC "}) {
    Submit no_code;
    no_code.Codes = codes;
    EXPECT_EQ(Call(no_code), u"ERR") << common::ToUtf8(codes);
    EXPECT_EQ(no_code.Codes, common::TrimSpaces(codes));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, u"请正确填写客户代码！");
    EXPECT_EQ(host.boxes[0].flags, 64);
    EXPECT_EQ(host.boxes[0].caption, u"代码为空");
    host.boxes.clear();
  }

  Submit first;
  first.Codes = u"AB";
  first.BarCodes = u"000123";
  EXPECT_EQ(Call(first), u"(155)");
  Submit again = first;
  again.Codes = u"ab ";  // the customer lookups ignore letter case
  EXPECT_EQ(Call(again), u"该用户名已经被登记过！");
  EXPECT_FALSE(std::static_pointer_cast<db::Connection>(w->cn)->IsOpen());
  EXPECT_EQ(Orders().size(), 1u);

  host.RemoveConfigFile();
  Submit no_config;
  no_config.Codes = u" AB1 ";
  EXPECT_EQ(Call(no_config), u"数据网络配置文件错误");
  EXPECT_EQ(no_config.Codes, u" AB1 ");
}

TEST_F(SubmissionDb, BusinessDayStartsAtSix) {
  host.now = {2024, 5, 17, 12, 0, 0};
  Submit s;
  EXPECT_EQ(Call(s), u"(155)");
  struct Case {
    common::DateTime now;
    const char16_t* result;
    const char16_t* stored_time;
  } cases[] = {
      {{2024, 5, 18, 5, 30, 0}, u"该用户名已经被登记过！", nullptr},
      {{2024, 5, 18, 5, 59, 59}, u"该用户名已经被登记过！", nullptr},
      {{2024, 5, 18, 6, 0, 0}, u"(155)", u"2024-05-18 06:00:00"},
      {{2024, 5, 20, 2, 0, 0}, u"(155)", u"2024-05-19 02:00:00"},
  };
  for (const auto& c : cases) {
    host.now = c.now;
    Submit again;
    EXPECT_EQ(Call(again), c.result) << common::ToUtf8(common::FormatTime(c.now));
    if (c.stored_time) {
      EXPECT_EQ(Orders().back().at(u"下单日期"), c.stored_time);
    }
  }
  EXPECT_EQ(Orders().size(), 3u);
}

TEST_F(SubmissionDb, SingleQuotesAreStoredAsTyped) {
  Submit card;
  card.Codes = u"O'K9";
  card.fnames = u"Tom's 名片";
  card.ks = u"1'";
  card.ZW = u"1'";
  card.Notes = u"'urgent'";
  card.HJGx = u"烫金'";
  card.WAIX = u"Lee's";
  EXPECT_EQ(Call(card), u"(165)");

  Submit other;
  other.Codes = u"AB";
  other.BarCodes = u"12'345";
  other.ProTYPE = u"X'Y";
  other.AB = u"单'面";
  other.FM = u"无'";
  other.RePr = u"'";
  other.Mony = 8;
  other.Heshu = u"4";
  EXPECT_EQ(Call(other), u"(8)");

  const auto rows = Orders();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].at(u"客户代码"), u"O'K");
  EXPECT_EQ(rows[0].at(u"订单编号"), u"9");
  EXPECT_EQ(rows[0].at(u"名称规格"), u"Tom's 名片");
  EXPECT_EQ(rows[0].at(u"款数"), u"1'");
  EXPECT_EQ(rows[0].at(u"占位"), u"1'");
  EXPECT_EQ(rows[0].at(u"备注"), u"'urgent'");
  EXPECT_EQ(rows[0].at(u"外协厂"), u"Lee's");
  EXPECT_EQ(rows[0].at(u"城市码"), u"020");
  EXPECT_EQ(rows[1].at(u"订单编号"), u"12'345");
  EXPECT_EQ(rows[1].at(u"类别"), u"X'Y");
  EXPECT_EQ(rows[1].at(u"单双面"), u"单'面");
  EXPECT_EQ(rows[1].at(u"有无覆膜"), u"无'");
  EXPECT_EQ(rows[1].at(u"重印"), u"'");

  // The duplicate test finds an order whose number holds a quote.
  Submit again = other;
  EXPECT_EQ(Call(again), u"该用户名已经被登记过！");
}

}  // namespace
}  // namespace order_service

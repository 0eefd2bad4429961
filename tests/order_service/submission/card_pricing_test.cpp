// The business-card pricing pass and the finishing sum on price rows whose
// figures make every slot distinguishable.
#include "order_service/card_pricing.h"

#include <gtest/gtest.h>

#include "common/script_error.h"

namespace order_service {
namespace {

// Pack slots 1 to 12 hold distinct powers of two, so a pack total names the
// slots it came from; the double-sided row is the same times 4096.
PriceRow BitRow(float scale) {
  PriceRow row{};
  for (int slot = 1; slot <= 12; ++slot) row[slot] = scale * static_cast<float>(1 << (slot - 1));
  return row;
}
const PriceRow kSingle = BitRow(1);
const PriceRow kDouble = BitRow(4096);

// The figures of a worked example: 二十盒 100, 十盒 55, 烫金 0.5, UV 0.25.
PriceRow ExampleRow() {
  PriceRow row{};
  row[7] = 100;
  row[5] = 55;
  row[14] = 0.5f;
  row[19] = 0.25f;
  return row;
}

CardOrder Order(const char16_t* AB, const char16_t* FM, const char16_t* boxes) {
  return CardOrder{AB, FM, boxes, u"1", u"1", u"", u""};
}

TEST(PackPricingPass, SidesAndLaminationChooseTheRowAndSlot) {
  struct Case {
    const char16_t* AB;
    const char16_t* FM;
    const char16_t* boxes;
    float pack_total;
  } cases[] = {
      {u"单面", u"无", u"35", 4 + 16 + 64},          // slots 3, 5, 7
      {u"单面", u"过膜", u"35", 8 + 32 + 128},       // slots 4, 6, 8
      {u"双面", u"无", u"35", (4 + 16 + 64) * 4096.f},
      {u"双面", u"过膜", u"35", (8 + 32 + 128) * 4096.f},
      {u"单面", u"无", u"172", 1024 + 256 + 64 + 1},  // 100, 50, 20, 2
      {u"单面", u"过膜", u"1500", 2048 * 10},          // ten packs of 100
      {u"单面", u"无", u"3", 1},                      // one pack of 2
      {u"单面", u"无", u"1", 0},                      // no pack at all
      // Sides or lamination the tables do not know price nothing.
      {u"单面 ", u"无", u"35", 0},
      {u"单面", u"覆膜", u"35", 0},
      {u"", u"", u"35", 0},
  };
  for (const auto& c : cases) {
    PackPricer pricer;
    const PassResult r = pricer.Run(Order(c.AB, c.FM, c.boxes), kSingle, kDouble);
    EXPECT_EQ(r.pack_total, c.pack_total) << common::ToUtf8(c.AB) << common::ToUtf8(c.FM) << ' '
                                          << common::ToUtf8(c.boxes);
    EXPECT_EQ(r.amount, c.pack_total);  // no finishing
  }
}

TEST(PackPricingPass, UnitPriceIsRoundedToOneDecimal) {
  const PriceRow row = ExampleRow();
  struct Case {
    const char16_t* boxes;
    float unit;
  } cases[] = {
      {u"30", 5.2f},    // 155 / 30 = 5.1666...
      {u"20", 5.0f},    // 100 / 20
      {u"40", 5.0f},    // 200 / 40
      {u"10", 5.5f},    // 55 / 10
      {u"25", 4.0f},    // 100 / 25 (the 5 boxes price nothing in this row)
      {u"1", 0.0f},
  };
  for (const auto& c : cases) {
    PackPricer pricer;
    EXPECT_EQ(pricer.Run(Order(u"单面", u"无", c.boxes), row, row).unit_price, c.unit)
        << common::ToUtf8(c.boxes);
  }
  // A half rounds away from zero: a pack of 2 priced 0.3 is 0.15 a box, 0.2.
  PriceRow cheap{};
  cheap[1] = 0.3f;
  PackPricer pricer;
  EXPECT_EQ(pricer.Run(Order(u"单面", u"无", u"2"), cheap, cheap).unit_price, 0.2f);
}

TEST(PackPricingPass, DesignsPlacesReprintAndFinishing) {
  const PriceRow row = ExampleRow();
  struct Case {
    const char16_t* ks;
    const char16_t* ZW;
    const char16_t* RePr;
    const char16_t* HJGx;
    float pack_total, unit, amount;
  } cases[] = {
      {u"1", u"1", u"", u"", 155, 5.2f, 155},
      {u"1", u"1", u"", u"烫金", 155, 5.2f, 165},    // 0.5 x 20 boxes of the first pack
      {u"2", u"3", u"", u"烫金", 930, 31, 950},      // 0.5 x 20 x 2 designs + 930
      {u"1", u"1", u"", u"烫金烫金UV", 155, 5.2f, 170},  // each item once
      {u"1", u"1", u"", u"uv 烫银", 155, 5.2f, 155},    // case-sensitive, 烫银 priced 0 here
      {u"1", u"1", u"Y", u"烫金", 0, 0, 10},         // a reprint pays finishing only
      {u"2", u"1", u"  ", u"", 310, 10.3f, 310},     // a blank reprint marker is none
      {u"abc", u"1", u"", u"烫金", 0, 0, 0},         // designs read as 0
  };
  for (const auto& c : cases) {
    PackPricer pricer;
    const PassResult r = pricer.Run(CardOrder{u"单面", u"无", u"30", c.ks, c.ZW, c.RePr, c.HJGx}, row, row);
    const std::string what = common::ToUtf8(Text(c.ks) + u"/" + c.ZW + u"/" + c.RePr + u"/" + c.HJGx);
    EXPECT_EQ(r.pack_total, c.pack_total) << what;
    EXPECT_EQ(r.unit_price, c.unit) << what;
    EXPECT_EQ(r.amount, c.amount) << what;
  }
}

TEST(PackPricingPass, FinishingComesFromTheSingleSidedRow) {
  PriceRow single{}, dbl{};
  single[8] = 10;  // 二十盒膜
  dbl[8] = 30;
  single[21] = 1;  // 圆角
  dbl[21] = 100;
  PackPricer pricer;
  const PassResult r = pricer.Run(CardOrder{u"双面", u"过膜", u"20", u"1", u"1", u"", u"圆角"}, single, dbl);
  EXPECT_EQ(r.pack_total, 30);
  EXPECT_EQ(r.amount, 1 * 20 + 30);
}

TEST(PackPricingPass, ZeroQuantityIsAFailure) {
  PackPricer pricer;
  EXPECT_THROW(pricer.Run(Order(u"单面", u"无", u"0"), kSingle, kSingle), common::ScriptError);
  EXPECT_THROW(Quotient(5, 0), common::ScriptError);
  EXPECT_EQ(Quotient(5, 2), 2.5);
}

TEST(FinishingSum, EveryNamedItemOnceInSingleSlots) {
  PriceRow row{};
  for (int slot = 13; slot <= 23; ++slot) row[slot] = static_cast<float>(1 << (slot - 13));
  struct Case {
    const char16_t* text;
    float sum;
  } cases[] = {
      {u"", 0},
      {u"   ", 0},
      {u"压痕", 1},
      {u"打码", 1024},
      {u"压痕烫金烫银模切套印击凹UV米线圆角打孔打码", 2047},
      {u"UV,UV,UV 圆角", 64 + 256},
      {u"烫 金", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(FinishingSum(c.text, row), c.sum) << common::ToUtf8(c.text);
}

}  // namespace
}  // namespace order_service

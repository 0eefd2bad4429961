// A fresh SQLite order database built from the project's schema, a
// configuration pointing at it, and a small print works: customers on two
// levels, a new customer, the anonymous customer and the four card price
// tables with figures that tell every table apart.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "order_service/db/connection.h"
#include "order_service/wstd.h"
#include "tests/order_service/fake_host.h"

namespace order_service {

inline constexpr char16_t kCustomers[] = u"客户表";
inline constexpr char16_t kOrders[] = u"订单表";

// The arguments of one WStoudiEX call, defaulting to a plain business-card
// order of 30 boxes for customer AB.
struct Submit {
  Text Codes = u"AB1001";
  Text fnames = u"名片 90x54";
  Text AB = u"单面";
  Text FM = u"无";
  Text Heshu = u"30";
  Text ks = u"1";
  Text ZW = u"1";
  Text Notes = u"";
  Text RePr = u"";
  Text BarCodes = u"";
  Text ProTYPE = u"名片";
  bool LockPrice = false;
  Text HJGx = u"";
  float Mony = 0;
  Text WAIX = u"";
  float Tones = 0;
  bool JISHUAN = false;
  float CHENBEN = 0;
};

class SubmissionDb : public ::testing::Test {
 protected:
  void SetUp() override;

  Text Call(Wstd& w, Submit& s);
  Text Call(Submit& s) { return Call(*w, s); }

  // Runs a statement on a connection of the test's own.
  void Exec(const Text& sql);
  // Every order row, oldest first, as column name -> value text ("NULL").
  std::vector<std::map<Text, Text>> Orders();

  FakeHost host;
  Text db_path;
  Text conn_str;
  std::unique_ptr<Wstd> w;
};

}  // namespace order_service

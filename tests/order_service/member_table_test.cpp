// The member table that drives COM dispatch and kvx: lookup, calls through
// it, optional defaults, and members not built yet failing as such.
#include "order_service/member_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/script_error.h"
#include "order_service/wstd.h"
#include "tests/order_service/fake_host.h"

namespace order_service {
namespace {

// A value of each parameter's own type, as the glue hands them in.
std::vector<Value> ArgsFor(const MemberSpec& m) {
  std::vector<Value> args;
  for (const ParamSpec& p : m.params) {
    switch (p.type) {
      case ValueType::String: args.emplace_back(Text(u"x")); break;
      case ValueType::Boolean: args.emplace_back(false); break;
      case ValueType::Int16: args.emplace_back(int16_t{1}); break;
      case ValueType::Int32: args.emplace_back(int32_t{1}); break;
      case ValueType::Single: args.emplace_back(1.0f); break;
      case ValueType::Double: args.emplace_back(1.0); break;
      case ValueType::VariantArray: args.emplace_back(std::make_shared<VariantArray>()); break;
      default: args.emplace_back(); break;
    }
  }
  return args;
}

TEST(MemberTable, DispatchIdentifiersRiseInInterfaceOrderAndNamesAreUnique) {
  std::set<std::u16string> names;
  int32_t previous = 0;
  for (const MemberSpec& m : Members()) {
    EXPECT_GT(m.dispid, previous) << common::ToUtf8(m.name);
    previous = m.dispid;
    EXPECT_TRUE(names.insert(common::Text(m.name)).second) << common::ToUtf8(m.name);
    for (const ParamSpec& p : m.params)
      if (p.optional) {
        EXPECT_FALSE(std::holds_alternative<std::monostate>(p.default_value)) << common::ToUtf8(m.name);
      }
  }
  EXPECT_EQ(Members().front().dispid, 0x40030000);
  EXPECT_EQ(Members().back().dispid, 0x6003001C);
}

TEST(MemberTable, OptionalParametersAreTheLastOnesWithTheirDefaults) {
  struct Case {
    const char16_t* member;
    const char16_t* param;
    Value default_value;
  } cases[] = {
      {u"WStoudiEX", u"CHENBEN", 0.0f},      {u"REGSQL_User", u"AutoBC", false},
      {u"ReadSQL_CaseTJYP", u"ks", Text()}, {u"ReadSQL_CaseTJYP", u"ZW", Text()},
      {u"PBinfoReJ", u"Pprc", 0.0f},         {u"PBinfoReJ", u"CVD", false},
      {u"GetKWD", u"SNC", Text(u"-")},
  };
  size_t optional_count = 0;
  for (const MemberSpec& m : Members()) {
    bool seen_optional = false;
    for (const ParamSpec& p : m.params) {
      EXPECT_TRUE(p.optional || !seen_optional) << common::ToUtf8(m.name) << " " << common::ToUtf8(p.name);
      seen_optional |= p.optional;
      optional_count += p.optional;
    }
  }
  EXPECT_EQ(optional_count, std::size(cases));
  for (const auto& c : cases) {
    const MemberSpec* m = FindMember(c.member);
    ASSERT_NE(m, nullptr);
    auto p = std::find_if(m->params.begin(), m->params.end(),
                          [&](const ParamSpec& q) { return Text(q.name) == c.param; });
    ASSERT_NE(p, m->params.end()) << common::ToUtf8(c.param);
    EXPECT_TRUE(p->optional);
    EXPECT_TRUE(SameValue(p->default_value, c.default_value)) << common::ToUtf8(c.member) << " " << common::ToUtf8(c.param);
  }
}

TEST(MemberTable, FindsMembersByNameIgnoringCaseAndByIdentifier) {
  ASSERT_NE(FindMember(u"getvip"), nullptr);
  EXPECT_EQ(FindMember(u"getvip")->dispid, 0x60030012);
  EXPECT_EQ(FindMember(u"CFG_SQLSVR"), FindMember(0x40030004));
  EXPECT_EQ(FindMember(0x40030004)->kind, MemberKind::StringProperty);
  EXPECT_EQ(FindMember(u"GetVIPs"), nullptr);
  EXPECT_EQ(FindMember(0x40030003), nullptr);
}

TEST(MemberTable, CallsReachTheServiceObject) {
  FakeHost host;
  Wstd w(host);
  const MemberSpec& kwd = *FindMember(u"GetKWD");
  std::vector<Value> args{Text(u"a-b"), int32_t{2}, kwd.params[2].default_value};
  EXPECT_EQ(std::get<Text>(kwd.call(w, args)), u"b");

  std::vector<Value> x{2.01};
  EXPECT_EQ(std::get<int32_t>(FindMember(u"GetLong")->call(w, x)), 3);

  FindMember(u"ListUser")->put(w, Text(u"客户"));
  EXPECT_EQ(w.ListUser, u"客户");
  EXPECT_EQ(std::get<Text>(FindMember(u"ListUser")->get(w)), u"客户");

  // An object property hands back the very object that was set.
  const Object o = std::make_shared<ObjectRef>();
  FindMember(u"RS")->put(w, o);
  EXPECT_EQ(std::get<Object>(FindMember(u"RS")->get(w)), o);
  EXPECT_EQ(std::get<Object>(FindMember(u"cn")->get(w)), nullptr);
}

TEST(MemberTable, MethodsNotBuiltYetFailAsNotImplemented) {
  FakeHost host;
  Wstd w(host);
  const std::set<std::u16string> built = {u"LoadCfgINI", u"GetVIP", u"GetLong", u"GetKWD", u"WStoudiEX"};
  for (const MemberSpec& m : Members()) {
    if (m.kind != MemberKind::Method || built.count(m.name)) continue;
    std::vector<Value> args = ArgsFor(m);
    try {
      m.call(w, args);
      ADD_FAILURE() << common::ToUtf8(m.name) << " returned";
    } catch (const common::ScriptError& e) {
      EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80004001u) << common::ToUtf8(m.name);
    }
  }
}

}  // namespace
}  // namespace order_service

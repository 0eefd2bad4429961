// The kvx tool run in-process: word splitting, argument parsing and
// conversion, config write/read, calls and runs in text and JSON, exit statuses.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "order_service/cli/call_output.h"
#include "order_service/cli/call_parser.h"
#include "order_service/cli/kvx_app.h"
#include "order_service/cli/line_tokens.h"
#include "order_service/cli/usage_error.h"
#include "tests/order_service/fake_host.h"

namespace kvx {
namespace {

using order_service::Value;
using order_service::VariantArray;

struct KvxRun {
  int status;
  std::string out, err;
};

class KvxTest : public ::testing::Test {
 protected:
  order_service::FakeHost dir;  // only its temporary folder is used, as --windir

  KvxRun Kvx(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), {"--windir", common::ToUtf8(dir.windows_directory)});
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunKvx(args, in, out, err);
    return {status, out.str(), err.str()};
  }
  KvxRun WriteConfig() {
    return Kvx({"config", "write", "--server", "srv,1433", "--user", "sa", "--password", "p w\"x", "--database",
                "订单库", "--orders", "订单表", "--customers", "客户表"});
  }
};

TEST(SplitLine, SplitsWordsWithQuotesAndComments) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"GetVIP  A/B\t2", {"GetVIP", "A/B", "2"}},
      {"m \"a b\" \"\" x", {"m", "a b", "", "x"}},
      {"m \"say \\\"hi\\\"\"", {"m", "say \"hi\""}},
      {"m C:\\dir\\f", {"m", "C:\\dir\\f"}},
      {"m a#b # comment \"x", {"m", "a#b"}},
      {"   # only a comment", {}},
      {"m \"# not a comment\"", {"m", "# not a comment"}},
      {"m x\r", {"m", "x"}},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(SplitLine(line), expected) << line;
  EXPECT_THROW(SplitLine("m \"open"), UsageError);
}

TEST(ParseCall, ConvertsArgumentsAndFillsOptionalDefaults) {
  const ParsedCall c = ParseCall({"wstoudiex", "C1", "f", "AB", "FM", "1", "2", "ZW", "N", "R", "B", "P", "-1", "H",
                                  "12.5", "W", "3", "false"});
  EXPECT_EQ(c.op, CallOp::Invoke);
  ASSERT_EQ(c.args.size(), 18u);
  EXPECT_EQ(std::get<bool>(c.args[11]), true);
  EXPECT_EQ(std::get<float>(c.args[13]), 12.5f);
  EXPECT_EQ(std::get<bool>(c.args[16]), false);
  EXPECT_EQ(std::get<float>(c.args[17]), 0.0f);  // CHENBEN left off

  const ParsedCall kwd = ParseCall({"GetKWD", "a-b", " 2.5 "});
  EXPECT_EQ(std::get<int32_t>(kwd.args[1]), 2);  // a half goes to the even neighbour
  EXPECT_EQ(std::get<common::Text>(kwd.args[2]), u"-");

  const auto array = std::get<std::shared_ptr<VariantArray>>(ParseCall({"WSView", "k", "(a,,c)"}).args[1]);
  EXPECT_EQ(array->lbound, 0);
  EXPECT_EQ(array->ubound(), 2);
  EXPECT_TRUE(SameValue(array->items[1], Value(common::Text())));
  EXPECT_EQ(std::get<std::shared_ptr<VariantArray>>(ParseCall({"LoadVIPs", "()"}).args[0])->ubound(), -1);

  EXPECT_EQ(ParseCall({"ListUser"}).op, CallOp::Get);
  const ParsedCall put = ParseCall({"listuser", "=", ""});
  EXPECT_EQ(put.op, CallOp::Put);
  EXPECT_EQ(std::get<common::Text>(put.args[0]), u"");

  // A number too big for its type fails the call when run, as in a macro.
  const ParsedCall big = ParseCall({"ReadSQL_CaseTJYP", "p", "s", "l", "40000", "h", "u"});
  ASSERT_TRUE(big.conversion_error.has_value());
  EXPECT_EQ(big.conversion_error->number(), 6);
}

TEST(ParseCall, UsageErrorsNameTheProblem) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"NoSuchThing"}, "unknown member NoSuchThing"},
      {{"GetVIP", "a", "1", "extra"}, "at most 2 arguments"},
      {{"GetVIP", "a"}, "argument P is missing"},
      {{"REGSQL_User", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "yes"}, "not a Boolean"},
      {{"GetLong", "2,5"}, "not a number"},
      {{"GetLong", ""}, "not a number"},
      {{"WSView", "k", "a,b"}, "not an array"},
      {{"CFG_SQLsvr", "x"}, "is a property"},
      {{"cn", "=", "x"}, "only set an object to Nothing"},
  };
  for (const auto& [words, fragment] : cases) {
    try {
      ParseCall(words);
      ADD_FAILURE() << words[0] << " parsed";
    } catch (const UsageError& e) {
      EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
    }
  }
}

TEST_F(KvxTest, ConfigWriteThenLoadCfgIniAndReadBack) {
  const KvxRun w = WriteConfig();
  ASSERT_EQ(w.status, 0) << w.err;

  const KvxRun read = Kvx({"config", "read"});
  EXPECT_EQ(read.status, 0);
  EXPECT_EQ(read.out,
            "server=srv,1433\nuser=sa\npassword=p w\"x\ndatabase=订单库\norders=订单表\ncustomers=客户表\n");

  EXPECT_EQ(Kvx({"call", "LoadCfgINI"}).out, "LoadCfgINI -> True\n");

  const KvxRun run = Kvx({"run"},
                      "# a new object reads the file\n"
                      "LoadCfgINI\n"
                      "CFG_SQLsvr\nCFG_SQLUme\nCFG_SQLPwd\nCFG_SQLDataName\nListNames\nListUser\n"
                      "ListUser = \"other table\"\n"
                      "ListUser\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "LoadCfgINI -> True\nCFG_SQLsvr -> srv,1433\nCFG_SQLUme -> sa\nCFG_SQLPwd -> p w\"x\n"
            "CFG_SQLDataName -> 订单库\nListNames -> 订单表\nListUser -> 客户表\n"
            "ListUser = other table\nListUser -> other table\n");
}

TEST_F(KvxTest, ConfigProblemsGiveClearErrors) {
  const KvxRun missing_option = Kvx({"config", "write", "--server", "s"});
  EXPECT_EQ(missing_option.status, 2);
  EXPECT_NE(missing_option.err.find("--user is missing"), std::string::npos);

  const KvxRun separator = Kvx({"config", "write", "--server", "s|t", "--user", "u", "--password", "p", "--database",
                             "d", "--orders", "o", "--customers", "c"});
  EXPECT_EQ(separator.status, 2);
  EXPECT_NE(separator.err.find("server must not contain"), std::string::npos);

  const KvxRun none = Kvx({"config", "read"});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("there is no configuration file"), std::string::npos);

  dir.WriteConfigBytes(std::string(2078, '0') + "S2E0000\r\n");
  const KvxRun bad = Kvx({"config", "read"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("cannot be decoded"), std::string::npos);
}

TEST_F(KvxTest, MissingConfigShowsTheBoxOnStandardError) {
  const KvxRun r = Kvx({"--answer", "cancel", "call", "LoadCfgINI"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "LoadCfgINI -> False\n");
  EXPECT_EQ(r.err, "[msgbox 64 \"KVX\"] 系统目录下没有正确的服务器配置文件,请检查后重试！\n");
}

TEST_F(KvxTest, JsonOutputHasOneObjectPerCall) {
  const KvxRun r = Kvx({"--json", "--answer", "cancel", "run"},
                    "LoadCfgINI\nGetKWD x-y 2\nGetLong 3e9\nGetLong -2.5\nWSView k ()\nCFG_SQLsvr\n");
  EXPECT_EQ(r.status, 1);
  std::istringstream lines(r.out);
  std::vector<nlohmann::json> calls;
  for (std::string line; std::getline(lines, line);) calls.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(calls.size(), 6u);
  for (const auto& c : calls) {
    EXPECT_EQ(c.size(), 5u) << c.dump();
    for (const char* key : {"member", "result", "changed", "error", "msgboxes"}) EXPECT_TRUE(c.contains(key)) << key;
  }
  // An OK-only box can only be answered OK, whatever --answer asked for.
  EXPECT_EQ(calls[0]["result"], false);
  EXPECT_EQ(calls[0]["msgboxes"],
            nlohmann::json::parse(R"([{"flags":64,"caption":"KVX","text":"系统目录下没有正确的服务器配置文件,请检查后重试！","answer":"ok"}])"));
  EXPECT_EQ(calls[1]["result"], "y");
  EXPECT_TRUE(calls[1]["error"].is_null());
  EXPECT_EQ(calls[2]["error"], nlohmann::json::parse(R"({"number":6,"description":"Overflow"})"));
  EXPECT_TRUE(calls[2]["result"].is_null());
  EXPECT_EQ(calls[3]["result"], -2);
  EXPECT_EQ(calls[4]["error"]["number"], static_cast<int32_t>(0x80004001u));
  EXPECT_EQ(calls[5]["member"], "CFG_SQLsvr");
  EXPECT_EQ(calls[5]["result"], "");
}

TEST_F(KvxTest, ExitStatusesAndErrorLines) {
  EXPECT_EQ(Kvx({"call", "GetVIP", "A/B", "3"}).out, "GetVIP -> 注册客户\n");

  const KvxRun overflow = Kvx({"call", "GetLong", "2147483647.5"});
  EXPECT_EQ(overflow.status, 1);
  EXPECT_EQ(overflow.out, "GetLong !! 6 Overflow\n");

  // A usage error anywhere in a script stops it before any call runs.
  const KvxRun usage = Kvx({"run"}, "GetLong 1\nGetVIP a b c\n");
  EXPECT_EQ(usage.status, 2);
  EXPECT_EQ(usage.out, "");
  EXPECT_NE(usage.err.find("line 2: GetVIP takes at most 2 arguments"), std::string::npos);

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"--answer", "maybe", "call", "LoadCfgINI"}, {"--now", "yesterday", "run"},
        {"frobnicate"}, {"--bogus", "run"}, {"run", "/no/such/script"}})
    EXPECT_EQ(Kvx(args).status, 2) << (args.empty() ? "" : args[0]);
}

TEST(CallOutput, PrintsChangedByReferenceArguments) {
  auto array = std::make_shared<VariantArray>();
  array->Redim(2);
  array->items[1] = common::Text(u"甲");
  array->items[2] = int32_t{7};
  CallOutcome o;
  o.member = order_service::FindMember(u"WSView");
  o.changed = {{u"kwd", common::Text(u"new")}, {u"KwdR", array}};

  std::ostringstream text;
  WriteCallText(text, o);
  EXPECT_EQ(text.str(), "WSView ->\n  kwd = new\n  KwdR: 0..2\n  KwdR(0) = \n  KwdR(1) = 甲\n  KwdR(2) = 7\n");

  EXPECT_EQ(CallJson(o)["changed"],
            nlohmann::ordered_json::parse(R"({"kwd":"new","KwdR":{"lbound":0,"ubound":2,"items":[null,"甲",7]}})"));
  EXPECT_TRUE(CallJson(o)["result"].is_null());
}

}  // namespace
}  // namespace kvx

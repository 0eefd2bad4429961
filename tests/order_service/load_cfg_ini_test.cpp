// LoadCfgINI against files written by the configuration writer and broken
// ones made by hand.
#include <gtest/gtest.h>

#include "common/codepage.h"
#include "order_service/config_codec.h"
#include "order_service/config_file.h"
#include "order_service/wstd.h"
#include "tests/order_service/fake_host.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace order_service {
namespace {

const ConfigFields kFields = {u"db.works,1433", u"sa", u"p;w\"d", u"订单库", u"订单表", u"客户表"};
const Text kConnStr =
    u"Provider=SQLOLEDB.1;Password=p;w\"d;Persist Security Info=True;User ID=sa;"
    u"Initial Catalog=订单库;Data Source=db.works,1433";

// The six configuration properties in file order.
std::array<Text, 6> Properties(const Wstd& w) {
  return {w.CFG_SQLsvr, w.CFG_SQLUme, w.CFG_SQLPwd, w.CFG_SQLDataName, w.ListNames, w.ListUser};
}

// A file holding `text` scrambled, written by hand rather than by the writer.
std::string FileOf(const Text& text) { return common::ToCp936(EncodeCfgLine(text, 7)) + "\r\n"; }

class LoadCfgIniTest : public ::testing::Test {
 protected:
  FakeHost host;
  Wstd w{host};

  // Loads a good file first, so failures can be seen to keep these values.
  void LoadOldValues() {
    host.WriteConfigBytes(BuildConfigFile({u"old-s", u"old-u", u"old-p", u"old-d", u"old-o", u"old-c"}));
    ASSERT_TRUE(w.LoadCfgINI());
  }
};

TEST_F(LoadCfgIniTest, ReadsWhatTheWriterWrote) {
  host.WriteConfigBytes(BuildConfigFile(kFields));
  EXPECT_TRUE(w.LoadCfgINI());
  EXPECT_EQ(Properties(w), kFields);
  EXPECT_EQ(w.ConnStr(), kConnStr);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(LoadCfgIniTest, ReplacesTableNamesACallerPut) {
  host.WriteConfigBytes(BuildConfigFile(kFields));
  w.ListNames = u"mine";
  w.ListUser = u"mine too";
  EXPECT_TRUE(w.LoadCfgINI());
  EXPECT_EQ(w.ListNames, u"订单表");
  EXPECT_EQ(w.ListUser, u"客户表");
}

TEST_F(LoadCfgIniTest, TrimsSpacesAroundFieldsAndIgnoresFieldsAfterTheSixth) {
  host.WriteConfigBytes(FileOf(u"  srv |sa  | p w |  db|orders  |  customers |extra|more"));
  EXPECT_TRUE(w.LoadCfgINI());
  EXPECT_EQ(Properties(w), (std::array<Text, 6>{u"srv", u"sa", u"p w", u"db", u"orders", u"customers"}));
  EXPECT_EQ(w.ConnStr(),
            u"Provider=SQLOLEDB.1;Password=p w;Persist Security Info=True;User ID=sa;"
            u"Initial Catalog=db;Data Source=srv");
}

TEST_F(LoadCfgIniTest, ReadsTheFirstFieldOfTheFileInCodePage936) {
  // Filler in Chinese counts one position per character, not per byte, and a
  // quoted first field followed by more lines is read to its closing quote.
  const Text line = EncodeCfgLine(u"s|u|p|d|o|c", 3);
  const Text chinese = Text(kCfgWindowStart - 1, u'汉') + line.substr(kCfgWindowStart - 1);
  host.WriteConfigBytes("  \"" + common::ToCp936(chinese) + "\",second\r\nnext line\r\n");
  EXPECT_TRUE(w.LoadCfgINI());
  EXPECT_EQ(w.ListUser, u"c");
}

TEST_F(LoadCfgIniTest, MissingFileShowsTheMessageAndChangesNothing) {
  LoadOldValues();
  host.RemoveConfigFile();
  host.answers = {kIdCancel};
  EXPECT_FALSE(w.LoadCfgINI());
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, u"系统目录下没有正确的服务器配置文件,请检查后重试！");
  EXPECT_EQ(host.boxes[0].flags, 64);
  EXPECT_EQ(host.boxes[0].caption, u"KVX");
  EXPECT_EQ(w.CFG_SQLsvr, u"old-s");
  EXPECT_EQ(w.ConnStr(), u"Provider=SQLOLEDB.1;Password=old-p;Persist Security Info=True;User ID=old-u;"
                         u"Initial Catalog=old-d;Data Source=old-s");
}

TEST_F(LoadCfgIniTest, BrokenFilesFailSilentlyAndKeepEverything) {
  const Text good = EncodeCfgLine(u"s|u|p|d|o|c", 5);
  const long payload_at = static_cast<long>(good.find(u'E', kCfgWindowStart - 1)) + 1;
  Text odd_hex = good;
  odd_hex[static_cast<size_t>(payload_at) + 2] = u'G';
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"empty first field", ",whatever\r\n"},
      {"blank first line", "\r\n" + common::ToCp936(good)},
      {"short header window", std::string(2083, '0') + "S3\r\n"},
      {"no length in the window", std::string(2078, '0') + "0123456789ABCDEF\r\n"},
      {"odd hex in the payload", common::ToCp936(odd_hex)},
      {"payload cut short", common::ToCp936(good.substr(0, static_cast<size_t>(payload_at) + 10))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LoadOldValues();
    const auto old_properties = Properties(w);
    const Text old_conn = w.ConnStr();
    host.WriteConfigBytes(c.bytes);
    EXPECT_FALSE(w.LoadCfgINI());
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(Properties(w), old_properties);
    EXPECT_EQ(w.ConnStr(), old_conn);
  }
}

TEST_F(LoadCfgIniTest, FiveFieldsStoreTheFirstFiveAndKeepTheRest) {
  LoadOldValues();
  const Text old_conn = w.ConnStr();
  host.WriteConfigBytes(FileOf(u"s5|u5|p5|d5|o5"));
  EXPECT_FALSE(w.LoadCfgINI());
  EXPECT_EQ(Properties(w), (std::array<Text, 6>{u"s5", u"u5", u"p5", u"d5", u"o5", u"old-c"}));
  EXPECT_EQ(w.ConnStr(), old_conn);
  EXPECT_TRUE(host.boxes.empty());
}

#ifdef _WIN32
TEST_F(LoadCfgIniTest, HiddenOrSystemFileCountsAsMissing) {
  for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    host.boxes.clear();
    host.WriteConfigBytes(BuildConfigFile(kFields));
    const Text config = host.ConfigPath();
    const std::wstring path(config.begin(), config.end());
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), attribute));
    EXPECT_FALSE(w.LoadCfgINI()) << attribute;
    ASSERT_EQ(host.boxes.size(), 1u) << attribute;
    EXPECT_EQ(host.boxes[0].flags, 64);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL));
  }
}
#endif

}  // namespace
}  // namespace order_service

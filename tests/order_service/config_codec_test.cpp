// Decoding and encoding the scrambled configuration line, and reading the
// first field of the file.
#include "order_service/config_codec.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "order_service/input_field.h"

namespace order_service {
namespace {

Text Repeat(char16_t c, long n) { return Text(static_cast<size_t>(n), c); }

// A line whose header window (from position 2079) holds `window`, followed by rest.
Text LineWithWindow(const Text& window, const Text& rest = u"") {
  return Repeat(u'0', kCfgWindowStart - 1) + window + rest;
}

TEST(HexXorDecode, ReadsLowThenHighByteOfEachGroup) {
  // Low byte first, each XOR-ed with its own key.
  EXPECT_EQ(HexXorDecode(u"0000", 0x12, 0x34), Text(1, char16_t{0x3412}));
  EXPECT_EQ(HexXorDecode(u"4100420061fe", 0, 0), (Text{u'A', u'B', char16_t{0xFE61}}));
  EXPECT_EQ(HexXorDecode(u"41004200", 0x41, 0x01), (Text{char16_t{0x0100}, char16_t{0x0103}}));
  // A last group of three characters still decodes; its high byte is one digit.
  EXPECT_EQ(HexXorDecode(u"410", 0, 0), u"A");
  EXPECT_EQ(HexXorDecode(u"41004201", 0, 0), (Text{u'A', char16_t{0x0142}}));
  EXPECT_EQ(HexXorDecode(u"4100421", 0, 0), (Text{u'A', char16_t{0x0142}}));
}

TEST(HexXorDecode, AnyUnreadableGroupEmptiesTheWholeResult) {
  const Text cases[] = {
      u"",          // nothing to decode
      u"410042",    // last group of two characters
      u"41004",     // last group of one character
      u"4100g200",  // not a hexadecimal digit
      u"4100 200",  // nor is a space
      u"+1004100",  // nor a sign
  };
  for (const Text& c : cases) EXPECT_EQ(HexXorDecode(c, 0, 0), u"") << common::ToUtf8(c);
}

TEST(HexXorDecode, RefusesTextsLongerThan32767Characters) {
  const Text fits = Repeat(u'0', 32764) + u"410";  // 32767 characters
  EXPECT_EQ(HexXorDecode(fits, 0, 0).size(), 8192u);
  EXPECT_EQ(HexXorDecode(fits + u"0", 0, 0), u"");
}

TEST(HexXorEncode, RoundTripsEveryCodeUnitWithTheComponentKeys) {
  Text all;
  for (unsigned c = 0; c <= 0xFFFF; c += 7) all += static_cast<char16_t>(c);
  all += char16_t{0xFFFF};
  for (size_t at = 0; at < all.size(); at += 8000) {
    const Text part = all.substr(at, 8000);
    EXPECT_EQ(DecodeText(HexXorEncode(part, kCfgKey1, kCfgKey2)), part);
  }
  // The key bytes really scramble: the plain hex of "A" is not what is written.
  EXPECT_NE(HexXorEncode(u"A", kCfgKey1, kCfgKey2), u"4100");
}

TEST(DecodeCfgLine, FindsTheLengthBetweenSAndEInTheHeaderWindow) {
  const Text payload = HexXorEncode(u"abc", kCfgKey1, kCfgKey2);
  struct Case {
    const char* what;
    Text line;
    Text expected;
  } cases[] = {
      {"S at the window start", LineWithWindow(u"S3E", payload), u"abc"},
      {"S later, other letters before it", LineWithWindow(u"xyzAS3E", payload), u"abc"},
      {"lowercase hex payload", LineWithWindow(u"S1E", u"3ba3"), DecodeText(u"3BA3")},
      {"length 1 of a longer payload", LineWithWindow(u"S1E", payload), u"a"},
      {"rest of the line after the payload ignored", LineWithWindow(u"S3E", payload + u"ZZZZ"), u"abc"},
      {"E before S does not count", LineWithWindow(u"E3S3E", payload), u"abc"},
      {"no S in the window", LineWithWindow(u"0000000000S3E", payload), u""},
      {"S but no E after it", LineWithWindow(u"S30000000", payload), u""},
      {"S in the last window position", LineWithWindow(u"000000000S", u"3E" + payload), u""},
      {"zero length", LineWithWindow(u"S0E", payload), u""},
      {"negative length", LineWithWindow(u"S-3E", payload), u""},
      {"no digits", LineWithWindow(u"SE", payload), u""},
      {"line ends before the window", Repeat(u'0', 2000), u""},
      {"window cut short", LineWithWindow(u"S3"), u""},
      {"length beyond any payload", LineWithWindow(u"S99999999E", payload), u""},
      {"odd hex in the payload", LineWithWindow(u"S3E", payload.substr(0, 8) + u"Q" + payload.substr(9)), u""},
      // Fewer payload characters than the length says: a damaged file, not a shorter text.
      {"payload shorter than stated", LineWithWindow(u"S4E", payload), u""},
      {"payload cut inside a group", LineWithWindow(u"S3E", payload.substr(0, 11)), u""},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeCfgLine(c.line), c.expected) << c.what;
}

TEST(EncodeCfgLine, WritesLinesThatDecodeBack) {
  const Text texts[] = {u"", u"x", u"srv|sa|pw|db|订单表|客户表", Repeat(u'永', kCfgMaxPayloadChars)};
  for (uint32_t seed = 1; seed < 40; seed += 3)
    for (const Text& t : texts) {
      const Text line = EncodeCfgLine(t, seed);
      if (!t.empty()) {
        EXPECT_EQ(DecodeCfgLine(line), t) << "seed " << seed << " length " << t.size();
      }
      // The first field must be the whole line: nothing that ends a field.
      EXPECT_EQ(line.find_first_of(u",\"\r\n "), Text::npos);
    }
  EXPECT_THROW(EncodeCfgLine(Repeat(u'x', kCfgMaxPayloadChars + 1)), std::invalid_argument);
}

TEST(ReadFirstField, ReadsOneFieldAsSequentialInputDoes) {
  const std::pair<Text, Text> cases[] = {
      {u"abc,def", u"abc"},
      {u"   abc", u"abc"},
      {u"abc\r\nxyz", u"abc"},
      {u"abc\nxyz", u"abc"},
      {u"ab c ,d", u"ab c "},
      {u"\"a,b\" ,x", u"a,b"},
      {u"  \"a\r\nb\"", u"a\r\nb"},
      {u"\"unclosed", u"unclosed"},
      {u"  \"\",x", u""},
      {u",abc", u""},
      {u"\r\nabc", u""},
      {u"", u""},
  };
  for (const auto& [content, expected] : cases)
    EXPECT_EQ(ReadFirstField(content), expected) << common::ToUtf8(content);
}

}  // namespace
}  // namespace order_service

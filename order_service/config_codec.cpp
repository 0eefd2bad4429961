// The scrambling of the configuration file: decoding for LoadCfgINI and the
// inverse for the tool that writes the file.
#include "order_service/config_codec.h"

#include <stdexcept>

#include "common/numbers.h"
#include "common/script_error.h"

namespace order_service {
namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// The value of one or two hexadecimal digits; -1 when any is not one.
int HexValue(std::u16string_view digits) {
  int v = 0;
  for (char16_t c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return -1;
    v = v * 16 + d;
  }
  return v;
}

void AppendHexByte(Text& out, unsigned v) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  out += kDigits[(v >> 4) & 0xF];
  out += kDigits[v & 0xF];
}

// A small deterministic generator for the filler, so one input always gives
// the same file.
class Filler {
 public:
  explicit Filler(uint32_t seed) : state_(seed ? seed : 1) {}
  uint32_t Next(uint32_t bound) {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % bound;
  }
  Text HexDigits(long count) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    Text out;
    for (long i = 0; i < count; ++i) out += kDigits[Next(16)];
    return out;
  }

 private:
  uint32_t state_;
};

}  // namespace

Text HexXorDecode(std::u16string_view text, uint8_t k1, uint8_t k2) {
  if (static_cast<long>(text.size()) > kHexXorMaxText) return {};
  Text out;
  for (size_t i = 0; i < text.size(); i += 4) {
    const std::u16string_view group = text.substr(i, 4);
    if (group.size() < 3) return {};
    const int lo = HexValue(group.substr(0, 2));
    const int hi = HexValue(group.substr(2));
    if (lo < 0 || hi < 0) return {};
    out += static_cast<char16_t>((lo ^ k1) + 256 * (hi ^ k2));
  }
  return out;
}

Text HexXorEncode(std::u16string_view text, uint8_t k1, uint8_t k2) {
  Text out;
  for (char16_t c : text) {
    AppendHexByte(out, (c & 0xFFu) ^ k1);
    AppendHexByte(out, ((c >> 8) & 0xFFu) ^ k2);
  }
  return out;
}

Text DecodeText(std::u16string_view text) { return HexXorDecode(text, kCfgKey1, kCfgKey2); }

Text DecodeCfgLine(std::u16string_view line) {
  const Text window = common::Mid(line, kCfgWindowStart, kCfgWindowLength);
  const long s = common::Find(window, u"S");
  if (s == 0) return {};
  const long e = common::Find(window, u"E", s + 1);
  if (e == 0) return {};
  long n = 0;
  try {
    n = common::ToLong(common::NumericValue(common::Mid(window, s + 1, e - s - 1)));
  } catch (const common::ScriptError&) {
    return {};  // a length beyond any whole number: not a file of ours
  }
  if (n <= 0 || n > kCfgMaxPayloadChars) return {};
  const Text payload = common::Mid(line, kCfgWindowStart + e, 4 * n);
  // A payload shorter than its stated length is a damaged file; decoding the
  // part that is there would hand back cut-off names and passwords.
  if (static_cast<long>(payload.size()) != 4 * n) return {};
  return DecodeText(payload);
}

Text EncodeCfgLine(std::u16string_view text, uint32_t seed) {
  const long n = static_cast<long>(text.size());
  if (n > kCfgMaxPayloadChars)
    throw std::invalid_argument("the configuration text is longer than " +
                                std::to_string(kCfgMaxPayloadChars) + " characters");
  Filler filler(seed);
  const Text digits = common::FromUtf8(std::to_string(n));
  const long room = kCfgWindowLength - 2 - static_cast<long>(digits.size());
  Text line = filler.HexDigits(kCfgWindowStart - 1);
  line += filler.HexDigits(filler.Next(static_cast<uint32_t>(room) + 1));
  line += u'S';
  line += digits;
  line += u'E';
  line += HexXorEncode(text, kCfgKey1, kCfgKey2);
  line += filler.HexDigits(filler.Next(32));
  return line;
}

}  // namespace order_service

// The numeric value of a text (the platform's Val).
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

#include "common/numbers.h"
#include "common/script_error.h"

namespace common {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// The text as Val reads it: blanks, tabs and line feeds removed wherever they
// are; it ends at the first character outside ASCII, which can continue no number.
std::string Stripped(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char16_t c : s) {
    if (c == u' ' || c == u'\t' || c == u'\n') continue;
    if (c > 0x7f) break;
    out.push_back(static_cast<char>(c));
  }
  return out;
}

// "&H" and "&O" numbers: 16-bit when they fit in 16 bits (&HFFFF is -1),
// else 32-bit (&HFFFFFFFF is -1); more than 32 bits overflow.
double RadixValue(const std::string& t, size_t i, int radix) {
  uint64_t value = 0;
  for (; i < t.size() && DigitValue(t[i]) < radix; ++i) {
    value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(DigitValue(t[i]));
    if (value > 0xFFFFFFFFu) throw ScriptError::Overflow();
  }
  if (value <= 0xFFFFu) return static_cast<int16_t>(static_cast<uint16_t>(value));
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

double NumericValue(std::u16string_view s) {
  const std::string t = Stripped(s);
  size_t i = 0;
  if (i + 1 < t.size() && t[i] == '&') {
    char kind = t[i + 1];
    if (kind == 'H' || kind == 'h') return RadixValue(t, i + 2, 16);
    if (kind == 'O' || kind == 'o') return RadixValue(t, i + 2, 8);
    return 0;
  }

  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';

  // Mantissa: digits, an optional point, digits.
  std::string whole, fraction;
  while (i < t.size() && IsDigit(t[i])) whole.push_back(t[i++]);
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) fraction.push_back(t[i++]);
  }
  if (whole.empty() && fraction.empty()) return 0;

  // Exponent: E or D (either case), an optional sign and at least one digit;
  // without a digit the letter is not part of the number ("1E" is 1).
  long exponent = 0;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
    size_t j = i + 1;
    bool exponent_negative = false;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) exponent_negative = t[j++] == '-';
    if (j < t.size() && IsDigit(t[j])) {
      for (; j < t.size() && IsDigit(t[j]); ++j)
        if (exponent < 1000000) exponent = exponent * 10 + (t[j] - '0');
      if (exponent_negative) exponent = -exponent;
    }
  }

  // Decimal place of the first significant digit, to tell overflow from underflow.
  size_t first_whole = whole.find_first_not_of('0');
  long magnitude;
  if (first_whole != std::string::npos) {
    magnitude = static_cast<long>(whole.size() - first_whole) - 1 + exponent;
  } else {
    size_t first_fraction = fraction.find_first_not_of('0');
    if (first_fraction == std::string::npos) return 0;  // all zeros
    magnitude = -static_cast<long>(first_fraction) - 1 + exponent;
  }

  std::string number = (whole.empty() ? std::string("0") : whole) + "." + fraction + "e" +
                       std::to_string(exponent);
  double value = 0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (magnitude > 0) throw ScriptError::Overflow();
    return 0;  // too small for a double: underflows to zero
  }
  return negative ? -value : value;
}

}  // namespace common

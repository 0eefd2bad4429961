// The format patterns "0", "0.0", "0.00", "0.000" and "0000" (the platform's
// Format / VarFormat with a one-section pattern of zeros).
#include <cmath>
#include <stdexcept>
#include <string>

#include "common/numbers.h"
#include "common/script_error.h"
#include "common/shown_decimal.h"

namespace common {
namespace {

struct Pattern {
  int whole = 0;     // zeros before the point: the integer part's least width
  int decimals = 0;  // zeros after the point: the decimals written
};

// Zeros, optionally followed by "." and more zeros. The system uses "0",
// "0.0", "0.00", "0.000" and "0000"; any zero pattern of this shape works.
Pattern ParsePattern(std::u16string_view text) {
  Pattern pattern;
  size_t i = 0;
  while (i < text.size() && text[i] == u'0') ++i;
  pattern.whole = static_cast<int>(i);
  if (i < text.size() && text[i] == u'.') {
    size_t start = ++i;
    while (i < text.size() && text[i] == u'0') ++i;
    pattern.decimals = static_cast<int>(i - start);
    if (pattern.decimals == 0) i = 0;  // "0." is not one of them
  }
  if (pattern.whole == 0 || i != text.size())
    throw std::invalid_argument("unsupported format pattern: " + ToUtf8(text));
  return pattern;
}

// Adds one to a string of decimal digits ("" counts as 0).
void Increment(std::string& digits) {
  size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
  if (i == 0)
    digits.insert(digits.begin(), '1');
  else
    ++digits[i - 1];
}

// The shown decimal rounded half away from zero to the pattern's decimals,
// written with the pattern's widths. A negative value keeps its "-" even when
// it rounds to zero ("-0.0"), as the platform writes it.
std::string FormatShown(const detail::ShownDecimal& shown, const Pattern& pattern) {
  // The value times 10^decimals, rounded to a whole number, as digits.
  std::string scaled;
  if (!shown.digits.empty()) {
    const int first = shown.exponent + pattern.decimals;  // place of the first digit
    if (first >= 0) {
      const size_t kept = static_cast<size_t>(first) + 1;
      scaled = shown.digits.substr(0, kept);
      if (scaled.size() < kept) scaled.append(kept - scaled.size(), '0');
      if (kept < shown.digits.size() && shown.digits[kept] >= '5') Increment(scaled);
    } else if (first == -1 && shown.digits[0] >= '5') {
      scaled = "1";
    }
  }
  const size_t width = static_cast<size_t>(pattern.whole + pattern.decimals);
  if (scaled.size() < width) scaled.insert(0, width - scaled.size(), '0');

  std::string out = shown.negative ? "-" : "";
  const size_t whole = scaled.size() - static_cast<size_t>(pattern.decimals);
  out.append(scaled, 0, whole);
  if (pattern.decimals > 0) {
    out += '.';
    out.append(scaled, whole, std::string::npos);
  }
  return out;
}

Text Format(double value, int significant, std::u16string_view pattern_text) {
  Pattern pattern = ParsePattern(pattern_text);
  // The platform cannot read its own text of these back as a number.
  if (!std::isfinite(value)) throw ScriptError::TypeMismatch();
  std::string out = FormatShown(detail::ShowDecimal(value, significant), pattern);
  return Text(out.begin(), out.end());
}

}  // namespace

Text FormatSingle(float value, std::u16string_view pattern) {
  return Format(static_cast<double>(value), 7, pattern);
}

Text FormatDouble(double value, std::u16string_view pattern) { return Format(value, 15, pattern); }

}  // namespace common

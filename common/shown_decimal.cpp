#include "common/shown_decimal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace common::detail {
namespace {

// Digits beyond the ones kept, enough to tell almost every value from a tie.
constexpr int kGuardDigits = 25;
// A double's exact decimal expansion has at most 767 significant digits.
constexpr int kExactDigits = 780;

// The mantissa digits (without the point) and the exponent of value (> 0) in
// scientific notation with `digits` significant digits, correctly rounded.
// std::to_chars is exact and locale-free, and the same code on every platform.
void Scientific(double value, int digits, std::string& mantissa, int& exponent) {
  char buffer[kExactDigits + 32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                              std::chars_format::scientific, digits - 1);
  std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
  size_t e = text.find('e');
  mantissa.clear();
  for (char c : text.substr(0, e))
    if (c != '.') mantissa.push_back(c);
  exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
}

// -1, 0 or 1 as the digits after the kept ones are below, at or above one half.
int CompareTailWithHalf(std::string_view tail) {
  if (tail.empty() || tail[0] < '5') return -1;
  if (tail[0] > '5') return 1;
  return tail.find_first_not_of('0', 1) == std::string_view::npos ? 0 : 1;
}

}  // namespace

ShownDecimal ShowDecimal(double value, int significant) {
  ShownDecimal shown;
  if (value == 0) return shown;  // also -0: the platform shows "0"
  shown.negative = std::signbit(value);
  double magnitude = std::fabs(value);

  std::string mantissa;
  int exponent = 0;
  Scientific(magnitude, significant + kGuardDigits, mantissa, exponent);
  int position = CompareTailWithHalf(std::string_view(mantissa).substr(significant));
  if (position == 0) {
    // Looks like a tie at this precision: decide on the exact expansion.
    std::string exact;
    int exact_exponent = 0;
    Scientific(magnitude, kExactDigits, exact, exact_exponent);
    position = CompareTailWithHalf(std::string_view(exact).substr(significant));
    // The guard-digit rendering did not carry (its tail is not zero), so the
    // exact expansion has the same leading digits and exponent.
  }
  mantissa.resize(static_cast<size_t>(significant));
  if (position >= 0) {  // above one half, or an exact tie: away from zero
    int i = significant - 1;
    while (i >= 0 && mantissa[static_cast<size_t>(i)] == '9') mantissa[static_cast<size_t>(i--)] = '0';
    if (i < 0) {
      mantissa.insert(mantissa.begin(), '1');
      mantissa.pop_back();
      ++exponent;
    } else {
      ++mantissa[static_cast<size_t>(i)];
    }
  }
  size_t last = mantissa.find_last_not_of('0');
  mantissa.resize(last + 1);
  shown.digits = std::move(mantissa);
  shown.exponent = exponent;
  return shown;
}

}  // namespace common::detail

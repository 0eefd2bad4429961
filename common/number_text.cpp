// Number text of single and double values (the platform's VarBstrFromR4 /
// VarBstrFromR8 with the "." decimal point, as CStr writes them).
#include <cmath>
#include <string>

#include "common/numbers.h"
#include "common/shown_decimal.h"

namespace common {
namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

Text Widen(const std::string& ascii) { return Text(ascii.begin(), ascii.end()); }

// Values the system's arithmetic never produces (it raises Overflow first):
// the texts oleaut32 writes for them, its run-time library's %G.
std::string NonFiniteText(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-NAN(IND)" : "NAN";
  return value < 0 ? "-INF" : "INF";
}

// Like printf's %G with the given precision, without trailing zeros: the
// exponent form when the decimal exponent after rounding is below -4 or at
// least the precision, its exponent with a sign and at least two digits.
std::string NumberText(double value, int significant) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  detail::ShownDecimal shown = detail::ShowDecimal(value, significant);
  const std::string& digits = shown.digits;
  if (digits.empty()) return "0";
  const int count = static_cast<int>(digits.size());
  const int exponent = shown.exponent;

  std::string out = shown.negative ? "-" : "";
  if (exponent < -4 || exponent >= significant) {
    out += digits[0];
    if (count > 1) {
      out += '.';
      out.append(digits, 1, std::string::npos);
    }
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
  } else if (exponent < 0) {
    out += "0.";
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
  } else if (count <= exponent + 1) {
    out += digits;
    out.append(static_cast<size_t>(exponent + 1 - count), '0');
  } else {
    out.append(digits, 0, static_cast<size_t>(exponent + 1));
    out += '.';
    out.append(digits, static_cast<size_t>(exponent + 1), std::string::npos);
  }
  return out;
}

}  // namespace

Text SingleText(float value) { return Widen(NumberText(static_cast<double>(value), kSingleDigits)); }

Text DoubleText(double value) { return Widen(NumberText(value, kDoubleDigits)); }

}  // namespace common

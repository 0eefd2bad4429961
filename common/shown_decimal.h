// The decimal value a single or double shows: its exact binary value rounded
// to 7 or 15 significant digits. Both the number text and the format patterns
// start from it (common/numbers.h); nothing outside common/ uses it directly.
#pragma once

#include <string>

namespace common::detail {

struct ShownDecimal {
  bool negative = false;
  // Significant digits without leading or trailing zeros; empty for zero.
  std::string digits;
  // Decimal exponent of the first digit: the value is d1.d2d3... x 10^exponent.
  int exponent = 0;
};

// value must be finite. A negative zero shows as zero (not negative), as the
// platform's conversion does. The rounding to `significant` digits is to
// nearest, with an exact tie (possible only when the binary value has exactly
// one more significant digit, a 5) rounded away from zero, as oleaut32's
// conversion does (see tests/wine/number_diff/README.md).
ShownDecimal ShowDecimal(double value, int significant);

}  // namespace common::detail

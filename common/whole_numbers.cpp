// Conversion to whole numbers (CLng, CInt: a half to the even neighbour) and
// to single precision (a double result stored in a single).
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "common/numbers.h"
#include "common/script_error.h"

namespace common {
namespace {

// value rounded to a whole number, a half to the even neighbour, checked
// against [low, high] after rounding (CLng(2147483647.5) overflows). NaN and
// the infinities overflow.
double RoundHalfEven(double value, double low, double high) {
  if (!(value >= low - 1 && value <= high + 1)) throw ScriptError::Overflow();
  // Within this range every step below is exact in double precision.
  double below = std::floor(value);
  double fraction = value - below;
  double rounded = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) rounded = below + 1;
  if (rounded < low || rounded > high) throw ScriptError::Overflow();
  return rounded;
}

}  // namespace

int32_t ToLong(double value) {
  return static_cast<int32_t>(RoundHalfEven(value, INT32_MIN, INT32_MAX));
}

int16_t ToInteger(double value) {
  return static_cast<int16_t>(RoundHalfEven(value, INT16_MIN, INT16_MAX));
}

float ToSingle(double value) {
  // NaN cannot come out of the system's arithmetic (0/0 raises Overflow
  // there), so it is reported the same way rather than stored.
  if (std::isnan(value) || std::fabs(value) > FLT_MAX) throw ScriptError::Overflow();
  // Through memory, so that an x87 build rounds exactly once, to single.
  volatile double in = value;
  volatile float out = static_cast<float>(in);
  return out;
}

}  // namespace common

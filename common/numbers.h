// The system's number rules, kept once for every component: numeric value of a
// text, number text of single and double values, the format patterns, and
// conversion to whole numbers and to single precision.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/text.h"

namespace common {

// The number at the start of s (the platform's Val): blanks, tabs and line
// feeds skipped wherever they occur, "." as the decimal point, an exponent with
// E or D (either case), an optional sign; reading stops at the first character
// that cannot continue the number ("100,50" gives 100); 0 when there is none.
// "&H" and "&O" prefixes read hexadecimal and octal as Val does: 16-bit when
// the value fits in 16 bits ("&HFFFF" gives -1), else 32-bit ("&H10000" gives
// 65536). A magnitude beyond the double range (or a radix number beyond 32
// bits) throws ScriptError::Overflow(); one too small for a double gives 0.
double NumericValue(std::u16string_view s);

// Shortest decimal text with at most 7 (single) or 15 (double) significant
// digits, "." as the decimal point, no grouping, no trailing zeros, no leading
// space; the exponent form ("1E+10", "1.234568E+08", "3E-05") for magnitudes
// the platform writes that way: when the decimal exponent after rounding is
// below -4 or at least 7 / 15, as printf's %G. The digits are the exact binary
// value rounded to nearest, an exact tie away from zero. A negative zero gives
// "0"; the infinities and NaN, which the system's arithmetic never produces,
// give oleaut32's "INF", "-INF", "NAN" and "-NAN(IND)".
Text SingleText(float value);
Text DoubleText(double value);

// The format patterns "0", "0.0", "0.00", "0.000" and "0000": the value is first
// taken as the decimal text it shows (7 significant digits for a single, 15 for
// a double), then rounded half away from zero to the pattern's decimals and
// padded to its digits. A negative value keeps its sign when it rounds to zero
// (-0.04 with "0.0" gives "-0.0"); a negative zero gives "0.0". Throws
// std::invalid_argument for a pattern that is not zeros with an optional point
// and more zeros, and ScriptError::TypeMismatch() for an infinity or NaN.
Text FormatSingle(float value, std::u16string_view pattern);
Text FormatDouble(double value, std::u16string_view pattern);

// Conversion to whole numbers: a half rounds to the even neighbour; a result
// outside the type's range (after rounding: CLng(2147483647.5) overflows) and
// NaN throw ScriptError::Overflow().
int32_t ToLong(double value);
int16_t ToInteger(double value);

// A result computed in double precision, stored in single precision; a
// magnitude beyond the single range (above FLT_MAX, as VarR4FromR8 checks) or
// NaN throws ScriptError::Overflow(); a magnitude below it rounds to zero.
float ToSingle(double value);

}  // namespace common

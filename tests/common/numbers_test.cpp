// The number rules: numeric value of a text, number text of single and double
// values, the format patterns, whole numbers and single precision. The same
// tables run natively and in the Windows builds under Wine.
#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "common/script_error.h"

namespace common {
namespace {

std::string U8(const Text& t) { return ToUtf8(t); }

int ErrorNumber(void (*call)(double), double value) {
  try {
    call(value);
  } catch (const ScriptError& e) {
    return e.number();
  }
  return 0;
}

// ---- numeric value ---------------------------------------------------------

struct ValueCase {
  const char16_t* text;
  double expected;
};

TEST(NumericValue, ReadsTheNumberAtTheStartOfTheText) {
  const ValueCase cases[] = {
      {u"", 0},
      {u"abc", 0},
      {u"100,50", 100},         // the comma ends the number
      {u"12.5kg", 12.5},
      {u"  1 2 3", 123},         // blanks skipped wherever they are
      {u"\t1\n5 . 2 5", 15.25},  // tabs and line feeds too
      {u"1\r5", 1},              // a carriage return is not skipped
      {u"-7.5", -7.5},
      {u"+ 3", 3},
      {u"--3", 0},
      {u".5", 0.5},
      {u"5.", 5},
      {u"-.25", -0.25},
      {u"1.2.3", 1.2},
      {u"1e3", 1000},
      {u"1.5E+2x", 150},
      {u"2d2", 200},             // D as the exponent letter
      {u"25D-1", 2.5},
      {u"1e", 1},                // an exponent needs a digit
      {u"1e+", 1},
      {u"1 e - 2", 0.01},
      {u"0e999999", 0},
      {u"1e-400", 0},            // below the double range
      {u"&HFF", 255},
      {u"&hff", 255},
      {u"&HFFFF", -1},           // 16-bit when it fits in 16 bits
      {u"&H8000", -32768},
      {u"&H10000", 65536},       // else 32-bit
      {u"&HFFFFFFFF", -1},
      {u"&O17", 15},
      {u"&O177777", -1},
      {u"&H", 0},
      {u"&X1", 0},
      {u"-&H10", 0},
      {u"$5", 0},
      {u"\uFF11", 0},            // a full-width digit is not a digit
      {u"0.1", 0.1},             // correctly rounded to the nearest double
      {u"123456789012345678901234567890", 1.2345678901234568e29},
      {u"1.7976931348623157e308", DBL_MAX},
  };
  for (const ValueCase& c : cases)
    EXPECT_EQ(NumericValue(c.text), c.expected) << U8(c.text);
}

TEST(NumericValue, NoNumberAndZeroGivePositiveZero) {
  EXPECT_FALSE(std::signbit(NumericValue(u"-0")));
  EXPECT_FALSE(std::signbit(NumericValue(u"-")));
  EXPECT_FALSE(std::signbit(NumericValue(u"-1e-999")));
}

TEST(NumericValue, MagnitudeBeyondTheRangeOverflows) {
  for (const char16_t* text : {u"1e309", u"-2e400", u"1e999999999999", u"&H100000000", u"&O40000000000"}) {
    try {
      NumericValue(text);
      ADD_FAILURE() << "no overflow for " << U8(text);
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.number(), 6) << U8(text);
    }
  }
}

// ---- number text -----------------------------------------------------------

struct SingleTextCase {
  float value;
  const char* expected;
};

TEST(SingleText, SevenSignificantDigitsAndThePlatformsExponentForm) {
  const SingleTextCase cases[] = {
      {0.0f, "0"},
      {-0.0f, "0"},            // no negative zero
      {1.0f, "1"},
      {-2.5f, "-2.5"},
      {1.15f, "1.15"},         // the shown value, not 1.14999997615814
      {0.1f, "0.1"},
      {1234567.0f, "1234567"},
      {12345678.0f, "1.234568E+07"},
      {123456789.0f, "1.234568E+08"},
      {1e10f, "1E+10"},
      {9999999.0f, "9999999"},
      {999999.96875f, "1000000"},  // rounding carries into a new digit
      {0.0001f, "0.0001"},
      {0.00003f, "3E-05"},
      {0.000123456789f, "0.0001234568"},
      {0.0000123456789f, "1.234568E-05"},
      {-1.5e-38f, "-1.5E-38"},
      {FLT_MAX, "3.402823E+38"},
      {16777215.0f, "1.677722E+07"},
      {12345665.0f, "1.234567E+07"},  // an exact tie rounds away from zero
      {1.5e-45f, "1.401298E-45"},     // the smallest subnormal
  };
  for (const SingleTextCase& c : cases) EXPECT_EQ(U8(SingleText(c.value)), c.expected) << c.value;
}

struct DoubleTextCase {
  double value;
  const char* expected;
};

TEST(DoubleText, FifteenSignificantDigitsAndThePlatformsExponentForm) {
  const DoubleTextCase cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {0.1, "0.1"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {-2.0 / 3, "-0.666666666666667"},
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {1e15, "1E+15"},
      {999999999999999.0, "999999999999999"},
      {9999999999999999.0, "1E+16"},
      {1e100, "1E+100"},
      {1.5e-300, "1.5E-300"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {12.5, "12.5"},
      {1234567890123455.0, "1.23456789012346E+15"},  // exact tie: away from zero
      {DBL_MAX, "1.79769313486232E+308"},
      {std::numeric_limits<double>::infinity(), "INF"},
      {-std::numeric_limits<double>::infinity(), "-INF"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const DoubleTextCase& c : cases) EXPECT_EQ(U8(DoubleText(c.value)), c.expected) << c.value;
}

// ---- format patterns -------------------------------------------------------

struct FormatCase {
  double value;
  const char16_t* pattern;
  const char* single;  // FormatSingle(float(value))
  const char* dbl;     // FormatDouble(value)
};

TEST(Format, RoundsTheShownValueHalfAwayFromZero) {
  const FormatCase cases[] = {
      {1.15, u"0.0", "1.2", "1.2"},    // binary 1.1499999... shows 1.15
      {1.25, u"0.0", "1.3", "1.3"},    // a half goes away from zero, not to even
      {-1.25, u"0.0", "-1.3", "-1.3"},
      {2.675, u"0.00", "2.68", "2.68"},
      {1.0005, u"0.000", "1.001", "1.001"},
      {0.5, u"0", "1", "1"},
      {2.5, u"0", "3", "3"},
      {-0.5, u"0", "-1", "-1"},
      {0.96, u"0.0", "1.0", "1.0"},
      {9.96, u"0.0", "10.0", "10.0"},
      {99.995, u"0.00", "100.00", "100.00"},
      {123456789, u"0", "123456800", "123456789"},  // a single shows 7 digits
      {42, u"0000", "0042", "0042"},
      {0.6, u"0000", "0001", "0001"},
      {-42.4, u"0000", "-0042", "-0042"},
      {123456, u"0000", "123456", "123456"},
      {7, u"0.000", "7.000", "7.000"},
      {0.05, u"0.0", "0.1", "0.1"},
      {0.0001, u"0.000", "0.000", "0.000"},
      {0.0005, u"0.000", "0.001", "0.001"},
      {-0.04, u"0.0", "-0.0", "-0.0"},  // the sign stays on a value rounded to zero
      {-0.0, u"0.0", "0.0", "0.0"},     // but a negative zero shows none
      {1e-30, u"0.00", "0.00", "0.00"},
      {1e20, u"0", "100000000000000000000", "100000000000000000000"},
      {1234567.5, u"0", "1234568", "1234568"},
      {0.123456789, u"0.000", "0.123", "0.123"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(U8(FormatSingle(static_cast<float>(c.value), c.pattern)), c.single)
        << "single " << c.value << " " << U8(c.pattern);
    EXPECT_EQ(U8(FormatDouble(c.value, c.pattern)), c.dbl)
        << "double " << c.value << " " << U8(c.pattern);
  }
}

TEST(Format, RejectsOtherPatternsAndNonFiniteValues) {
  for (const char16_t* pattern : {u"", u"#", u"0.", u".0", u"0.#", u"0,0", u"00a"})
    EXPECT_THROW(FormatDouble(1, pattern), std::invalid_argument) << U8(pattern);
  EXPECT_THROW(FormatDouble(std::numeric_limits<double>::infinity(), u"0"), ScriptError);
  EXPECT_THROW(FormatSingle(std::numeric_limits<float>::quiet_NaN(), u"0.0"), ScriptError);
}

// ---- whole numbers and single precision -------------------------------------

struct WholeCase {
  double value;
  long expected;
};

TEST(WholeNumbers, RoundAHalfToTheEvenNeighbour) {
  const WholeCase cases[] = {
      {0.5, 0},   {1.5, 2},    {2.5, 2},   {3.5, 4},    {-0.5, 0},   {-1.5, -2},
      {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {0, 0},     {32767.4, 32767},
      {-32768.5, -32768},      {0.49999999999999994, 0},
  };
  for (const WholeCase& c : cases) {
    EXPECT_EQ(ToLong(c.value), c.expected) << c.value;
    EXPECT_EQ(ToInteger(c.value), c.expected) << c.value;
  }
  EXPECT_EQ(ToLong(2147483646.5), 2147483646);
  EXPECT_EQ(ToLong(-2147483648.5), INT32_MIN);
  EXPECT_EQ(ToLong(2147483647.4), INT32_MAX);
}

TEST(WholeNumbers, OutOfRangeAfterRoundingOverflows) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {2147483647.5, -2147483648.6, 2147483648.0, 1e19, -1e300, inf, -inf, nan})
    EXPECT_EQ(ErrorNumber([](double x) { ToLong(x); }, v), 6) << v;
  for (double v : {32767.5, -32768.6, 32768.0, 65535.0, -1e10, inf, nan})
    EXPECT_EQ(ErrorNumber([](double x) { ToInteger(x); }, v), 6) << v;
}

TEST(SinglePrecision, StoresTheDoubleResultRoundedToNearest) {
  const double third = 1.0 / 3;
  EXPECT_EQ(ToSingle(third), 1.0f / 3);
  EXPECT_EQ(ToSingle(1.15), 1.15f);
  // Half way between two singles: to the even one.
  EXPECT_EQ(ToSingle(1.0 + std::ldexp(1.0, -24)), 1.0f);
  EXPECT_EQ(ToSingle(1.0 + 3 * std::ldexp(1.0, -24)), 1.0f + std::ldexp(1.0f, -22));
  // A product computed in double, then stored: 0.1f * 3 in double is
  // 0.30000000447..., which rounds to the single nearest it.
  EXPECT_EQ(ToSingle(static_cast<double>(0.1f) * 3), 0.3f);
  EXPECT_EQ(U8(SingleText(ToSingle(static_cast<double>(1.1f) * 1.1f))), "1.21");
  EXPECT_EQ(ToSingle(FLT_MAX), FLT_MAX);
  EXPECT_EQ(ToSingle(-FLT_MAX), -FLT_MAX);
  EXPECT_EQ(ToSingle(1e-50), 0.0f);  // below the range: zero, no error
  EXPECT_TRUE(std::signbit(ToSingle(-0.0)));
}

TEST(SinglePrecision, MagnitudeBeyondTheRangeOverflows) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {3.5e38, -3.5e38, std::nextafter(static_cast<double>(FLT_MAX), 1e300), 1e300, inf, nan})
    EXPECT_EQ(ErrorNumber([](double x) { ToSingle(x); }, v), 6) << v;
}

}  // namespace
}  // namespace common

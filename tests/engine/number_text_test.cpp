#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/run_error.h"

namespace {

struct ReadCase {
  const char* text;
  double expected;
};

TEST(LireNombre, ReadsTheLeadingNumber) {
  const ReadCase cases[] = {
      {"5.E-6", 0.000005},
      {"  \t 42", 42.0},
      {"-2", -2.0},
      {"+3.5", 3.5},
      {".5", 0.5},
      {"-.25", -0.25},
      {"7.", 7.0},
      {"1.5e3", 1500.0},
      {"2E+2", 200.0},
      {"1D2", 100.0},
      {"2.5d-1", 0.25},
      {"12abc", 12.0},
      {"3,5", 3.0},    // a comma ends the number
      {"1.2.3", 1.2},  // a second point ends it
      {"4E", 4.0},     // an exponent letter without digits is not part of it
      {"4E+", 4.0},
      {"4Ex", 4.0},
      {"1 2", 1.0},  // a blank ends it
      {"00012", 12.0},
      {"0.000", 0.0},
      {"", 0.0},
      {"   ", 0.0},
      {"abc", 0.0},
      {"-", 0.0},
      {".", 0.0},
      {"+.e5", 0.0},
      {"E5", 0.0},
      {"1e-400", 0.0},  // underflow reads as zero
      {"0.0000000000000000000000000001e-380", 0.0},
      {"123456789012345678901234567890", 1.2345678901234568e29},
      {"1000000000000000000000000000000000000000e-30", 1e9},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(LireNombre(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(LireNombre, TooLargeReadsAsInfinityWithItsSign) {
  EXPECT_EQ(LireNombre("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LireNombre("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(LireNombre("0.001e312"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LireNombre(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(LireNombre, StopsAtTheEndOfTheView) {
  std::string_view text("12345", 2);
  EXPECT_EQ(LireNombre(text), 12.0);
  std::string_view exponent("3e25", 2);  // "3e" then the view ends
  EXPECT_EQ(LireNombre(exponent), 3.0);
}

TEST(LireSingle, OneWholeNumberRoundedOnceToASingle) {
  struct Case {
    const char* text;
    bool ok;
    float expected;
  };
  const Case cases[] = {
      {"1.5", true, 1.5f},
      {"-2", true, -2.0f},
      {"+.5", true, 0.5f},
      {"5.E-6", true, 5e-6f},
      {"1D2", true, 100.0f},
      {"0e999999", true, 0.0f},
      {"1e-60", true, 0.0f},  // below the Single range
      {"3.4028235e38", true, 3.4028235e38f},
      // Halfway between two Singles in decimal, but not exactly: a reading
      // through a Double would round twice and land on the other one.
      {"1.00000005960464477550", true, 1.00000011920928955078125f},
      {"1e39", false, 0.0f},
      {"-1e39", false, 0.0f},
      {" 1", false, 0.0f},
      {"1 ", false, 0.0f},
      {"1,5", false, 0.0f},
      {"1E", false, 0.0f},
      {"inf", false, 0.0f},
      {"nan", false, 0.0f},
      {"0x1p3", false, 0.0f},
      {"", false, 0.0f},
      {"-", false, 0.0f},
  };
  for (const Case& c : cases) {
    const std::optional<float> v = LireSingle(c.text);
    EXPECT_EQ(v.has_value(), c.ok) << '"' << c.text << '"';
    if (v && c.ok) {
      EXPECT_EQ(*v, c.expected) << '"' << c.text << '"';
    }
  }
}

struct RoundCase {
  double value;
  int expected;
};

TEST(VersInteger, RoundsHalvesToEven) {
  const RoundCase cases[] = {
      {2.5, 2},
      {3.5, 4},
      {-2.5, -2},
      {-3.5, -4},
      {0.5, 0},
      {-0.5, 0},
      {1.5, 2},
      {2.4999, 2},
      {2.5001, 3},
      {-7.6, -8},
      {32767.4, 32767},
      {32767.0, 32767},
      {-32768.5, -32768},
      {-32768.0, -32768},
      {0.49999999999999994, 0},
      {-0.49999999999999994, 0},
      {1.4999999999999998, 1},
      {4.5, 4},
      {-5.5, -6},
  };
  for (const RoundCase& c : cases) {
    EXPECT_EQ(VersInteger(c.value), c.expected) << c.value;
    EXPECT_EQ(VersLong(c.value), c.expected) << c.value;
  }
}

TEST(VersInteger, OutOfRangeIsOverflow) {
  const double bad[] = {32767.5,
                        32768.0,
                        -32768.6,
                        -32769.0,
                        1e10,
                        std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::quiet_NaN()};
  for (double v : bad) {
    try {
      VersInteger(v);
      ADD_FAILURE() << v << " converted";
    } catch (const RunError& e) {
      EXPECT_EQ(e.kind(), RunErrorKind::Overflow) << v;
    }
  }
}

TEST(VersLong, RangeIsThirtyTwoBits) {
  EXPECT_EQ(VersLong(2147483647.0), 2147483647);
  EXPECT_EQ(VersLong(-2147483648.0), -2147483647 - 1);
  EXPECT_EQ(VersLong(2147483646.5), 2147483646);
  EXPECT_EQ(VersLong(1e6 + 0.5), 1000000);
  const double bad[] = {2147483647.5, 2147483648.0, -2147483649.0,
                        -std::numeric_limits<double>::infinity()};
  for (double v : bad) {
    EXPECT_THROW(VersLong(v), RunError) << v;
  }
}

struct StrSingleCase {
  float value;
  const char* expected;
};

TEST(StrSingle, ClassicForm) {
  const StrSingleCase cases[] = {
      {1.0f, " 1"},
      {-2.0f, "-2"},
      {0.5f, " .5"},
      {-0.25f, "-.25"},
      {1.5f, " 1.5"},
      {0.0f, " 0"},
      {-0.0f, " 0"},
      {0.1f, " .1"},
      {1.0f / 3.0f, " .3333333"},
      {2.0f / 3.0f, " .6666667"},
      {1234567.0f, " 1234567"},
      {12345678.0f, " 1.234568E+07"},
      {9999999.0f, " 9999999"},
      {10000000.0f, " 1E+07"},
      {0.001f, " .001"},
      {0.0001f, " .0001"},
      {0.00012345f, " .00012345"},  // exponent form only below 1E-04
      {1e-5f, " 1E-05"},
      {1.5e-7f, " 1.5E-07"},
      {1e20f, " 1E+20"},
      {-1e20f, "-1E+20"},
      {3.4028235e38f, " 3.402823E+38"},
      {123.456f, " 123.456"},
      {-98765.43f, "-98765.43"},
      {0.000125f, " .000125"},
      {5e-6f, " 5E-06"},
      {1e-40f, " 9.999946E-41"},  // subnormal: its seven digits
  };
  for (const StrSingleCase& c : cases) {
    EXPECT_EQ(StrSingle(c.value), c.expected) << c.value;
  }
}

struct StrDoubleCase {
  double value;
  const char* expected;
};

TEST(StrDouble, ClassicForm) {
  const StrDoubleCase cases[] = {
      {1.0, " 1"},
      {-2.0, "-2"},
      {0.000125, " .000125"},
      {0.1 + 0.2, " .3"},
      {1.0 / 3.0, " .333333333333333"},
      {123456789012345.0, " 123456789012345"},
      {1234567890123456.0, " 1.23456789012346E+15"},
      {1e15, " 1E+15"},
      {1e-5, " 1E-05"},
      {-1.5e-7, "-1.5E-07"},
      {1e100, " 1E+100"},
      {2.5e-300, " 2.5E-300"},
      {12345678.0, " 12345678"},
  };
  for (const StrDoubleCase& c : cases) {
    EXPECT_EQ(StrDouble(c.value), c.expected) << c.value;
  }
}

TEST(StrDouble, NotFiniteValuesHaveAForm) {
  EXPECT_EQ(StrDouble(std::numeric_limits<double>::infinity()), " Inf");
  EXPECT_EQ(StrDouble(-std::numeric_limits<double>::infinity()), "-Inf");
  EXPECT_EQ(StrDouble(std::numeric_limits<double>::quiet_NaN()), " NaN");
}

TEST(StrSingle, ReadsBackAsTheSameSingle) {
  // Seven significant digits identify a Single only within about 1 ulp, but
  // the shown value must read back to within that.
  const float values[] = {3.14159265f, -0.001234567f, 6.02214e23f, 1.17549435e-38f, 65535.5f};
  for (float v : values) {
    float back = static_cast<float>(LireNombre(StrSingle(v)));
    EXPECT_NEAR(back, v, std::fabs(v) * 1e-6f) << StrSingle(v);
  }
}

}  // namespace

#include "engine/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct FormatCase {
  double value;
  const char* pattern;
  const char* expected;
};

TEST(FormatNombre, PatternsOfTheProgram) {
  const FormatCase cases[] = {
      {0.5, "###.####", ".5"},
      {6.2, "###.####", "6.2"},
      {3.14159, "###.####", "3.1416"},
      {1234.5678, "###.####", "1234.5678"},
      {0.00004, "###.####", "."},  // rounds to nothing
      {12, "#######", "12"},
      {12.4, "#######", "12"},
      {12.5, "#######", "13"},  // halves away from zero
      {0, "#######", ""},
      {0.4, "#######", ""},
      {123456789, "#######", "123456789"},  // wider than its places: in full
      {1048576, "########", "1048576"},
      {1234.5, "0.00E+00", "1.23E+03"},
      {0.000123, "0.00E+00", "1.23E-04"},
      {0, "0.00E+00", "0.00E+00"},
      {-42, "0.00E+00", "-4.20E+01"},
      {0.0009999, "0.00E+00", "1.00E-03"},  // carry into the next power
      {1e-300, "0.00E+00", "1.00E-300"},
      {1024, "#.##E+##", "1.02E+3"},
      {2, "#.##E+##", "2.E+0"},
      {0, "#.##E+##", "0.E+0"},
      {-1024, "#.##E+##", "-1.02E+3"},
      {9.999, "#.##E+##", "1.E+1"},
      {0.05, "#.##E+##", "5.E-2"},
      {0.5, "#.#E+##", "5.E-1"},
      {0.00015, "#.#E+##", "1.5E-4"},
      {123456, "#.#E+##", "1.2E+5"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatNombre(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
  }
}

TEST(FormatNombre, UserPatterns) {
  const FormatCase cases[] = {
      {2, "#.##", "2."},  // the point is always shown
      {0, "#.##", "."},
      {0.125, "0.00", "0.13"},
      {-0.001, "0.00", "0.00"},  // rounds to zero: no sign
      {-3.5, "0", "-4"},
      {5, "00.0", "05.0"},
      {99.996, "###.##", "100."},
      {3.456, ".##", "3.46"},  // integer digits in full before the point
      {0.6, "#", "1"},
      {6.02, "#.#0", "6.02"},
      {6.2, "#.#0", "6.20"},
      {6.2, "#.0#", "6.2"},
      {1e21, "0", "1000000000000000000000"},
      {1.5, "0.00E-00", "1.50E00"},  // "E-": sign only when negative
      {0.015, "0.00E-00", "1.50E-02"},
      {2.5e10, "0.0e+0", "2.5e+10"},
      {1234, "##-##", "12-34"},  // literals where they stand
      {42, "0 Hz", "42 Hz"},
      {42, "\"N=\"0", "N=42"},
      {7, "\\#0", "#7"},
      {3, "0E+x", "3E+x"},       // "E+" without digit places is literal
      {1.25, "0.0.0", "1.2.5"},  // a second point is a literal among the fraction places
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatNombre(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
  }
}

TEST(FormatNombre, PatternThatCannotBeAppliedGivesTheStrForm) {
  const FormatCase cases[] = {
      {1, "", " 1"},
      {-0.5, "abc", "-.5"},
      {1e20, "E+00", " 1E+20"},
      {std::numeric_limits<double>::infinity(), "0.00", " Inf"},
      {std::numeric_limits<double>::quiet_NaN(), "#.##E+##", " NaN"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatNombre(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
  }
}

}  // namespace

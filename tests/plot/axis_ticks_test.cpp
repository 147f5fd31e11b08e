#include "plot/axis_ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Labels(const AxisTicks& t) {
  std::vector<std::string> out;
  for (const LabelledTick& l : t.labelled) out.push_back(l.label);
  return out;
}

std::vector<double> Positions(const AxisTicks& t) {
  std::vector<double> out;
  for (const LabelledTick& l : t.labelled) out.push_back(l.position);
  return out;
}

// The same settings on both axes.
PlotModel MemeAxe(float min, float max, float major, float tic, float base = 1,
                  const char* format = "#.##E+##") {
  PlotModel m;
  m.XMin = m.YMin = min;
  m.XMax = m.YMax = max;
  m.DX = m.DY = max - min;
  m.XMajor = m.YMajor = major;
  m.XTic = m.YTic = tic;
  m.XBase = m.YBase = base;
  m.XFormat = m.YFormat = format;
  return m;
}

struct AxisCase {
  const char* name;
  float min, max, major, tic, base;
  const char* format;
  std::vector<std::string> labels;
};

// The same axis on X and on Y gives the same labelled ticks.
TEST(AxisTicks, LabelsOfATableOfRanges) {
  const AxisCase cases[] = {
      {"linear 0..10",
       0,
       10,
       0.2f,
       5,
       1,
       "#.##E+##",
       {"0.E+0", "1.E+0", "2.E+0", "3.E+0", "4.E+0", "5.E+0", "6.E+0", "7.E+0", "8.E+0", "9.E+0",
        "1.E+1"}},
      {"linear 0..1 decimals",
       0,
       1,
       0.02f,
       5,
       1,
       "###.####",
       {".", ".1", ".2", ".3", ".4", ".5", ".6", ".7", ".8", ".9", "1."}},
      {"linear negative", -2, 2, 0.4f, 5, 1, "0.00E+00", {"-2.00E+00", "0.00E+00", "2.00E+00"}},
      {"log base 2", -7, -5, 1, 1, 2, "#.##E+##", {"7.81E-3", "1.56E-2", "3.13E-2"}},
      {"log base 10", 0, 2, 1, 1, 10, "#.##E+##", {"1.E+0", "1.E+1", "1.E+2"}},
      {"log base 2, label every other", -2, 3, 1, 2, 2, "###.####", {".25", "1.", "4."}},
  };
  for (const AxisCase& c : cases) {
    SCOPED_TRACE(c.name);
    const PlotModel m = MemeAxe(c.min, c.max, c.major, c.tic, c.base, c.format);
    EXPECT_EQ(Labels(TicksX(m)), c.labels);
    EXPECT_EQ(Labels(TicksY(m)), c.labels);
    const std::vector<double> at = Positions(TicksX(m));
    ASSERT_FALSE(at.empty());
    EXPECT_EQ(at.front(), c.min);
  }
}

TEST(AxisTicks, LinearMinorTicksEveryTwoPercentUpToButNotAtTheEnd) {
  const PlotModel m = MemeAxe(0, 10, 0.2f, 5);
  const AxisTicks t = TicksX(m);
  ASSERT_EQ(t.minor.size(), 50u);
  EXPECT_EQ(t.minor.front(), 0);
  EXPECT_NEAR(t.minor.back(), 9.8, 1e-6);
  ASSERT_GE(t.steps.size(), 50u);
  ASSERT_LE(t.steps.size(), 51u);
  EXPECT_TRUE(TicksY(m).steps.empty());
}

TEST(AxisTicks, LogarithmicSubTicksAtTheLogarithmsOfTwoToNine) {
  PlotModel m = MemeAxe(-7, -5, 1, 1, 2);
  const AxisTicks t = TicksY(m);
  ASSERT_EQ(t.minor.size(), 16u);
  for (int k = 0; k < 2; ++k) {
    for (int q = 2; q <= 9; ++q) {
      EXPECT_NEAR(t.minor[k * 8 + q - 2], -7 + k + std::log10(q), 1e-12);
    }
  }
  m = MemeAxe(0, 2, 1, 1, 10);
  const AxisTicks x = TicksX(m);
  EXPECT_EQ(x.steps, (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(x.minor.size(), 16u);
}

TEST(AxisTicks, InconsistentSettingsGiveAnEmptyAxisOrABoundedOne) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* name;
    float min, max, major, tic;
    size_t minor, labelled;
  };
  const Case cases[] = {
      {"zero spacing", 0, 10, 0, 5, 0, 0},
      {"negative spacing", 0, 10, -1, 5, 0, 0},
      {"zero ticks per label", 0, 10, 1, 0, 10, 0},
      {"negative ticks per label", 0, 10, 1, -2, 10, 0},
      {"min above max", 10, 0, 1, 5, 0, 0},
      {"NaN spacing", 0, 10, nan, 5, 0, 0},
      {"NaN end", 0, nan, 1, 5, 0, 0},
      {"infinite end", 0, inf, 1, 5, 0, 0},
      {"spacing tiny against the range", 1e8f, 2e8f, 1e-3f, 1, kTicsMax, kTicsMax},
      {"far too many ticks", 0, 1e6f, 1e-3f, 5, kTicsMax, kTicsMax},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PlotModel m = MemeAxe(c.min, c.max, c.major, c.tic);
    for (const AxisTicks& t : {TicksX(m), TicksY(m)}) {
      EXPECT_EQ(t.minor.size(), c.minor);
      EXPECT_EQ(t.labelled.size(), c.labelled);
    }
  }
}

}  // namespace

#include "plot/declarations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct BorneCase {
  double base;
  double x;
  int below;  // sens 0
  int above;  // sens -1
};

TEST(ExposantBorne, BracketsTheValueByWholeExponents) {
  const BorneCase cases[] = {
      {10, 1000, 2, 3},  {2, 0.3, -2, -1},  {10, 1, 0, 1},      {10, 100, 1, 2},
      {10, 0.5, -1, 0},  {10, 0.1f, -1, 0}, {2, 4, 1, 2},       {2, 5, 2, 3},
      {2, 0.25, -2, -1}, {3, 26, 2, 3},     {2, 1e30, 99, 100},
  };
  for (const BorneCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "base " << c.base << " x " << c.x);
    EXPECT_EQ(ExposantBorne(0, c.base, c.x), c.below);
    EXPECT_EQ(ExposantBorne(-1, c.base, c.x), c.above);
  }
}

TEST(ExposantBorne, OutsideItsDomainGivesAnOrderedRangeAtOnce) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const BorneCase cases[] = {
      {10, 0, 0, 1},   {10, -5, 0, 1}, {1, 5, 0, 1},    {0.5, 5, 0, 1},
      {10, nan, 0, 1}, {nan, 5, 0, 1}, {10, inf, 0, 1}, {inf, 5, 0, 1},
  };
  for (const BorneCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "base " << c.base << " x " << c.x);
    EXPECT_EQ(ExposantBorne(0, c.base, c.x), c.below);
    EXPECT_EQ(ExposantBorne(-1, c.base, c.x), c.above);
  }
}

TEST(ExposantBorne, TinyValuesStopWithinSixteenBitExponents) {
  const int k = ExposantBorne(0, 2, std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(k, -1074);
  EXPECT_EQ(ExposantBorne(-1, 2, std::numeric_limits<double>::denorm_min()), -1073);
}

TEST(LogBase, LinearAxisKeepsTheValueLogAxisTakesTheLogarithm) {
  EXPECT_EQ(LogBase(1, 0.3), 0.3f);
  EXPECT_EQ(PuisBase(1, -7.5), -7.5f);
  EXPECT_FLOAT_EQ(LogBase(2, 8), 3.0f);
  EXPECT_FLOAT_EQ(LogBase(10, 0.001), -3.0f);
  EXPECT_EQ(PuisBase(2, -2), 0.25f);
  EXPECT_FLOAT_EQ(PuisBase(10, 2), 100.0f);
}

TEST(Calage, LogarithmicAndLinearRangesFromTheExtents) {
  PlotModel m;
  m.NVar = 2;
  m.VarMin = {0, 1, 0.3f};
  m.VarMax = {0, 9, 5};
  m.VarY = 2;
  m.YBase = 2;
  m.YFormat = "0.00E+00";
  m.ZoomY1 = 7;
  CalageLogY(m);
  EXPECT_EQ(m.YMin, -2);
  EXPECT_EQ(m.YMax, 3);
  EXPECT_EQ(m.YMajor, 1);
  EXPECT_EQ(m.YTic, 1);
  EXPECT_EQ(m.YFormat, "0.00E+00");
  EXPECT_EQ(m.ZoomY1, 7);

  m.YBase = 10;
  CalageLogY(m);
  EXPECT_EQ(m.YMin, -1);
  EXPECT_EQ(m.YMax, 1);

  m.YBase = 1;
  CalageLinY(m);
  EXPECT_EQ(m.YMin, 0.3f);
  EXPECT_EQ(m.YMax, 5);
  EXPECT_EQ(m.ZoomY1, 0.3f);
  EXPECT_EQ(m.ZoomY2, 5);
  EXPECT_EQ(m.YTic, 5);
  EXPECT_FLOAT_EQ(m.YMajor, 0.02f * 4.7f);
  EXPECT_EQ(m.YFormat, "#.##E+##");

  m.VarX = 1;
  m.XBase = 2;
  m.VarMin[1] = 4;
  m.VarMax[1] = 4;
  CalageLogX(m);
  EXPECT_EQ(m.XMin, 1);
  EXPECT_EQ(m.XMax, 2);
}

}  // namespace

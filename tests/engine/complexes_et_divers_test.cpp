#include "engine/complexes_et_divers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <numbers>

#include "engine/run_error.h"

namespace {

constexpr double kPiD = std::numbers::pi;

RunErrorKind KindOf(auto&& f) {
  try {
    f();
  } catch (const RunError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "no RunError thrown";
  return RunErrorKind::InvalidArgument;
}

TEST(CPuissance, SeedIsOnePlusI) {
  struct Case {
    int32_t k;
    float re, im;
  };
  const Case cases[] = {{0, 1, 1}, {1, -1, 1}, {2, -1, -1}, {3, 1, -1}, {4, 1, 1}, {-5, 1, 1}};
  for (const Case& c : cases) {
    Complexe z = CPuissance(Complexe{0.0f, 1.0f}, c.k);
    EXPECT_EQ(z.Re, c.re) << "k=" << c.k;
    EXPECT_EQ(z.Im, c.im) << "k=" << c.k;
  }
  // (1 + i) z^k in general: z = 2 gives 8 + 8i for k = 3.
  Complexe z = CPuissance(Complexe{2.0f, 0.0f}, 3);
  EXPECT_EQ(z.Re, 8.0f);
  EXPECT_EQ(z.Im, 8.0f);
}

TEST(CPhase, Quadrants) {
  struct Case {
    float y, x;
    double expected;
  };
  const Case cases[] = {
      {1, 1, kPiD / 4},
      {1, -1, 3 * kPiD / 4},
      {-1, -1, -3 * kPiD / 4},
      {0, -1, -kPiD},
      {0, 1, 0},
      {-1, 1, -kPiD / 4},
      {1e-30f, -1, kPiD},
      {2, 0, kPiD / 2},
      {-3, 0, -kPiD / 2},
      {0, 0, 0},
      {0.0f, -0.0f, 0},
      {std::sqrt(3.0f), 1, kPiD / 3},
  };
  for (const Case& c : cases) {
    // One Single ulp of pi.
    EXPECT_NEAR(CPhase(c.y, c.x), c.expected, 3e-7) << "y=" << c.y << " x=" << c.x;
  }
  // The negative real axis is -pi exactly (the program's pi), never +pi.
  EXPECT_EQ(CPhase(0.0f, -2.0f), -kPi);
  EXPECT_EQ(CPhase(-0.0f, -2.0f), -kPi);
  EXPECT_LE(CPhase(1e-30f, -1.0f), kPi);
}

TEST(CPhase, MatchesAtan2OffTheAxes) {
  for (int a = -179; a <= 179; a += 2) {
    double t = a * kPiD / 180;
    float y = static_cast<float>(std::sin(t)), x = static_cast<float>(std::cos(t));
    EXPECT_NEAR(CPhase(y, x), std::atan2(static_cast<double>(y), x), 4e-7) << a;
  }
}

TEST(FGamma, ReferenceValues) {
  struct Case {
    float a;
    double expected;
  };
  const Case cases[] = {
      {0.5f, 1.7724539}, {2.5f, 1.3293404}, {1.0f, 1.0},        {-0.5f, -3.5449077},
      {0.0f, 0.0},       {-2.0f, 0.0},      {1000.0f, 0.0},     {-1000.5f, 0.0},
      {2.0f, 1.0},       {3.0f, 2.0},       {-1.5f, 2.3632718},
  };
  for (const Case& c : cases) {
    // Single precision: 2e-6 relative.
    EXPECT_NEAR(FGamma(c.a), c.expected, 2e-6 * std::fabs(c.expected)) << "a=" << c.a;
  }
  // Asymptotic branch: exp of a Single argument near 39.3, whose rounding
  // alone is worth 1.9e-6 relative; 4e-6 relative.
  EXPECT_NEAR(FGamma(20.0f), 1.216451e17, 4e-6 * 1.216451e17);
}

TEST(FGamma, FollowsTgammaOverItsRange) {
  // Both branches and both signs, away from the poles: 1e-5 relative (the
  // asymptotic branch takes exp of a Single argument up to about 88).
  for (float a = -14.73f; a < 34.9f; a += 0.37f) {
    double ref = std::tgamma(static_cast<double>(a));
    EXPECT_NEAR(FGamma(a), ref, 1e-5 * std::fabs(ref)) << "a=" << a;
  }
  for (float a : {-15.5f, -20.25f, -33.7f}) {
    double ref = std::tgamma(static_cast<double>(a));
    EXPECT_NEAR(FGamma(a), ref, 1e-5 * std::fabs(ref)) << "a=" << a;
  }
}

TEST(FGamma, NearPolesAndBeyondSingleRange) {
  // Within 1e-30 of zero Gamma is 1/a; past the Single range it is 0.
  EXPECT_NEAR(FGamma(1e-35f), 1e35, 1e29);
  EXPECT_EQ(FGamma(1e-39f), 0.0f);
  // Above about 35.04 the result does not fit a Single.
  EXPECT_EQ(KindOf([] { FGamma(36.0f); }), RunErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { FGamma(100.0f); }), RunErrorKind::Overflow);
  // Where exp would leave the double range the function declines.
  EXPECT_EQ(FGamma(500.0f), 0.0f);
  EXPECT_EQ(FGamma(900.0f), 0.0f);
}

TEST(Factorielle, Values) {
  EXPECT_EQ(Factorielle(0), 1);
  EXPECT_EQ(Factorielle(-3), 1);
  EXPECT_EQ(Factorielle(1), 1);
  EXPECT_EQ(Factorielle(5), 120);
  EXPECT_EQ(Factorielle(12), 479001600);
  EXPECT_EQ(KindOf([] { Factorielle(13); }), RunErrorKind::Overflow);
}

TEST(MinMax, TiesAndOrder) {
  EXPECT_EQ(Min(3, 3), 3);
  EXPECT_EQ(Max(3, 3), 3);
  EXPECT_EQ(Min(2, 5), 2);
  EXPECT_EQ(Max(2, 5), 5);
  EXPECT_EQ(Min(5.5f, 2), 2.0f);
  EXPECT_EQ(Max(-1.0, 2.5f), 2.5);
}

TEST(ConstMachine, TableAndBadIndex) {
  const int32_t table[] = {2, 31, 2147483647, 2, 24, -125, 128, 53, -1021, 1024};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(ConstMachine(i), table[i - 1]) << i;
  EXPECT_EQ(KindOf([] { ConstMachine(0); }), RunErrorKind::BadIndex);
  EXPECT_EQ(KindOf([] { ConstMachine(11); }), RunErrorKind::BadIndex);
}

TEST(LimiteExp, Values) {
  EXPECT_NEAR(LimiteExp(0), 709.7756, 1e-4);
  EXPECT_NEAR(LimiteExp(1), 0.99999 * 0.6931472 * -1022, 1e-4);
}

TEST(ReelMachine, DoubleUnit) {
  EXPECT_EQ(ReelMachine(1), std::ldexp(1.0f, -52));
  EXPECT_EQ(ReelMachine(0), std::ldexp(1.0f, -52));
  EXPECT_EQ(ReelMachine(2), std::ldexp(1.0f, -53));
  EXPECT_EQ(ReelMachine(3), FLT_MIN);
  EXPECT_EQ(ReelMachine(4), FLT_MAX);
}

TEST(Complexes, Arithmetic) {
  Complexe p = CMul(Complexe{1, 2}, Complexe{3, -4});
  EXPECT_EQ(p.Re, 11.0f);
  EXPECT_EQ(p.Im, 2.0f);
  EXPECT_EQ(CModule(Complexe{3, 4}), 5.0f);
  EXPECT_EQ(CReel(Complexe{3, 4}), 3.0f);
  EXPECT_EQ(CImag(Complexe{3, 4}), 4.0f);
  EXPECT_EQ(CDeReel(2.5f).Re, 2.5f);
  EXPECT_EQ(CDeReel(2.5f).Im, 0.0f);
  EXPECT_EQ(CComplexe(1.5f).Im, 0.0f);
  EXPECT_EQ(CComplexe(1.5f, 7).Im, 7.0f);
  Complexe q = CDivReel(Complexe{1, -3}, 4);
  EXPECT_EQ(q.Re, 0.25f);
  EXPECT_EQ(q.Im, -0.75f);
  // Single rounding of a double quotient.
  EXPECT_EQ(CDivReel(Complexe{1, 0}, 3.0).Re, static_cast<float>(1.0 / 3.0));
}

TEST(Complexes, RunErrors) {
  EXPECT_EQ(KindOf([] { CDivReel(Complexe{1, 1}, 0); }), RunErrorKind::DivisionByZero);
  EXPECT_EQ(KindOf([] { CDivReel(Complexe{3e38f, 0}, 1e-3); }), RunErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { CMul(Complexe{3e38f, 0}, Complexe{10, 0}); }), RunErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { CModule(Complexe{3e38f, 3e38f}); }), RunErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { CComplexe(1, 1e300); }), RunErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { VersSingle(std::nan("")); }), RunErrorKind::Overflow);
}

}  // namespace

#include "engine/ondelettes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "engine/run_error.h"

namespace {

constexpr double kPiD = std::numbers::pi;

// The wavenumber grid of an FFT of n points at interval dt, positions 1..n.
std::vector<float> Wavenumbers(int32_t n, float dt) {
  std::vector<float> k(static_cast<size_t>(n) + 1, 0.0f);
  float f1 = static_cast<float>(2 * 3.14159274f / (static_cast<double>(n) * dt));
  for (int32_t i = 2; i <= n / 2 + 1; ++i)
    k[i] = static_cast<float>((i - 1) * static_cast<double>(f1));
  for (int32_t i = n / 2 + 2; i <= n; ++i) k[i] = -k[n - i + 2];
  return k;
}

struct Daughter {
  std::vector<Complexe> values;
  float period = 0, coi = 0, param = 0;
  int32_t last = 0;
};

// The daughter from DaughterWavelet; `last` from the extended form, which
// must give the same values up to it and, after it, leave the array as it
// was or write 0 (Morlet's last group of four).
Daughter Fille(int32_t n, float dt, int32_t mother, float param, float scale) {
  const Complexe sentinelle{-7.0f, -7.0f};
  Daughter d;
  d.values.assign(static_cast<size_t>(n) + 1, sentinelle);
  std::vector<Complexe> etendue = d.values;
  std::vector<float> k = Wavenumbers(n, dt);
  d.param = param;
  float param2 = param, period2 = 0, coi2 = 0;
  d.last = DaughterWaveletEtendue(n, dt, mother, param2, scale, k, period2, coi2, etendue);
  DaughterWavelet(n, dt, mother, d.param, scale, k, d.period, d.coi, d.values);
  EXPECT_EQ(param2, d.param);
  EXPECT_EQ(period2, d.period);
  EXPECT_EQ(coi2, d.coi);
  for (int32_t i = 1; i <= n; ++i) {
    const bool zero = i <= d.last + 4 && etendue[i].Re == 0.0f;
    const Complexe attendu = i <= d.last ? d.values[i] : zero ? Complexe{} : sentinelle;
    EXPECT_EQ(etendue[i].Re, attendu.Re) << i;
    EXPECT_EQ(etendue[i].Im, attendu.Im) << i;
  }
  return d;
}

RunErrorKind KindOf(auto&& f) {
  try {
    f();
  } catch (const RunError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "no RunError thrown";
  return RunErrorKind::InvalidArgument;
}

TEST(DaughterWavelet, FourierAndConeFactorsWithDefaults) {
  struct Case {
    int32_t mother;
    double F, coi;
  };
  const Case cases[] = {{0, 1.0330436, 0.73047}, {1, 1.3962634, 1.9746}, {2, 3.9738355, 2.8099}};
  for (const Case& c : cases) {
    // A negative parameter takes the default; scale 1 s gives period = F.
    Daughter d = Fille(64, 0.1f, c.mother, -1.0f, 1.0f);
    EXPECT_NEAR(d.period, c.F, 2e-7 * c.F) << c.mother;
    EXPECT_NEAR(d.coi, c.coi, 1e-4) << c.mother;
    // period is F times the scale.
    Daughter d2 = Fille(64, 0.1f, c.mother, -1.0f, 2.5f);
    EXPECT_NEAR(d2.period, 2.5 * c.F, 3e-7 * 2.5 * c.F) << c.mother;
  }
}

TEST(DaughterWavelet, NegativeParameterIsReplacedAndWrittenBack) {
  EXPECT_EQ(Fille(16, 1, 0, -3.0f, 2).param, 6.0f);
  EXPECT_EQ(Fille(16, 1, 1, -0.5f, 2).param, 4.0f);
  EXPECT_EQ(Fille(16, 1, 2, -1e-3f, 2).param, 2.0f);
  EXPECT_EQ(Fille(16, 1, 0, 0.0f, 2).param, 0.0f);
  EXPECT_EQ(Fille(16, 1, 2, 0.0f, 2).param, 0.0f);
  EXPECT_EQ(Fille(16, 1, 1, 4.9f, 2).param, 4.9f);
}

TEST(DaughterWavelet, ZeroParameter) {
  // Morlet k0 = 0: F = 4 pi / sqrt 2.
  EXPECT_NEAR(Fille(16, 1, 0, 0.0f, 1).period, 4 * kPiD / std::sqrt(2.0), 1e-6);
  // Paul of order 0 divides by sqrt 0.
  EXPECT_EQ(KindOf([] { Fille(16, 1, 1, 0.0f, 1); }), RunErrorKind::DivisionByZero);
  // DOG of order 0: a Gaussian with a negative sign, on both halves.
  Daughter g = Fille(16, 1, 2, 0.0f, 1);
  double A = std::sqrt(2 * kPiD);
  EXPECT_NEAR(g.values[1].Re, -A / std::sqrt(std::sqrt(kPiD)), 1e-5);
  for (int i = 1; i <= 16; ++i) {
    EXPECT_LT(g.values[i].Re, 0.0f) << i;
    EXPECT_EQ(g.values[i].Im, 0.0f) << i;
  }
}

TEST(DaughterWavelet, OrdersAreTruncated) {
  Daughter p49 = Fille(32, 0.5f, 1, 4.9f, 3), p4 = Fille(32, 0.5f, 1, 4.0f, 3);
  Daughter g27 = Fille(32, 0.5f, 2, 2.7f, 3), g2 = Fille(32, 0.5f, 2, 2.0f, 3);
  EXPECT_EQ(p49.period, p4.period);
  EXPECT_EQ(g27.period, g2.period);
  for (int i = 1; i <= 32; ++i) {
    EXPECT_EQ(p49.values[i].Re, p4.values[i].Re) << i;
    EXPECT_EQ(g27.values[i].Re, g2.values[i].Re) << i;
  }
}

// Independent references in double, straight from the wavelet formulas.
double MorletRef(double x, double k0, double A) {
  return std::pow(kPiD, -0.25) * A * std::exp(-(x - k0) * (x - k0) / 2);
}
double PaulRef(double x, int m, double A) {
  return A * std::pow(2.0, m) / std::sqrt(m * std::tgamma(2.0 * m)) * std::pow(x, m) * std::exp(-x);
}
double DogRef(double x, int m, double A) {
  // -Re((1 + i) i^m) / sqrt(Gamma(m + 1/2)): the sign is -1, +1, +1, -1 for m mod 4.
  const double sign[] = {-1, 1, 1, -1};
  return sign[m % 4] * A / std::sqrt(std::tgamma(m + 0.5)) * std::pow(x, m) * std::exp(-x * x / 2);
}

TEST(DaughterWavelet, ValuesFollowTheFormulas) {
  const int32_t n = 256;
  const float dt = 0.01f;
  std::vector<float> k = Wavenumbers(n, dt);
  for (float scale : {0.02f, 0.1f, 0.7f, 3.0f}) {
    double A = std::sqrt(2 * kPiD * scale / dt);
    Daughter mo = Fille(n, dt, 0, 6, scale), pa = Fille(n, dt, 1, 4, scale),
             dg = Fille(n, dt, 2, 3, scale);
    double peak = std::pow(kPiD, -0.25) * A;
    for (int i = 1; i <= n; ++i) {
      double x = static_cast<double>(scale * k[i]);
      bool positive = i <= n / 2 + 1;
      // Single rounding of each intermediate: 2e-6 of the peak value.
      EXPECT_NEAR(mo.values[i].Re, positive ? MorletRef(x, 6, A) : 0.0, 2e-6 * peak) << i;
      EXPECT_NEAR(pa.values[i].Re, positive ? PaulRef(x, 4, A) : 0.0, 2e-6 * A) << i;
      EXPECT_NEAR(dg.values[i].Re, DogRef(x, 3, A), 2e-6 * A) << i;
      EXPECT_EQ(mo.values[i].Im, 0.0f);
      EXPECT_EQ(pa.values[i].Im, 0.0f);
      EXPECT_EQ(dg.values[i].Im, 0.0f);
    }
    // Past the returned extent every value is exactly 0.
    for (int i = mo.last + 1; i <= n; ++i) EXPECT_EQ(mo.values[i].Re, 0.0f) << i;
  }
}

TEST(DaughterWavelet, NegativeHalf) {
  const int32_t n = 16;
  Daughter mo = Fille(n, 1, 0, 6, 2), pa = Fille(n, 1, 1, 4, 2), dg = Fille(n, 1, 2, 2, 2);
  for (int i = n / 2 + 2; i <= n; ++i) {
    EXPECT_EQ(mo.values[i].Re, 0.0f) << i;
    EXPECT_EQ(pa.values[i].Re, 0.0f) << i;
    EXPECT_NE(dg.values[i].Re, 0.0f) << i;
    // Even order: symmetric.
    EXPECT_EQ(dg.values[i].Re, dg.values[n - i + 2].Re) << i;
  }
}

TEST(DaughterWavelet, FirstOrderGaussianIsOddWithPositiveNorm) {
  const int32_t n = 16;
  Daughter d = Fille(n, 1, 2, 1, 2);
  EXPECT_EQ(d.values[1].Re, 0.0f);
  EXPECT_GT(d.values[2].Re, 0.0f);
  for (int i = 2; i <= n / 2; ++i) EXPECT_EQ(d.values[i].Re, -d.values[n - i + 2].Re) << i;
}

TEST(DaughterWavelet, TwoPointsHaveNoNegativeHalf) {
  // k(2) is the Nyquist wavenumber pi/dt; scale 6 dt / pi puts it on k0.
  const float dt = 1;
  Daughter mo = Fille(2, dt, 0, 6, static_cast<float>(6 / kPiD));
  double A = std::sqrt(2 * kPiD * 6 / kPiD);
  EXPECT_NEAR(mo.values[2].Re, std::pow(kPiD, -0.25) * A, 1e-5);
  EXPECT_NEAR(mo.values[1].Re, MorletRef(0, 6, A), 1e-9);
  Daughter pa = Fille(2, dt, 1, 4, 1);
  EXPECT_GT(pa.values[2].Re, 0.0f);
  EXPECT_EQ(pa.values[1].Re, 0.0f);
}

TEST(DaughterWavelet, Failures) {
  // 13! overflows a Long.
  EXPECT_EQ(KindOf([] { Fille(16, 1, 1, 7, 1); }), RunErrorKind::Overflow);
  // Gamma(35.5) exceeds the Single range.
  EXPECT_EQ(KindOf([] { Fille(16, 1, 2, 35, 1); }), RunErrorKind::Overflow);
  // The exponent of a huge scale times the wavenumbers leaves the Single range.
  EXPECT_EQ(KindOf([] { Fille(16, 1, 0, 6, 1e20f); }), RunErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { Fille(16, 1, 2, 2, 1e20f); }), RunErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { Fille(16, 0, 0, 6, 1); }), RunErrorKind::DivisionByZero);
  // Orders up to 6 and 34 work.
  EXPECT_NO_THROW(Fille(16, 1, 1, 6, 1));
  EXPECT_NO_THROW(Fille(16, 1, 2, 34, 0.1f));
}

TEST(Ondelettes, CaptionsAndDefaults) {
  EXPECT_STREQ(kOndelettes[0].libelle, "Morlet");
  EXPECT_STREQ(kOndelettes[1].libelle, "Paul");
  EXPECT_STREQ(kOndelettes[2].libelle, "Gauss");
  EXPECT_STREQ(kOndelettes[0].texteParametre, "6");
  EXPECT_STREQ(kOndelettes[1].texteParametre, "4");
  EXPECT_STREQ(kOndelettes[2].texteParametre, "2");
}

}  // namespace

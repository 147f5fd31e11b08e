#include "engine/wavelet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "engine/ondelettes.h"

namespace {

using cd = std::complex<double>;
constexpr double kPiD = std::numbers::pi;
constexpr float kSentinelle = -123.0f;

// One transform call with its outputs, prefilled with sentinels.
struct Appel {
  EntreeWavelet in;
  std::vector<float> y;
  int32_t mother = 0;
  float param = -1.0f;
  TableauOndelette wave;
  std::vector<float> scale, period, coi;
  SpectreWavelet spectre;
  std::vector<MessageMoteur> messages;

  Appel(std::vector<float> signal, float dt, int32_t mother_, float param_, float s0, float dj,
        int32_t jtot, int32_t npad)
      : y(std::move(signal)), mother(mother_), param(param_) {
    in.n = static_cast<int32_t>(y.size()) - 1;
    in.dt = dt;
    in.s0 = s0;
    in.dj = dj;
    in.jtot = jtot;
    in.npad = npad;
    wave = TableauOndelette(in.n, jtot);
    for (int32_t j = 1; j <= jtot; ++j)
      for (int32_t i = 1; i <= in.n; ++i) wave(i, j) = {kSentinelle, kSentinelle};
    scale.assign(static_cast<size_t>(jtot) + 1, kSentinelle);
    period.assign(static_cast<size_t>(jtot) + 1, kSentinelle);
    coi.assign(static_cast<size_t>(in.n) + 1, kSentinelle);
  }

  void Lance() {
    in.y = y;
    WAVELET(in, mother, param, wave, scale, period, coi, spectre, messages);
  }
};

// y[1..n], position 0 unused.
std::vector<float> Signal(int32_t n, auto&& f) {
  std::vector<float> y(static_cast<size_t>(n) + 1, 0.0f);
  for (int32_t i = 1; i <= n; ++i) y[i] = static_cast<float>(f(i));
  return y;
}

// Spectrum of the mean-removed, zero-padded signal by direct DFT in double,
// bins 1..npad, divided by npad.
std::vector<cd> SpectreDirect(const std::vector<float>& y, int32_t npad) {
  const int32_t n = static_cast<int32_t>(y.size()) - 1;
  double mean = 0;
  for (int32_t i = 1; i <= n; ++i) mean += y[i];
  mean /= n;
  std::vector<cd> S(static_cast<size_t>(npad) + 1);
  for (int32_t k = 1; k <= npad; ++k) {
    cd s = 0;
    for (int32_t t = 1; t <= n; ++t) {
      long r = (static_cast<long>(k - 1) * (t - 1)) % npad;
      s += (y[t] - mean) * std::polar(1.0, -2 * kPiD * r / npad);
    }
    S[k] = s / static_cast<double>(npad);
  }
  return S;
}

// W(i, j) = sum_k S(k) psi_j(k) exp(+2 pi i (k-1)(i-1)/npad), psi_j being the
// daughter of the scale the transform used.
cd CoefficientDirect(const std::vector<cd>& S, const std::vector<Complexe>& psi, int32_t i,
                     int32_t npad) {
  cd w = 0;
  for (int32_t k = 1; k <= npad; ++k) {
    long r = (static_cast<long>(k - 1) * (i - 1)) % npad;
    w += S[k] * static_cast<double>(psi[k].Re) * std::polar(1.0, 2 * kPiD * r / npad);
  }
  return w;
}

std::vector<float> Nombres(int32_t npad, float dt) {
  std::vector<float> k(static_cast<size_t>(npad) + 1, 0.0f);
  float f1 = static_cast<float>(2 * 3.14159274f / (static_cast<double>(npad) * dt));
  for (int32_t i = 2; i <= npad / 2 + 1; ++i) k[i] = static_cast<float>((i - 1) * double{f1});
  for (int32_t i = npad / 2 + 2; i <= npad; ++i) k[i] = -k[npad - i + 2];
  return k;
}

struct CasDirect {
  int32_t mother;
  float param;
};

class WaveletDirect : public ::testing::TestWithParam<CasDirect> {};

TEST_P(WaveletDirect, MatchesTheClosingFormula) {
  const int32_t n = 50, npad = 64, jtot = 9;
  const float dt = 0.5f, s0 = 1.0f, dj = 0.5f;
  auto f = [](int i) { return std::sin(0.4 * i) + 0.3 * std::cos(1.9 * i) + 0.01 * i * i; };
  Appel a(Signal(n, f), dt, GetParam().mother, GetParam().param, s0, dj, jtot, npad);
  a.Lance();
  ASSERT_TRUE(a.messages.empty());

  const std::vector<cd> S = SpectreDirect(a.y, npad);
  double smax = 0;
  for (int32_t k = 1; k <= npad; ++k) smax = std::max(smax, std::abs(S[k]));
  for (int32_t k = 1; k <= npad; ++k) {
    // Single FFT of 64 points: 1e-6 of the largest bin.
    EXPECT_NEAR(a.spectre.Spectre[k].Re, S[k].real(), 1e-6 * smax) << k;
    EXPECT_NEAR(a.spectre.Spectre[k].Im, S[k].imag(), 1e-6 * smax) << k;
  }
  EXPECT_NEAR(a.spectre.SpectreMax, smax, 1e-6 * smax);

  const std::vector<float> kw = Nombres(npad, dt);
  for (int32_t j = 1; j <= jtot; ++j) {
    EXPECT_NEAR(a.scale[j], s0 * std::pow(2.0, (j - 1) * dj), 2e-7 * a.scale[j]) << j;
    std::vector<Complexe> psi(static_cast<size_t>(npad) + 1);
    float param = GetParam().param, period, coi;
    DaughterWavelet(npad, dt, a.mother, param, a.scale[j], kw, period, coi, psi);
    EXPECT_EQ(a.period[j], period) << j;
    std::vector<cd> ref(static_cast<size_t>(n) + 1);
    double wmax = 0;
    for (int32_t i = 1; i <= n; ++i) {
      ref[i] = CoefficientDirect(S, psi, i, npad);
      wmax = std::max(wmax, std::abs(ref[i]));
    }
    for (int32_t i = 1; i <= n; ++i) {
      // Single products and FFT: 2e-6 of the column's largest coefficient.
      EXPECT_NEAR(a.wave(i, j).Re, ref[i].real(), 2e-6 * wmax) << i << "," << j;
      EXPECT_NEAR(a.wave(i, j).Im, ref[i].imag(), 2e-6 * wmax) << i << "," << j;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Meres, WaveletDirect,
                         ::testing::Values(CasDirect{0, 6}, CasDirect{1, 4}, CasDirect{2, 2},
                                           CasDirect{2, 1}, CasDirect{0, -1}));

TEST(Wavelet, DogCoefficientsAreRealForEvenOrdersAndImaginaryForOdd) {
  const int32_t n = 40, npad = 64;
  auto f = [](int i) { return std::cos(0.7 * i) * std::exp(-0.002 * (i - 20) * (i - 20)); };
  for (float order : {2.0f, 3.0f}) {
    Appel a(Signal(n, f), 1, 2, order, 2, 0.5f, 6, npad);
    a.Lance();
    for (int32_t j = 1; j <= 6; ++j) {
      for (int32_t i = 1; i <= n; ++i) {
        Complexe w = a.wave(i, j);
        // Apart from the Nyquist bin and rounding.
        float small = order == 2.0f ? w.Im : w.Re;
        float large = order == 2.0f ? w.Re : w.Im;
        EXPECT_LE(std::fabs(small), 1e-3f * (std::fabs(large) + 1e-3f)) << i << "," << j;
      }
    }
  }
}

TEST(Wavelet, ConeOfInfluence) {
  for (int32_t n : {5, 6}) {
    Appel a(Signal(n, [](int i) { return i % 2; }), 0.25f, 0, 6, 0.5f, 1, 2, 8);
    a.Lance();
    ASSERT_TRUE(a.messages.empty());
    const double cf = 4 * kPiD / (6 + std::sqrt(38.0)) / std::sqrt(2.0);
    const std::vector<int> distance =
        n == 5 ? std::vector<int>{0, 1, 2, 1, 0} : std::vector<int>{0, 1, 2, 2, 1, 0};
    for (int32_t i = 1; i <= n; ++i) {
      EXPECT_NEAR(a.coi[i], cf * 0.25 * distance[i - 1], 1e-6) << n << ":" << i;
    }
  }
}

TEST(Wavelet, PaddedLengthShorterThanTheSignal) {
  Appel a(Signal(10, [](int i) { return i; }), 1, 0, 6, 2, 0.5f, 3, 8);
  a.spectre.Spectre.assign(5, Complexe{9, 9});
  a.spectre.SpectreMin = 4;
  a.spectre.SpectreMax = 5;
  a.Lance();
  ASSERT_EQ(a.messages.size(), 1u);
  EXPECT_EQ(a.messages[0], (MessageMoteur{"**WAVELET: 'npad' must be greater than or equal to 'n' ",
                                          kTitreParDefaut, Icone::Aucune}));
  for (float v : a.scale) EXPECT_EQ(v, kSentinelle);
  for (float v : a.period) EXPECT_EQ(v, kSentinelle);
  for (size_t i = 1; i < a.coi.size(); ++i) EXPECT_EQ(a.coi[i], kSentinelle);
  EXPECT_EQ(a.wave(1, 1).Re, kSentinelle);
  // The spectrum is re-dimensioned before the check; its range is kept.
  ASSERT_EQ(a.spectre.Spectre.size(), static_cast<size_t>(kCapaciteWavelet) + 1);
  EXPECT_EQ(a.spectre.Spectre[1].Re, 0.0f);
  EXPECT_EQ(a.spectre.SpectreMin, 4.0f);
  EXPECT_EQ(a.spectre.SpectreMax, 5.0f);
}

TEST(Wavelet, CapacityExceeded) {
  const int32_t n = 70000;
  Appel a(Signal(n, [](int i) { return i % 3; }), 1, 0, 6, 2, 0.25f, 4, 131072);
  a.Lance();
  ASSERT_EQ(a.messages.size(), 1u);
  EXPECT_EQ(a.messages[0],
            (MessageMoteur{"Erreur probable: dépassement de capacité", "ARRET", Icone::Critique}));
  EXPECT_EQ(a.scale[1], kSentinelle);
  EXPECT_EQ(a.coi[1], kSentinelle);
  EXPECT_EQ(a.wave(1, 1).Re, kSentinelle);
  // The spectrum got the mean-removed signal as far as the capacity.
  ASSERT_EQ(a.spectre.Spectre.size(), static_cast<size_t>(kCapaciteWavelet) + 1);
  float mean = 0;
  for (int32_t i = 1; i <= n; ++i) mean += a.y[i];
  mean /= n;
  EXPECT_EQ(a.spectre.Spectre[n].Re, a.y[n] - mean);
  EXPECT_EQ(a.spectre.Spectre[kCapaciteWavelet].Re, 0.0f);
}

TEST(Wavelet, FailureKeepsTheCompleteColumns) {
  // Scales 1, 2^20, 2^40, 2^60, 2^80 s: the fifth makes the Morlet exponent
  // leave the Single range.
  const int32_t n = 12;
  Appel a(Signal(n, [](int i) { return std::sin(i); }), 1, 0, 6, 1, 20, 5, 16);
  a.Lance();
  ASSERT_EQ(a.messages.size(), 1u);
  EXPECT_EQ(a.messages[0].texte, kMessageCapacite);
  for (int32_t j = 1; j <= 4; ++j) {
    EXPECT_NE(a.period[j], kSentinelle) << j;
    EXPECT_NE(a.wave(3, j).Re, kSentinelle) << j;
  }
  EXPECT_EQ(a.scale[5], static_cast<float>(std::ldexp(1.0, 80)));
  EXPECT_EQ(a.period[5], kSentinelle);
  for (int32_t i = 1; i <= n; ++i) EXPECT_EQ(a.wave(i, 5).Re, kSentinelle) << i;
  EXPECT_EQ(a.coi[1], kSentinelle);
}

TEST(Wavelet, OutputTooSmallKeepsWhatFits) {
  const int32_t n = 12;
  Appel a(Signal(n, [](int i) { return std::sin(i); }), 1, 0, 6, 2, 0.5f, 3, 16);
  a.wave = TableauOndelette(7, 3);
  a.Lance();
  ASSERT_EQ(a.messages.size(), 1u);
  EXPECT_EQ(a.messages[0].texte, kMessageCapacite);
  Appel b(a.y, 1, 0, 6, 2, 0.5f, 3, 16);
  b.Lance();
  for (int32_t i = 1; i <= 7; ++i) EXPECT_EQ(a.wave(i, 1).Re, b.wave(i, 1).Re) << i;
  EXPECT_EQ(a.wave(1, 2).Re, 0.0f);
}

TEST(Wavelet, ConstantSignalGivesZeros) {
  Appel a(Signal(50, [](int) { return 2.5; }), 1, 0, 6, 2, 0.25f, 8, 64);
  a.Lance();
  ASSERT_TRUE(a.messages.empty());
  EXPECT_EQ(a.spectre.SpectreMin, 0.0f);
  EXPECT_EQ(a.spectre.SpectreMax, 0.0f);
  for (int32_t j = 1; j <= 8; ++j) {
    for (int32_t i = 1; i <= 50; ++i) {
      EXPECT_EQ(a.wave(i, j).Re, 0.0f);
      EXPECT_EQ(a.wave(i, j).Im, 0.0f);
    }
  }
}

TEST(Wavelet, MotherOutOfRangeRunsMorletAndUnpaddedLengthIsAccepted) {
  auto f = [](int i) { return std::cos(0.3 * i); };
  Appel morlet(Signal(32, f), 1, 0, 6, 2, 0.5f, 4, 32);
  morlet.Lance();
  for (int32_t mother : {-1, 3}) {
    Appel a(Signal(32, f), 1, mother, 6, 2, 0.5f, 4, 32);
    a.Lance();
    ASSERT_TRUE(a.messages.empty());
    EXPECT_EQ(a.mother, 0);
    for (int32_t j = 1; j <= 4; ++j) EXPECT_EQ(a.wave(5, j).Re, morlet.wave(5, j).Re);
  }
  // The default parameter is written back.
  Appel d(Signal(32, f), 1, 1, -2, 2, 0.5f, 2, 32);
  d.Lance();
  EXPECT_EQ(d.param, 4.0f);
}

TEST(Wavelet, PureSinePeaksAtItsPeriod) {
  const int32_t n = 512;
  const float dt = 0.01f;
  for (double P : {0.08, 0.23, 0.9}) {
    Appel a(Signal(n, [&](int i) { return std::sin(2 * kPiD * i * dt / P); }), dt, 0, 6, 2 * dt,
            0.25f, 32, 1024);
    a.Lance();
    ASSERT_TRUE(a.messages.empty());
    int32_t best = 0;
    double bestValue = -1;
    for (int32_t j = 1; j <= 32; ++j) {
      for (int32_t i = n / 4; i <= 3 * n / 4; ++i) {
        double m = std::hypot(a.wave(i, j).Re, a.wave(i, j).Im);
        if (m > bestValue) bestValue = m, best = j;
      }
    }
    EXPECT_LT(std::fabs(std::log2(a.period[best] / P)), 0.25) << P;
  }
}

}  // namespace

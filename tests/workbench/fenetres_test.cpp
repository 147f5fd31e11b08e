#include "workbench/fenetres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

WorkbenchState AvecSecond(const std::vector<float>& second1, int32_t nmax) {
  WorkbenchState e;
  e.SignalSecond = second1;
  e.NSecond = static_cast<int32_t>(second1.size()) - 1;
  e.Nmax = nmax;
  return e;
}

struct CasFenetre {
  FenetreSpectrale fenetre;
  std::vector<double> poids;  // Nmax = 4, i = 1..4
};

TEST(DiversFiltres, WorkedWeightsOfFourSamples) {
  const double h = 0.5 - 0.5 * std::cos(M_PI / 2);  // Cs2-Hann at t = 1/4 (0.5)
  const CasFenetre cas[] = {
      {FenetreSpectrale::Cs2Hann, {0.0, h, 1.0, h}},
      {FenetreSpectrale::Hamming, {0.0, 0.54, 1.08, 0.54}},
      {FenetreSpectrale::None, {1.0, 1.0, 1.0, 1.0}},
      {FenetreSpectrale::Blackman, {0.0, 0.42 - 0.08, 0.42 + 0.5 + 0.08, 0.42 - 0.08}},
      {FenetreSpectrale::Cs3BHarrisMin,
       {0.42323 - 0.49755 + 0.07922, 0.42323 - 0.07922, 0.42323 + 0.49755 + 0.07922,
        0.42323 - 0.07922}},
  };
  for (const CasFenetre& c : cas) {
    WorkbenchState e = AvecSecond({0.0f, 2.0f, 2.0f, 2.0f, 2.0f}, 4);
    DiversFiltres(e, c.fenetre);
    for (int i = 1; i <= 4; ++i) {
      EXPECT_NEAR(e.Signal[i], 2.0 * c.poids[i - 1], 1e-6) << Legende(c.fenetre) << " i=" << i;
    }
  }
}

TEST(DiversFiltres, BartlettModFormulaAndItsHole) {
  // Independent evaluation in long double of sin^2(pi (2t - 1)) / (2 pi sin(t - 1/2))^2.
  const int32_t n = 8;
  std::vector<float> second(n + 1, 1.0f);
  WorkbenchState e = AvecSecond(second, n);
  DiversFiltres(e, FenetreSpectrale::BartlettMod);
  const long double pi = 3.141592653589793238462643383279L;
  for (int i = 1; i <= n; ++i) {
    const long double t = (i - 1) / static_cast<long double>(n);
    if (i == n / 2 + 1) {
      EXPECT_EQ(e.Signal[i], e.Signal[i - 1]) << "t = 0.5 takes the weight before it";
      continue;
    }
    const long double num = std::sin(pi * (2 * t - 1));
    const long double den = 2 * pi * std::sin(t - 0.5L);
    EXPECT_NEAR(e.Signal[i], static_cast<double>(num * num / (den * den)), 1e-6) << i;
  }
  WorkbenchState quatre = AvecSecond({0.0f, 1.0f, 1.0f, 1.0f, 1.0f}, 4);
  DiversFiltres(quatre, FenetreSpectrale::BartlettMod);
  EXPECT_EQ(quatre.Signal[3], quatre.Signal[2]);
  EXPECT_TRUE(std::isfinite(quatre.Signal[3]));
  EXPECT_FALSE(PoidsFenetre(FenetreSpectrale::BartlettMod, 3, 4).has_value());
}

TEST(DiversFiltres, RecomputedFromSignalSecondEveryTime) {
  WorkbenchState e = AvecSecond({0.0f, 1.0f, -3.0f, 4.0f, 2.0f, 7.0f}, 4);
  DiversFiltres(e, FenetreSpectrale::Hamming);
  const std::vector<float> une = e.Signal;
  DiversFiltres(e, FenetreSpectrale::Hamming);
  EXPECT_EQ(e.Signal, une);
  DiversFiltres(e, FenetreSpectrale::None);
  EXPECT_EQ(e.Signal, std::vector<float>({0.0f, 1.0f, -3.0f, 4.0f, 2.0f}));  // prefix 1..Nmax
  EXPECT_EQ(e.SignalMin, -3.0f);
  EXPECT_EQ(e.SignalMax, 4.0f);
}

TEST(DiversFiltres, ConstantResultGetsARange) {
  WorkbenchState e = AvecSecond({0.0f, 5.0f, 5.0f, 5.0f}, 3);
  DiversFiltres(e, FenetreSpectrale::None);
  EXPECT_LT(e.SignalMin, 5.0f);
  EXPECT_GT(e.SignalMax, 5.0f);
  WorkbenchState zero = AvecSecond({0.0f, 0.0f, 0.0f}, 2);
  DiversFiltres(zero, FenetreSpectrale::Hamming);
  EXPECT_LT(zero.SignalMin, zero.SignalMax);
}

TEST(DiversFiltres, ProductBeyondTheSingleRangeIsCapped) {
  const float grand = 3.3e38f;
  WorkbenchState e = AvecSecond({0.0f, grand, grand, grand, -grand}, 4);
  DiversFiltres(e, FenetreSpectrale::Hamming);  // weight 1.08 at i = 3
  EXPECT_EQ(e.Signal[3], std::numeric_limits<float>::max());
  EXPECT_TRUE(std::isfinite(e.SignalMin));
  EXPECT_TRUE(std::isfinite(e.SignalMax));
}

TEST(FenetreSpectrale, OneCaptionEach) {
  std::set<std::string> vues;
  for (const LegendeFenetre& l : kLegendesFenetres) {
    EXPECT_EQ(std::string(Legende(l.fenetre)), l.legende);
    vues.insert(l.legende);
  }
  EXPECT_EQ(vues, (std::set<std::string>{"Cs3-BHarris-Min", "Bartlett-Mod", "Cs2-Hann", "Hamming",
                                         "Blackman", "None"}));
  EXPECT_STREQ(Legende(kFenetreInitiale), "None");
}

}  // namespace

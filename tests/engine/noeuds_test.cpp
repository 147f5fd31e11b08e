#include "engine/noeuds.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>
#include <vector>

#include "engine/complexes_et_divers.h"

namespace {

TEST(ArcTanQuotient, AgreesWithAtan2InDouble) {
  // Every reduction range and both signs: 4e-16 relative (a few double ulps).
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> angle(-3.14, 3.14);
  std::uniform_real_distribution<double> scale(-30, 30);
  for (int r = 0; r < 20000; ++r) {
    double a = angle(gen), s = std::exp(scale(gen));
    double y = s * std::sin(a), x = s * std::cos(a);
    double ref = std::atan(y / x);
    EXPECT_NEAR(ArcTanQuotient(y, x), ref, 4e-16 * std::fabs(ref) + 1e-300) << y << "/" << x;
  }
}

TEST(VariablesNoeuds, SameValuesAsTheSingleNodeFunctions) {
  // Axes, the origin, the negative real axis, huge and tiny values, and
  // odd lengths (the last node alone).
  std::vector<Complexe> w = {{0, 0},        {0, 0},           {1, 0},       {-1, 0},
                             {0, 1},        {0, -1},          {-0.0f, 0},   {-2, 1e-30f},
                             {-2, -1e-30f}, {3, 4},           {1e-38f, -1}, {1e19f, 1e19f},
                             {-5e18f, 7},   {1e-45f, 1e-45f}, {2.5f, -2.5f}};
  std::mt19937 gen(3);
  std::normal_distribution<float> d;
  for (int r = 0; r < 2000; ++r) w.push_back({d(gen), d(gen)});
  for (int32_t n : {static_cast<int32_t>(w.size()) - 1, 13, 1}) {
    std::vector<float> p(n + 1), a(n + 1), ph(n + 1);
    bool fini = VariablesNoeuds(w, n, p.data(), a.data(), ph.data());
    bool attendu = true;
    for (int32_t i = 1; i <= n; ++i) {
      float m = static_cast<float>(std::sqrt(static_cast<double>(w[i].Re) * w[i].Re +
                                             static_cast<double>(w[i].Im) * w[i].Im));
      float pw = static_cast<float>(static_cast<double>(m) * m);
      attendu &= std::fabs(pw) <= FLT_MAX;
      EXPECT_EQ(a[i], m) << i;
      EXPECT_EQ(p[i], pw) << i;
      EXPECT_EQ(ph[i], static_cast<float>(static_cast<double>(CPhase(w[i].Im, w[i].Re)) *
                                          kDegresParRadian))
          << i;
      // Just above the negative real axis the angle rounds to the program's
      // pi, 180 degrees.
      EXPECT_GE(ph[i], -180.0f) << i;
      EXPECT_LE(ph[i], 180.0f) << i;
    }
    EXPECT_EQ(fini, attendu) << n;
  }
}

}  // namespace

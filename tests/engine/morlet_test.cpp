#include "engine/morlet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/exp_negatif.h"

namespace {

TEST(ExpNegatif, FollowsExp) {
  // Over the whole normal range: 3e-16 relative.
  for (double e = 0.0; e > -708.0; e -= 0.01237) {
    const double ref = std::exp(e);
    EXPECT_NEAR(ExpNegatif(e), ref, 3e-16 * ref) << e;
  }
  EXPECT_EQ(ExpNegatif(0.0), 1.0);
  EXPECT_EQ(ExpNegatif(-709.0), 0.0);
  EXPECT_EQ(ExpNegatif(-1e30), 0.0);
}

using Demi = int32_t (*)(float, float, float, std::span<const float>, int32_t, double,
                         std::span<Complexe>);

// The code for this processor and the baseline code.
const Demi kVersions[] = {MorletDemi, MorletDemiBase};

TEST(MorletDemi, ValuesAndTheCutOffTail) {
  // Both lengths parities, the peak inside and outside the grid; groups of
  // four and tails of one to three values.
  for (const Demi demi : kVersions) {
    for (int32_t half : {2, 3, 6, 33, 1025}) {
      for (float scale : {0.01f, 0.5f, 40.0f}) {
        std::vector<float> k(half + 1);
        for (int32_t i = 1; i <= half; ++i) k[i] = 0.37f * (i - 1);
        const float norm = 2.5f, k0 = 6.0f;
        const double zero = -150.0 * std::log(2.0) - std::log(static_cast<double>(norm)) - 1.0;
        std::vector<Complexe> d(half + 1, Complexe{9, 9});
        const int32_t last = demi(norm, k0, scale, k, half, zero, d);
        for (int32_t i = 1; i <= half; ++i) {
          const double x = static_cast<float>(scale * k[i]);
          const double ref = norm * std::exp(static_cast<float>(-(x - k0) * (x - k0) / 2));
          if (i > last) {
            // Rightly left out, the value rounds to 0; written as 0 at most
            // up to the end of its group of four.
            EXPECT_EQ(static_cast<float>(ref), 0.0f) << half << " " << scale << " " << i;
            const Complexe attendu = i <= last + 4 && d[i].Re == 0.0f ? Complexe{} : Complexe{9, 9};
            EXPECT_EQ(d[i].Re, attendu.Re) << half << " " << scale << " " << i;
            EXPECT_EQ(d[i].Im, attendu.Im) << half << " " << scale << " " << i;
            continue;
          }
          // One Single ulp, subnormal results included.
          EXPECT_NEAR(d[i].Re, ref, 1.2e-7 * ref + 1.5e-45) << half << " " << scale << " " << i;
          EXPECT_EQ(d[i].Im, 0.0f);
          // Whatever the number of lanes, the bits of the formula's steps.
          const float xs = scale * k[i];
          const double ds = static_cast<double>(xs) - k0;
          const float es = static_cast<float>(-(ds * ds) * 0.5);
          EXPECT_EQ(d[i].Re, static_cast<float>(norm * ExpNegatif(es))) << half << " " << i;
        }
      }
    }
  }
}

TEST(MorletDemi, ExponentBeyondTheSingleRangeThrows) {
  std::vector<float> k = {0, 0, 1, 2, 3};
  std::vector<Complexe> d(5);
  for (const Demi demi : kVersions) {
    EXPECT_ANY_THROW(demi(1, 6, 1e20f, k, 4, -100, d));
    EXPECT_ANY_THROW(demi(1, 6, std::numeric_limits<float>::max(), k, 4, -100, d));
  }
}

}  // namespace

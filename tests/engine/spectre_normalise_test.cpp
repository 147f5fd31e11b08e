#include "engine/spectre_normalise.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "engine/complexes_et_divers.h"
#include "engine/run_error.h"

namespace {

// The element-by-element loop, as the transform wrote it first.
struct Reference {
  std::vector<Complexe> S;
  float min = -1, max = -1;
  bool echec = false;
};

Reference UnParUn(std::vector<Complexe> S, int32_t npad) {
  Reference r;
  try {
    for (int32_t k = 1; k <= npad; ++k) {
      S[k] = CDivReel(S[k], npad);
      const float m = CModule(S[k]);
      r.min = k == 1 ? m : Min(r.min, m);
      r.max = k == 1 ? m : Max(r.max, m);
    }
  } catch (const RunError&) {
    r.echec = true;
  }
  r.S = std::move(S);
  return r;
}

std::vector<Complexe> Aleatoire(int32_t npad, uint32_t graine) {
  std::mt19937 gen(graine);
  std::uniform_real_distribution<float> dist(-1e3f, 1e3f);
  std::vector<Complexe> S(static_cast<size_t>(npad) + 2, Complexe{});
  for (int32_t k = 1; k <= npad; ++k) S[k] = {dist(gen), dist(gen)};
  S[npad + 1] = {7, 7};  // past the end: never touched
  return S;
}

void ExpectSame(const std::vector<Complexe>& S, float min, float max, bool echec,
                const Reference& r, const char* cas) {
  EXPECT_EQ(echec, r.echec) << cas;
  EXPECT_EQ(min, r.min) << cas;
  EXPECT_EQ(max, r.max) << cas;
  for (size_t k = 0; k < S.size(); ++k) {
    if (std::isnan(r.S[k].Re)) {
      EXPECT_TRUE(std::isnan(S[k].Re)) << cas << " " << k;
      continue;
    }
    ASSERT_EQ(S[k].Re, r.S[k].Re) << cas << " " << k;
    ASSERT_EQ(S[k].Im, r.S[k].Im) << cas << " " << k;
  }
}

// Lengths below, at and across the block size, values of every sign, a
// spectrum of zeros and one whose extremes sit in the scalar tail.
TEST(NormaliseSpectre, SameValuesAsTheElementByElementLoop) {
  for (int32_t npad : {1, 2, 6, 255, 256, 257, 1000, 1024, 65536}) {
    std::vector<Complexe> S = Aleatoire(npad, static_cast<uint32_t>(npad));
    if (npad > 300) {
      S[npad] = {5e3f, 0};
      S[npad - 1] = {0, 0};
    }
    const Reference r = UnParUn(S, npad);
    float min = -1, max = -1;
    NormaliseSpectre(S, npad, min, max);
    ExpectSame(S, min, max, false, r, "random");
  }
  std::vector<Complexe> zeros(1026, Complexe{});
  const Reference r = UnParUn(zeros, 1024);
  float min = -1, max = -1;
  NormaliseSpectre(zeros, 1024, min, max);
  ExpectSame(zeros, min, max, false, r, "zeros");
}

// A value that is not finite stops the loop at that element, whichever
// block it falls in: what was written before it is kept.
TEST(NormaliseSpectre, ValueBeyondTheRangeFailsAtTheSameElement) {
  const float inf = std::numeric_limits<float>::infinity();
  for (const int32_t position : {1, 2, 256, 300, 511, 1024}) {
    for (const Complexe mauvais :
         {Complexe{inf, 0}, Complexe{0, -inf}, Complexe{std::nanf(""), 0}}) {
      std::vector<Complexe> S = Aleatoire(1024, 3);
      S[position] = mauvais;
      const Reference r = UnParUn(S, 1024);
      float min = -1, max = -1;
      bool echec = false;
      try {
        NormaliseSpectre(S, 1024, min, max);
      } catch (const RunError& e) {
        echec = e.kind() == RunErrorKind::Overflow;
      }
      ExpectSame(S, min, max, echec, r, "failure");
    }
  }
}

}  // namespace

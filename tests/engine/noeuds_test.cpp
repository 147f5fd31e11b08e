#include "engine/noeuds.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/complexes_et_divers.h"
#include "engine/noeuds_noyaux.h"

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

constexpr float kSentinelle = -7.0f;

// An output row [0..n] placed `decalage` floats after a 64-byte boundary,
// with sentinels around it.
class Ligne {
 public:
  Ligne(int32_t n, int decalage) : stock_(static_cast<size_t>(n) + 1 + 64, kSentinelle) {
    const auto adresse = reinterpret_cast<uintptr_t>(stock_.data());
    const size_t debut = ((64 - adresse % 64) % 64) / sizeof(float);
    row_ = stock_.data() + debut + decalage;
  }
  float* row() { return row_; }
  // Nothing written before node 1 or after node n.
  bool Bornee(int32_t n) const {
    for (const float* p = stock_.data(); p < row_ + 1; ++p)
      if (*p != kSentinelle) return false;
    for (const float* p = row_ + n + 1; p < stock_.data() + stock_.size(); ++p)
      if (*p != kSentinelle) return false;
    return true;
  }

 private:
  std::vector<float> stock_;
  float* row_;
};

uint32_t Bits(float v) {
  return std::bit_cast<uint32_t>(v);
}

// Axes, the origin, signed zeros, every reduction range of the arctangent in
// each quadrant, huge and tiny values, powers just inside and beyond the
// Single range, then random values.
std::vector<Complexe> Coefficients() {
  std::vector<Complexe> w = {{0, 0},         {0, 0},           {1, 0},           {-1, 0},
                             {0, 1},         {0, -1},          {-0.0f, 0},       {0, -0.0f},
                             {-0.0f, -0.0f}, {-2, 1e-30f},     {-2, -1e-30f},    {3, 4},
                             {1, 3},         {-1, 3},          {-1, -3},         {1, -3},
                             {1, 0.5f},      {-1, 0.5f},       {1e-38f, -1},     {1e19f, 1e19f},
                             {-5e18f, 7},    {1e-45f, 1e-45f}, {2.5f, -2.5f},    {1.8e19f, 0},
                             {0, -1.9e19f},  {3e38f, 3e38f},   {-1, 2.4142135f}, {1, 0.66f}};
  std::mt19937 gen(3);
  std::normal_distribution<float> d;
  for (int r = 0; r < 2000; ++r) w.push_back({d(gen), d(gen)});
  return w;
}

class NoyauxNoeudsTest : public testing::TestWithParam<NoyauNoeuds> {};

TEST_P(NoyauxNoeudsTest, SameBitsAsTheSingleNodeFunctions) {
  const NoyauNoeuds& noyau = GetParam();
  const std::vector<Complexe> w = Coefficients();
  struct Decalages {
    int puissance, amplitude, phase;
  };
  // Rows aligned to every kernel's vector, all off by the same amount (the
  // first nodes alone), and off by different amounts (no direct stores).
  const Decalages decalages[] = {{7, 7, 7}, {0, 0, 0}, {1, 1, 1}, {3, 5, 2}, {7, 0, 4}};
  for (int32_t n : {static_cast<int32_t>(w.size()) - 1, 1, 8, 13, 17, 31}) {
    for (const Decalages& d : decalages) {
      SCOPED_TRACE(testing::Message() << "n=" << n << " offsets " << d.puissance << ","
                                      << d.amplitude << "," << d.phase);
      Ligne p(n, d.puissance), a(n, d.amplitude), ph(n, d.phase);
      const bool fini = VariablesNoeuds(noyau, w, n, p.row(), a.row(), ph.row());
      bool attendu = true;
      for (int32_t i = 1; i <= n; ++i) {
        const float m = static_cast<float>(std::sqrt(static_cast<double>(w[i].Re) * w[i].Re +
                                                     static_cast<double>(w[i].Im) * w[i].Im));
        const float pw = static_cast<float>(static_cast<double>(m) * m);
        const float deg =
            static_cast<float>(static_cast<double>(CPhase(w[i].Im, w[i].Re)) * kDegresParRadian);
        attendu &= std::fabs(pw) <= FLT_MAX;
        EXPECT_EQ(Bits(a.row()[i]), Bits(m)) << i;
        EXPECT_EQ(Bits(p.row()[i]), Bits(pw)) << i;
        EXPECT_EQ(Bits(ph.row()[i]), Bits(deg)) << i;
        // Just above the negative real axis the angle rounds to the
        // program's pi, 180 degrees.
        EXPECT_GE(ph.row()[i], -180.0f) << i;
        EXPECT_LE(ph.row()[i], 180.0f) << i;
      }
      EXPECT_EQ(fini, attendu);
      EXPECT_TRUE(p.Bornee(n));
      EXPECT_TRUE(a.Bornee(n));
      EXPECT_TRUE(ph.Bornee(n));
    }
  }
}

TEST_P(NoyauxNoeudsTest, PowerBeyondTheSingleRangeInAnyLane) {
  // One node whose power overflows, in turn at each position: in the first
  // nodes taken alone, in each lane of a block, in the last nodes.
  const NoyauNoeuds& noyau = GetParam();
  const int32_t n = 21;
  for (int32_t k = 1; k <= n; ++k) {
    std::vector<Complexe> w(n + 1, Complexe{0.5f, -0.25f});
    w[k] = {1.9e19f, 0};
    Ligne p(n, 3), a(n, 3), ph(n, 3);
    EXPECT_FALSE(VariablesNoeuds(noyau, w, n, p.row(), a.row(), ph.row())) << k;
    EXPECT_EQ(p.row()[k], INFINITY) << k;
    w[k] = {1.8e19f, 0};
    EXPECT_TRUE(VariablesNoeuds(noyau, w, n, p.row(), a.row(), ph.row())) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Disponibles, NoyauxNoeudsTest,
                         testing::ValuesIn(NoyauxNoeuds().begin(), NoyauxNoeuds().end()),
                         [](const testing::TestParamInfo<NoyauNoeuds>& info) {
                           return std::string(info.param.nom);
                         });

}  // namespace

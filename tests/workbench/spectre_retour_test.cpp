#include "workbench/spectre_retour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <string_view>
#include <vector>

#include "workbench/coupure.h"
#include "workbench/spectre.h"
#include "workbench/spectre_dessin.h"

namespace {

// A surface that draws nothing: these tests look at the numbers.
class SurfaceMuette : public Surface {
 public:
  void SetScale(double, double, double, double) override {}
  WorldScale Scale() const override { return {}; }
  void Clear() override {}
  void SetForeColor(Couleur) override {}
  Couleur ForeColor() const override { return 0; }
  void SetDrawWidth(int) override {}
  void SetDrawStyle(LineStyle) override {}
  void SetDrawMode(DrawMode) override {}
  void Line(double, double, double, double) override {}
  void LineTo(double, double) override {}
  void PSet(double, double) override {}
  void Box(double, double, double, double) override {}
  void FilledBox(double, double, double, double, Couleur) override {}
  void SetFont(double, bool) override {}
  void SetTextPosition(double, double) override {}
  void Print(std::string_view) override {}
  double TextWidth(std::string_view) const override { return 0.0; }
  double TextHeight(std::string_view) const override { return 0.0; }
};

WorkbenchState EtatSpectre(const std::vector<double>& valeurs, float dt = 0.001f) {
  WorkbenchState etat;
  etat.SignalLu.assign(1, 0.0f);
  for (double v : valeurs) etat.SignalLu.push_back(static_cast<float>(v));
  etat.Nreel = static_cast<int32_t>(valeurs.size());
  etat.I1 = 1;
  etat.I2 = etat.Nreel;
  SurfaceMuette s;
  EXPECT_EQ(Fourrier(etat, dt, s).issue, IssueSpectre::Trace);
  return etat;
}

std::vector<double> Aleatoire(int n, unsigned graine) {
  std::mt19937 alea(graine);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::vector<double> v(n);
  for (double& x : v) x = 5.0 + u(alea);
  return v;
}

TEST(BackFft, WithOneGivesTheMeanRemovedSelectionBack) {
  for (int l : {3, 1000, 1024}) {
    const std::vector<double> v = Aleatoire(l, 17 + l);
    WorkbenchState etat = EtatSpectre(v);
    double m = 0.0;
    for (int i = 1; i <= l; ++i) m += etat.SignalSecond[i];
    m /= l;
    const int32_t nfft = etat.NFFT;
    BackFft(etat, 1.0);
    EXPECT_EQ(etat.NFFT, nfft);
    ASSERT_EQ(etat.NSecond, l);
    ASSERT_EQ(etat.SignalSecond.size(), static_cast<size_t>(l) + 1);
    float mini = etat.SignalSecond[1], maxi = mini;
    for (int i = 1; i <= l; ++i) {
      EXPECT_NEAR(etat.SignalSecond[i], static_cast<float>(v[i - 1]) - m, 2e-5) << i;
      mini = std::min(mini, etat.SignalSecond[i]);
      maxi = std::max(maxi, etat.SignalSecond[i]);
    }
    EXPECT_EQ(etat.SecondMin, mini);
    EXPECT_EQ(etat.SecondMax, maxi);
    EXPECT_EQ(etat.Spectre.size(), 1u) << "the spectrum is released";
  }
}

// Two tones that the 1024-point transform holds exactly: sin(2 pi k (n + 1)
// / 1024) over n = 0..1022 is a whole period whose missing last sample, the
// zero of the padding, is 0 anyway, and its mean is 0. Cutting the band of
// the 100-cycle tone must remove it completely, its negative-frequency half
// included, and leave the other tone as it was.
TEST(BackFft, ACutBandRemovesItsToneCompletely) {
  const int n = 1023, nfft = 1024, k1 = 100, k2 = 20;
  std::vector<double> v(n), reste(n);
  for (int i = 0; i < n; ++i) {
    reste[i] = 0.5 * std::sin(2.0 * M_PI * k2 * (i + 1) / nfft);
    v[i] = std::sin(2.0 * M_PI * k1 * (i + 1) / nfft) + reste[i];
  }
  WorkbenchState etat = EtatSpectre(v);
  ASSERT_EQ(etat.NFFT, nfft);
  const float x = AbscisseSpectre(k1 + 1, 0.001f, nfft);
  CoupeBande(etat.Spectre, nfft, 0.001f, x - 0.001f, x + 0.001f);
  BackFft(etat, 1.0);
  ASSERT_EQ(etat.NSecond, n);
  for (int i = 1; i <= n; ++i) EXPECT_NEAR(etat.SignalSecond[i], reste[i - 1], 1e-5) << i;
}

// The reduced back transform against a direct inverse DFT, in double, of
// the first NFFT / d elements of the cut spectrum.
TEST(BackFft, ReducesTheLengthByTheDivisorRoundedHalvesToEven) {
  const struct {
    int l;
    double d;
    int32_t nfft;     // NFFT / d rounded
    int32_t nsecond;  // L / d rounded
  } cas[] = {
      {1000, 2.0, 512, 500},   {1000, 3.0, 341, 333}, {1000, 2.5, 410, 400},
      {1000, 1.05, 975, 952},  {1000, 409.6, 2, 2},   {1000, 2048.0, 0, 0},
      {1000, 0.5, 1024, 1000}, {10, 1.05, 15, 10},  // all 10 from the transform
      {1000, 4096.0, 0, 0},
  };
  for (const auto& c : cas) {
    WorkbenchState etat = EtatSpectre(Aleatoire(c.l, 5));
    CoupeBande(etat.Spectre, etat.NFFT, 0.001f, 6.0f, 7.0f);
    const std::vector<Complexe> coupe = etat.Spectre;
    BackFft(etat, c.d);
    EXPECT_EQ(etat.NFFT, c.nfft) << c.d;
    ASSERT_EQ(etat.NSecond, c.nsecond) << c.d;
    ASSERT_EQ(etat.SignalSecond.size(), static_cast<size_t>(c.nsecond) + 1) << c.d;
    for (int i = 1; i <= c.nsecond; ++i) {
      std::complex<double> s = 0.0;
      for (int k = 1; k <= c.nfft; ++k) {
        s += std::complex<double>(coupe[k].Re, coupe[k].Im) *
             std::polar(1.0, 2.0 * M_PI * (k - 1) * (i - 1) / c.nfft);
      }
      ASSERT_NEAR(etat.SignalSecond[i], s.real(), 1e-5) << "d " << c.d << " i " << i;
    }
    EXPECT_EQ(etat.Spectre.size(), 1u);
  }
}

}  // namespace

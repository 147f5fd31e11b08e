#include "workbench/spectre.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <string_view>
#include <vector>

#include "engine/run_error.h"
#include "workbench/spectre_dessin.h"

namespace {

// A surface that records what is drawn on it, in order.
class SurfaceEnregistree : public Surface {
 public:
  struct Trait {
    bool point;  // PSet rather than LineTo
    double x;
    double y;
    Couleur couleur;
  };

  void SetScale(double left, double top, double width, double height) override {
    scale_.left = left;
    scale_.top = top;
    scale_.width = width;
    scale_.height = height;
  }
  WorldScale Scale() const override { return scale_; }
  void Clear() override {
    ++effacements;
    traits.clear();
  }
  void SetForeColor(Couleur c) override { couleur_ = c; }
  Couleur ForeColor() const override { return couleur_; }
  void SetDrawWidth(int) override {}
  void SetDrawStyle(LineStyle) override {}
  void SetDrawMode(DrawMode mode) override { mode_ = mode; }
  void Line(double, double, double x2, double y2) override {
    traits.push_back({false, x2, y2, couleur_});
  }
  void LineTo(double x, double y) override { traits.push_back({false, x, y, couleur_}); }
  void PSet(double x, double y) override { traits.push_back({true, x, y, couleur_}); }
  void Box(double, double, double, double) override {}
  void FilledBox(double, double, double, double, Couleur) override {}
  void SetFont(double, bool) override {}
  void SetTextPosition(double, double) override {}
  void Print(std::string_view) override {}
  double TextWidth(std::string_view) const override { return 0.0; }
  double TextHeight(std::string_view) const override { return 0.0; }

  DrawMode mode() const { return mode_; }

  std::vector<Trait> traits;
  int effacements = 0;

 private:
  WorldScale scale_;
  Couleur couleur_ = RGB(0, 0, 0);
  DrawMode mode_ = DrawMode::Invert;
};

// A state whose whole signal is selected.
WorkbenchState EtatAvecSignal(const std::vector<float>& valeurs) {
  WorkbenchState etat;
  etat.SignalLu.assign(1, 0.0f);
  etat.SignalLu.insert(etat.SignalLu.end(), valeurs.begin(), valeurs.end());
  etat.Nreel = static_cast<int32_t>(valeurs.size());
  etat.I1 = 1;
  etat.I2 = etat.Nreel;
  return etat;
}

std::vector<float> Aleatoire(int n, unsigned graine) {
  std::mt19937 alea(graine);
  std::uniform_real_distribution<float> u(-1.0f, 3.0f);
  std::vector<float> v(n);
  for (float& x : v) x = u(alea);
  return v;
}

TEST(LongueurFFT, IsTheSmallestPowerOfTwoStrictlyAbove) {
  const struct {
    int64_t l;
    int32_t nfft;
  } cas[] = {{0, 1},       {1, 2},       {2, 4},         {3, 4},          {1000, 1024},
             {1023, 1024}, {1024, 2048}, {65535, 65536}, {65536, 131072}, {(1 << 30) - 1, 1 << 30}};
  for (const auto& c : cas) EXPECT_EQ(LongueurFFT(c.l), c.nfft) << c.l;
  try {
    LongueurFFT(int64_t{1} << 30);
    FAIL() << "2^31 does not fit a Long";
  } catch (const RunError& e) {
    EXPECT_EQ(e.kind(), RunErrorKind::Overflow);
  }
}

// Spectre(k + 1) = 1/NFFT sum_i (x(i) - m) exp(-2 pi i k (i - 1) / NFFT), in
// double, over the zero-padded signal.
TEST(CalculeSpectre, MatchesADirectTransformOfTheMeanRemovedPaddedSignal) {
  for (int l : {1, 5, 37, 64, 100}) {
    WorkbenchState etat = EtatAvecSignal(Aleatoire(l, 11 + l));
    etat.SignalSecond = etat.SignalLu;
    etat.NSecond = l;
    CalculeSpectre(etat);
    const int nfft = LongueurFFT(l);
    ASSERT_EQ(etat.NFFT, nfft);
    ASSERT_EQ(etat.Spectre.size(), static_cast<size_t>(nfft) + 1);
    double m = 0.0;
    for (int i = 1; i <= l; ++i) m += etat.SignalSecond[i];
    m /= l;
    double mini = std::numeric_limits<double>::max(), maxi = 0.0;
    for (int k = 0; k < nfft; ++k) {
      std::complex<double> s = 0.0;
      for (int i = 1; i <= l; ++i) {
        s += (etat.SignalSecond[i] - m) * std::polar(1.0, -2.0 * M_PI * k * (i - 1) / nfft);
      }
      s /= nfft;
      EXPECT_NEAR(etat.Spectre[k + 1].Re, s.real(), 2e-6) << "l " << l << " k " << k;
      EXPECT_NEAR(etat.Spectre[k + 1].Im, s.imag(), 2e-6) << "l " << l << " k " << k;
      mini = std::min(mini, std::abs(s));
      maxi = std::max(maxi, std::abs(s));
    }
    EXPECT_NEAR(etat.SpectreMin, mini, 2e-6) << l;
    EXPECT_NEAR(etat.SpectreMax, maxi, 2e-6) << l;
  }
}

TEST(Fourrier, TakesTheFullRateSelectionAndPadsItToThePowerOfTwoAbove) {
  const struct {
    int l;
    int32_t nfft;
  } cas[] = {{1000, 1024}, {1024, 2048}};
  for (const auto& c : cas) {
    std::vector<float> v = Aleatoire(c.l + 30, 3);
    WorkbenchState etat = EtatAvecSignal(v);
    etat.I1 = 11;
    etat.I2 = 10 + c.l;
    etat.Moyenne = true;  // averages of one sample are the samples
    SurfaceEnregistree s;
    const ResultatSpectre r = Fourrier(etat, 0.001f, s);
    EXPECT_EQ(r.issue, IssueSpectre::Trace);
    EXPECT_EQ(etat.NSecond, c.l);
    for (int i = 1; i <= c.l; ++i) ASSERT_EQ(etat.SignalSecond[i], v[10 + i - 1]) << i;
    EXPECT_EQ(etat.NFFT, c.nfft);
    EXPECT_EQ(s.traits.size(), static_cast<size_t>(c.nfft / 2)) << "one point per plotted element";
  }
}

// A sine of frequency k / (Dt NFFT) peaks in Spectre(k + 1), drawn at
// log2((k + 1) / (Dt NFFT)); the picture spans the powers of two around the
// frequency step (0.977 Hz -> 2^-1) and the sampling rate (1000 Hz -> 2^10).
TEST(DessineFFT, DrawsEachPlottedElementAtItsLogFrequencyInBlue) {
  const int l = 1000, k = 50;
  const float dt = 0.001f;
  std::vector<float> v(l);
  for (int i = 0; i < l; ++i) v[i] = static_cast<float>(2.0 + std::sin(2.0 * M_PI * k * i / 1024));
  WorkbenchState etat = EtatAvecSignal(v);
  SurfaceEnregistree s;
  const ResultatSpectre r = Fourrier(etat, dt, s);
  ASSERT_EQ(r.issue, IssueSpectre::Trace);
  EXPECT_EQ(etat.Dt, dt);
  EXPECT_EQ(r.axes.XMin, -1.0f);
  EXPECT_EQ(r.axes.XMax, 10.0f);
  EXPECT_EQ(r.axes.YMin, etat.SpectreMin);
  EXPECT_EQ(r.axes.YMax, etat.SpectreMax);
  EXPECT_EQ(r.axes.DY, etat.SpectreMax - etat.SpectreMin);
  const WorldScale sc = s.Scale();
  EXPECT_EQ(sc.left, -1.0);
  EXPECT_EQ(sc.width, 11.0);
  EXPECT_EQ(sc.top, etat.SpectreMax);
  EXPECT_EQ(sc.height, static_cast<double>(etat.SpectreMin - etat.SpectreMax));
  EXPECT_EQ(s.mode(), DrawMode::Copy);
  EXPECT_EQ(s.effacements, 1);

  ASSERT_EQ(s.traits.size(), 512u);
  size_t pic = 0;
  for (size_t j = 1; j <= s.traits.size(); ++j) {
    const auto& t = s.traits[j - 1];
    EXPECT_EQ(t.point, j == 1) << j;
    EXPECT_EQ(t.couleur, RGB(0, 0, 255));
    EXPECT_NEAR(t.x, std::log2(j / (dt * 1024.0)), 1e-6) << j;
    EXPECT_FLOAT_EQ(t.y, std::hypot(etat.Spectre[j].Re, etat.Spectre[j].Im)) << j;
    if (t.y > s.traits[pic].y) pic = j - 1;
  }
  EXPECT_EQ(pic + 1, static_cast<size_t>(k + 1));
  // Only the plotted half sets the extent: the mean term is near zero.
  EXPECT_LT(etat.SpectreMin, 1e-6f);
  EXPECT_NEAR(etat.SpectreMax, 0.5 * l / 1024, 0.02);
}

TEST(DessineFFT, AFlatSpectrumDrawsNothingAndAsksForReset) {
  for (int l : {1, 3, 500}) {
    WorkbenchState etat = EtatAvecSignal(std::vector<float>(l, 4.25f));
    SurfaceEnregistree s;
    const ResultatSpectre r = Fourrier(etat, 0.5f, s);
    EXPECT_EQ(r.issue, IssueSpectre::Plat) << l;
    EXPECT_EQ(s.effacements, 0) << l;
    EXPECT_TRUE(s.traits.empty()) << l;
    EXPECT_EQ(etat.SpectreMin, etat.SpectreMax) << l;
    EXPECT_EQ(r.axes.YMin, r.axes.YMax) << l;
  }
}

TEST(DessineFFT, RefusesAnIntervalThatIsNotAPositiveNumberAndChangesNothing) {
  const float dts[] = {0.0f, -0.0f, -0.001f, std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity()};
  for (float dt : dts) {
    WorkbenchState etat = EtatAvecSignal(Aleatoire(100, 5));
    SurfaceEnregistree s;
    const ResultatSpectre r = Fourrier(etat, dt, s);
    EXPECT_EQ(r.issue, IssueSpectre::Refuse) << dt;
    EXPECT_EQ(r.message, MessageDtIncorrect()) << dt;
    EXPECT_EQ(etat.NFFT, 0) << dt;
    EXPECT_EQ(etat.NSecond, 0) << dt;
    EXPECT_EQ(etat.Dt, 0.0f) << dt;

    etat.Dt = 0.25f;
    ASSERT_EQ(Fourrier(etat, 0.25f, s).issue, IssueSpectre::Trace);
    const std::vector<Complexe> avant = etat.Spectre;
    const float mini = etat.SpectreMin, maxi = etat.SpectreMax;
    s.traits.clear();
    EXPECT_EQ(DessineFFT(s, etat, dt).issue, IssueSpectre::Refuse) << dt;
    EXPECT_TRUE(s.traits.empty()) << dt;
    EXPECT_EQ(etat.Dt, 0.25f) << dt;
    EXPECT_EQ(etat.SpectreMin, mini) << dt;
    EXPECT_EQ(etat.SpectreMax, maxi) << dt;
    ASSERT_EQ(etat.Spectre.size(), avant.size());
  }
}

TEST(DessineFFT, RefusesASpectrumShorterThanNFFT) {
  WorkbenchState etat;
  etat.NFFT = 1024;
  etat.Spectre.assign(513, Complexe{1.0f, 0.0f});
  SurfaceEnregistree s;
  EXPECT_THROW(DessineFFT(s, etat, 0.001f), RunError);
}

}  // namespace

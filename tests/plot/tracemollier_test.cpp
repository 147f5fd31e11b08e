#include "plot/tracemollier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "grids.h"
#include "plot/axis_ticks.h"
#include "plot/declarations.h"
#include "plot/traceiso.h"
#include "surface_double.h"

namespace {

ColourScale Echelle() {
  ColourScale s;
  for (int k = 1; k <= kNiveauxMax; ++k) s.Vert[k] = static_cast<int16_t>(k);
  s.NbCouleurs = 100;
  return s;
}

class Redraw : public testing::Test {
 protected:
  void SetUp() override { ChargeGrille(m, GrilleAnalyse(40, 8), NomsAnalyse()); }
  void Trace() { Tracemollier(m, scale, curves, plot, &legend); }
  const SurfaceDouble::Texte* Texte(const std::string& text) const {
    for (const auto& t : plot.texts) {
      if (t.text == text) return &t;
    }
    return nullptr;
  }

  PlotModel m;
  ColourScale scale = Echelle();
  CurveInputs curves;
  SurfaceDouble plot{600, 400, false};
  SurfaceDouble legend{60, 200};
};

TEST_F(Redraw, WorldWindowLegendPlaceAndDrawingOrder) {
  plot.FilledBox(0, 0, 1, 1, RGB(1, 1, 1));
  Trace();
  EXPECT_EQ(plot.clears, 1);
  const WorldScale w = plot.Scale();
  EXPECT_DOUBLE_EQ(w.left, m.XMin - 0.25 * m.DX);
  EXPECT_DOUBLE_EQ(w.top, m.YMax + 0.1 * m.DY);
  EXPECT_DOUBLE_EQ(w.width, 1.35 * m.DX);
  EXPECT_DOUBLE_EQ(w.height, -1.35 * m.DY);
  EXPECT_EQ(m.DX, 19.5f);
  EXPECT_EQ(m.DY, 2);
  EXPECT_FLOAT_EQ(m.LegendeTop, m.YMax - 0.05f * m.DY);
  EXPECT_FLOAT_EQ(m.LegendeLeft, m.XMin + 0.05f * m.DX);

  // Frame, map, frame again, then the curve labels.
  const std::string& j = plot.journal;
  const size_t firstFrame = j.find('B'), firstCell = j.find('F'), lastCell = j.rfind('F');
  const size_t secondFrame = j.rfind('B');
  ASSERT_NE(firstCell, std::string::npos);
  EXPECT_LT(firstFrame, firstCell);
  EXPECT_GT(secondFrame, lastCell);
  EXPECT_EQ(plot.frames.size(), 2u);
  EXPECT_EQ(plot.boxes.size(), 39u * 7u);
  EXPECT_EQ(legend.boxes.size(), 20u);
  ASSERT_NE(Texte("Signal"), nullptr);
  ASSERT_NE(Texte("Fft"), nullptr);
  EXPECT_GT(Texte("Fft") - plot.texts.data(), Texte("Signal") - plot.texts.data());
  EXPECT_TRUE(Texte("Signal")->bold);
  EXPECT_EQ(Texte("Signal")->points, 8);
  EXPECT_EQ(Texte("Fft")->colour, RGB(0, 0, 255));
  EXPECT_EQ(plot.ForeColor(), RGB(0, 0, 255));
}

TEST_F(Redraw, OneNodeGridWidensTheLinearAxisByTen) {
  Grille g(6, 1, 1);
  for (int k = 1; k <= 6; ++k) g(k, 1, 1) = 3.0f * k;
  ChargeGrille(m, g, NomsAnalyse());
  Trace();
  EXPECT_EQ(m.XMin, 3);
  EXPECT_EQ(m.XMax, 13);
  EXPECT_FLOAT_EQ(m.XMajor, 0.1f);
  EXPECT_EQ(m.YMin, 2);  // 6 lies between 2^2 and 2^3
  EXPECT_EQ(m.YMax, 3);
  EXPECT_TRUE(plot.boxes.empty());
  EXPECT_EQ(legend.boxes.size(), 20u);
}

TEST_F(Redraw, WithoutColourMapTheNetworkNamesAreListedInTheirColours) {
  m.VarCouleur = 0;
  m.NbReseaux = 2;
  m.NomReseau[1] = "Puissance";
  m.NomReseau[2] = "Phase";
  m.ReseauVar[2] = 6;
  m.ReseauMin[2] = -90;
  Trace();
  EXPECT_TRUE(plot.boxes.empty());
  EXPECT_TRUE(legend.boxes.empty());
  const auto* first = Texte("Puissance");
  const auto* second = Texte("Phase");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first->colour, RGB(255, 0, 0));
  EXPECT_EQ(second->colour, RGB(0, 255, 0));
  EXPECT_DOUBLE_EQ(first->x, m.XMin + m.DX / 30.0);
  EXPECT_DOUBLE_EQ(second->y, m.YMax - 2 * m.DY / 20.0);
  EXPECT_TRUE(first->bold);
  EXPECT_EQ(first->points, 8);
  EXPECT_FALSE(second->bold);
  EXPECT_EQ(second->points, 3);
  EXPECT_EQ(m.IsoReseau, 2);
  EXPECT_EQ(m.IsoVar, 6);
  EXPECT_EQ(m.IsoMin, -90);
  EXPECT_EQ(m.TitreReseau, "Réseau(x) d'iso-niveaux");
}

TEST_F(Redraw, WithoutColourMapEachNetworkIsTracedAfterItsName) {
  m.VarCouleur = 0;
  m.NbReseaux = 1;
  m.NomReseau[1] = "Puissance";
  m.ReseauVar[1] = 4;
  m.ReseauProgression[1] = 3;
  m.NbValeursTable[1] = 1;
  m.TableNiveaux[1][1] = (m.VarMin[4] + m.VarMax[4]) / 2;
  Trace();
  const std::vector<TraitIso> traits = TraitsIso(m);
  ASSERT_FALSE(traits.empty());
  std::vector<SurfaceDouble::Trait> rouges;
  for (const auto& l : plot.lines) {
    if (l.colour == RGB(255, 0, 0)) rouges.push_back(l);
  }
  ASSERT_EQ(rouges.size(), traits.size());
  for (size_t k = 0; k < traits.size(); ++k) {
    EXPECT_EQ(rouges[k].width, 2);
    EXPECT_DOUBLE_EQ(rouges[k].x1, LogBase(m.XBase, traits[k].x1)) << k;
    EXPECT_DOUBLE_EQ(rouges[k].y2, LogBase(m.YBase, traits[k].y2)) << k;
  }
}

TEST_F(Redraw, InconsistentAxesNeverHangOrCrash) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* name;
    float xmin, xmax, xmajor, xtic;
  };
  const Case cases[] = {
      {"min above max", 20, 1, 0.4f, 5},  {"zero spacing", 1, 20, 0, 5},
      {"negative spacing", 1, 20, -1, 5}, {"zero ticks per label", 1, 20, 0.4f, 0},
      {"NaN end", 1, nan, 0.4f, 5},       {"tiny spacing", 1, 20, 1e-9f, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m.XMin = c.xmin;
    m.XMax = c.xmax;
    m.XMajor = c.xmajor;
    m.XTic = c.xtic;
    Trace();
    EXPECT_LE(plot.lines.size(), 2u * (3u * kTicsMax + 64u));
  }
  m.XMax = nan;
  Trace();
  EXPECT_TRUE(plot.journal.empty());
}

TEST_F(Redraw, SignalStripFollowsTheVisibleTimesAndAConstantSignalRunsAlongItsMiddle) {
  std::vector<float> signal(41);
  for (int n = 1; n <= 40; ++n) signal[n] = static_cast<float>(n % 4);
  curves.Signal = signal;
  curves.Nmax = 40;
  curves.Dt = 0.5f;
  curves.SignalMin = 0;
  curves.SignalMax = 3;
  m.XMin = 5;  // a zoom on X: times 5..10
  m.XMax = 10;
  Trace();
  ASSERT_EQ(plot.points.size(), 1u);
  EXPECT_EQ(plot.points[0].x1, 5);
  const double dy = m.DY;
  EXPECT_DOUBLE_EQ(plot.points[0].y1, (10 % 4) / 3.0 * (dy / 10) + (m.YMin - 0.2 * dy));
  // Samples 10..20 joined: 10 lines after the first point, ending at t = 10.
  int signalLines = 0;
  for (const auto& l : plot.lines) signalLines += l.y2 < m.YMin - 0.05 * dy && l.x1 != l.x2;
  EXPECT_EQ(signalLines, 10);

  curves.SignalMin = curves.SignalMax = 2;
  std::fill(signal.begin(), signal.end(), 2.0f);
  Trace();
  ASSERT_EQ(plot.points.size(), 1u);
  EXPECT_DOUBLE_EQ(plot.points[0].y1, m.YMin - 0.15 * dy);

  curves.Nmax = 1000;  // more than the array holds
  Trace();
  EXPECT_EQ(plot.points.size(), 1u);
}

TEST_F(Redraw, SpectrumBinsAtTheLogarithmOfTheirFrequency) {
  // Dt 1, NFFT 256: bin m at m / 256 Hz; the Y axis shows 2^-7 .. 2^-5.
  std::vector<Complexe> spectre(257);
  for (int k = 1; k <= 256; ++k) spectre[k] = {static_cast<float>(k), 0.0f};
  curves.Spectre = spectre;
  curves.NFFT = 256;
  curves.Dt = 1;
  curves.SpectreMin = 0;
  curves.SpectreMax = 256;
  Trace();
  // Bins 2..8 (1/128 .. 1/32).
  ASSERT_EQ(plot.points.size(), 1u);
  EXPECT_FLOAT_EQ(static_cast<float>(plot.points[0].y1), -7.0f);
  EXPECT_DOUBLE_EQ(plot.points[0].x1, 2.0 * (m.DX / 10.0) / 256 + (m.XMin - 0.22 * m.DX));
  int blue = 0;
  for (const auto& l : plot.lines) blue += l.colour == RGB(0, 0, 255);
  EXPECT_EQ(blue, 6);

  curves.NFFT = 1;
  Trace();
  EXPECT_TRUE(plot.points.empty());
  EXPECT_NE(Texte("Fft"), nullptr);

  curves.NFFT = 256;
  curves.Dt = 0;  // no sampling interval: no frequency to place a bin at
  Trace();
  EXPECT_TRUE(plot.points.empty());

  curves.Dt = 1;
  curves.SpectreMin = curves.SpectreMax = 5;
  Trace();
  ASSERT_EQ(plot.points.size(), 1u);
  EXPECT_DOUBLE_EQ(plot.points[0].x1, m.XMin - 0.17 * m.DX);
}

}  // namespace

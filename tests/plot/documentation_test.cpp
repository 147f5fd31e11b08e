#include "plot/documentation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grids.h"
#include "surface_double.h"

namespace {

TEST(NiveauLegende, TwentyBoxesFromTheFirstToTheLastLevel) {
  std::vector<int> levels;
  for (int k = 1; k <= 20; ++k) levels.push_back(NiveauLegende(k, 100));
  EXPECT_EQ(levels, (std::vector<int>{1,  6,  11, 17, 22, 27, 32, 37, 43, 48,
                                      53, 58, 64, 69, 74, 79, 84, 90, 95, 100}));
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(NiveauLegende(k, 2), 1) << k;
  for (int k = 11; k <= 20; ++k) EXPECT_EQ(NiveauLegende(k, 2), 2) << k;
  for (int k = 1; k <= 20; ++k) {
    EXPECT_EQ(NiveauLegende(k, 0), 1);
    EXPECT_LE(NiveauLegende(k, 500), kNiveauxMax);
  }
}

TEST(Slegende, BoxesAndValuesFromBottomToTop) {
  PlotModel m;
  ChargeGrille(m, GrilleAnalyse(20, 4), NomsAnalyse());
  m.VarCouleur = 1;  // time, 0.5 .. 10
  ColourScale scale;
  for (int k = 1; k <= kNiveauxMax; ++k) scale.Rouge[k] = static_cast<int16_t>(k);
  scale.NbCouleurs = 100;
  SurfaceDouble legend(60, 200);
  legend.FilledBox(0, 0, 1, 1, RGB(1, 2, 3));
  Slegende(m, scale, legend);
  EXPECT_EQ(legend.clears, 1);
  EXPECT_EQ(legend.Scale().left, 0);
  EXPECT_EQ(legend.Scale().top, 100);
  EXPECT_EQ(legend.Scale().width, 20);
  EXPECT_EQ(legend.Scale().height, -100);
  ASSERT_EQ(legend.boxes.size(), 20u);
  ASSERT_EQ(legend.texts.size(), 20u);
  for (int k = 1; k <= 20; ++k) {
    const auto& b = legend.boxes[k - 1];
    EXPECT_EQ(b.x1, 0.5);
    EXPECT_EQ(b.x2, 4);
    EXPECT_EQ(b.y1, 5 * (k - 1));
    EXPECT_EQ(b.y2, 5 * k);
    EXPECT_EQ(b.colour, RGB(NiveauLegende(k, 100), 0, 0));
    const auto& t = legend.texts[k - 1];
    EXPECT_EQ(t.x, 4.3);
    EXPECT_EQ(t.y, 5 * k);
    EXPECT_EQ(t.points, 4);
    EXPECT_FALSE(t.bold);
  }
  EXPECT_EQ(legend.texts[0].text, "5.00E-01");
  EXPECT_EQ(legend.texts[1].text, "1.00E+00");
  EXPECT_EQ(legend.texts[19].text, "1.00E+01");
}

TEST(DeplacementLegende, TheBoxMovesWithThePointer) {
  // Right by 2 legend units and down by 10 on a plot of 100 x 10 world units.
  const PositionLegende p = DeplacementLegende(12, 40, 10, 50, 3, 7, 100, 10);
  EXPECT_DOUBLE_EQ(p.left, 3 + 2.0 / 20 * 135 / 20);
  EXPECT_DOUBLE_EQ(p.top, 7 - (-10.0 / -100) * (-13.5 / -100));
  const PositionLegende still = DeplacementLegende(10, 50, 10, 50, 3, 7, 100, 10);
  EXPECT_EQ(still.left, 3);
  EXPECT_EQ(still.top, 7);

  PlotModel m;
  m.DX = 100;
  m.DY = 10;
  m.LegendeLeft = 3;
  m.LegendeTop = 7;
  SaisitLegende(m, 10, 50);
  DeplaceLegende(m, 12, 40);
  EXPECT_FLOAT_EQ(m.LegendeLeft, static_cast<float>(p.left));
  EXPECT_FLOAT_EQ(m.LegendeTop, static_cast<float>(p.top));
  EXPECT_EQ(m.LegLeft, m.LegendeLeft);
  EXPECT_EQ(m.LegSourisX, 10);
}

class TraceDoc : public testing::Test {
 protected:
  void SetUp() override {
    ChargeGrille(m, GrilleAnalyse(40, 8), NomsAnalyse());
    m.DX = m.XMax - m.XMin;
    m.DY = m.YMax - m.YMin;
    s.SetScale(m.XMin - 0.25 * m.DX, m.YMax + 0.1 * m.DY, 1.35 * m.DX, -1.35 * m.DY);
  }
  std::vector<SurfaceDouble::Texte> TextesA(double x) const {
    std::vector<SurfaceDouble::Texte> out;
    for (const auto& t : s.texts) {
      if (t.x == x) out.push_back(t);
    }
    return out;
  }

  PlotModel m;
  SurfaceDouble s{600, 400};
};

TEST_F(TraceDoc, FrameTicksAndLabelsInBlack) {
  s.SetForeColor(RGB(0, 0, 255));
  TraceDocMollier(m, s);
  ASSERT_EQ(s.frames.size(), 1u);
  EXPECT_EQ(s.frames[0].x1, m.XMin);
  EXPECT_EQ(s.frames[0].y1, m.YMin);
  EXPECT_EQ(s.frames[0].x2, m.XMax);
  EXPECT_EQ(s.frames[0].y2, m.YMax);
  for (const auto& l : s.lines) EXPECT_EQ(l.colour, RGB(0, 0, 0));
  // Y: exponents -7..-5 of base 2: 16 sub-ticks, 3 labelled ticks.
  int yTicks = 0;
  for (const auto& l : s.lines) yTicks += l.x1 == m.XMin && l.y1 == l.y2;
  EXPECT_EQ(yTicks, 16 + 3);
  const double w = s.TextWidth("7.81E-3");
  const double h = s.TextHeight("7.81E-3");
  bool found = false;
  for (const auto& t : s.texts) {
    if (t.text == "7.81E-3") {
      found = true;
      EXPECT_DOUBLE_EQ(t.x, m.XMin - 1.1 * w);
      EXPECT_DOUBLE_EQ(t.y, -7 - h / 2);
      EXPECT_EQ(t.points, 5);
      EXPECT_FALSE(t.bold);
    }
  }
  EXPECT_TRUE(found);
  // The X labels every 10 % of 0.5 .. 20, centred under their ticks.
  const auto& first = *std::find_if(s.texts.begin(), s.texts.end(),
                                    [](const auto& t) { return t.text == "5.E-1"; });
  EXPECT_DOUBLE_EQ(first.x, m.XMin - s.TextWidth("5.E-1") / 2);
  EXPECT_DOUBLE_EQ(first.y, m.YMin - m.DY / 40.0);
}

TEST_F(TraceDoc, TitlesStandWhereTheyBelong) {
  TraceDocMollier(m, s);
  EXPECT_EQ(m.TitreReseau, "Color Map of Power spectrum");
  const double h = s.TextHeight("x");
  const double middle = m.YMin + m.DY / 2.0;

  // "Fréquencies" one character per line, top to bottom.
  const auto y = TextesA(m.XMin - m.DX / 9.0);
  const std::vector<std::string> chars = {"F", "r", "é", "q", "u", "e", "n", "c", "i", "e", "s"};
  ASSERT_EQ(y.size(), chars.size());
  for (size_t q = 1; q <= chars.size(); ++q) {
    EXPECT_EQ(y[q - 1].text, chars[q - 1]);
    EXPECT_DOUBLE_EQ(y[q - 1].y, middle - 11 * h / 2 + q * h);
    EXPECT_TRUE(y[q - 1].bold);
    EXPECT_EQ(y[q - 1].points, 10);
  }
  const auto labo = TextesA(m.XMax + m.DX / 20.0);
  ASSERT_EQ(labo.size(), 9u);
  EXPECT_EQ(labo[0].text, "L");
  EXPECT_EQ(labo[1].text, " ");
  EXPECT_EQ(labo[0].points, 8);

  const auto title = std::find_if(s.texts.begin(), s.texts.end(),
                                  [&](const auto& t) { return t.text == m.TitreReseau; });
  ASSERT_NE(title, s.texts.end());
  EXPECT_DOUBLE_EQ(title->x, m.XMin + m.DX / 2.0 - s.TextWidth(m.TitreReseau) / 2);
  EXPECT_DOUBLE_EQ(title->y, m.YMax + 7 * m.DY / 85.0);
  EXPECT_EQ(title->points, 15);
  const auto xt =
      std::find_if(s.texts.begin(), s.texts.end(), [&](const auto& t) { return t.text == "Time"; });
  ASSERT_NE(xt, s.texts.end());
  EXPECT_DOUBLE_EQ(xt->y, m.YMin - m.DY / 15.0);
}

TEST_F(TraceDoc, IsoModeTitleReplacesTheTypedOneAndAnEmptyYTitlePrintsNothing) {
  m.VarCouleur = 0;
  m.TitreReseau = "Mon titre";
  m.YTitre = "";
  TraceDocMollier(m, s);
  EXPECT_EQ(m.TitreReseau, "Réseau(x) d'iso-niveaux");
  EXPECT_TRUE(TextesA(m.XMin - m.DX / 9.0).empty());
}

}  // namespace

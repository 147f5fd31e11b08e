#include "plot/plot_model.h"

#include <gtest/gtest.h>

#include "grids.h"

namespace {

// A grid whose variables are given per node by functions of (i, j).
template <typename F>
Grille GrilleDe(int nvar, int ni, int nj, F value) {
  Grille g(nvar, ni, nj);
  for (int k = 1; k <= nvar; ++k) {
    for (int i = 1; i <= ni; ++i) {
      for (int j = 1; j <= nj; ++j) g(k, i, j) = value(k, i, j);
    }
  }
  return g;
}

TEST(Initialise, ExtentsAndDefaultAxesOfATableOfGrids) {
  struct Case {
    const char* name;
    Grille grille;
    float xmin, xmax, ymin, ymax;
  };
  const Case cases[] = {
      {"analysis", GrilleAnalyse(40, 8), 0.5f, 20.0f, 1.0f / 128, std::pow(2.0f, 1.75f) / 128},
      {"negative",
       GrilleDe(2, 3, 2, [](int k, int i, int j) { return k == 1 ? -1.0f * i : 2.0f * j; }), -3, -1,
       2, 4},
      {"one node", GrilleDe(2, 1, 1, [](int k, int, int) { return 3.0f * k; }), 3, 3, 6, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlotModel m;
    m.Grille = c.grille;
    m.NomVar = {"", "A", "B", "C", "D", "E", "F"};
    m.NomVar.resize(c.grille.NVar() + 1);
    Initialise(m);
    EXPECT_EQ(m.NVar, c.grille.NVar());
    EXPECT_EQ(m.NI, c.grille.NI());
    EXPECT_EQ(m.NJ, c.grille.NJ());
    EXPECT_EQ(m.VarX, 1);
    EXPECT_EQ(m.VarY, 2);
    EXPECT_FLOAT_EQ(m.XMin, c.xmin);
    EXPECT_FLOAT_EQ(m.XMax, c.xmax);
    EXPECT_FLOAT_EQ(m.YMin, c.ymin);
    EXPECT_NEAR(m.YMax, c.ymax, 1e-6 * c.ymax);
    EXPECT_EQ(m.ZoomX1, m.XMin);
    EXPECT_EQ(m.ZoomX2, m.XMax);
    EXPECT_EQ(m.ZoomY1, m.YMin);
    EXPECT_EQ(m.ZoomY2, m.YMax);
    EXPECT_FLOAT_EQ(m.XMajor, 0.02f * (m.XMax - m.XMin));
    EXPECT_EQ(m.XTic, 5);
    EXPECT_EQ(m.YTic, 5);
    EXPECT_EQ(m.XFormat, "#.##E+##");
    EXPECT_EQ(m.YFormat, "#.##E+##");
    EXPECT_EQ(m.XTitre, "A");
    EXPECT_EQ(m.YTitre, "B");
    EXPECT_EQ(m.NomReseau[2], "B");
    EXPECT_EQ(m.NbReseaux, 0);
    EXPECT_EQ(m.TitreLabo, "L U V R A");
    EXPECT_EQ(m.TitreReseau, "Donnez un titre au réseau ...");
    ASSERT_EQ(m.TableNiveaux.size(), static_cast<size_t>(m.NVar + 1));
  }
}

TEST(Initialise, NanNodesAfterTheFirstDoNotSpoilTheExtents) {
  Grille g = GrilleDe(2, 3, 1, [](int k, int i, int) { return static_cast<float>(k * i); });
  g(1, 2, 1) = std::numeric_limits<float>::quiet_NaN();
  PlotModel m;
  m.Grille = g;
  Initialise(m);
  EXPECT_EQ(m.VarMin[1], 1);
  EXPECT_EQ(m.VarMax[1], 3);
}

TEST(ChargeGrille, PositiveYVariableGoesOnABaseTwoLogarithmicAxis) {
  PlotModel m;
  m.VarCouleur = 2;
  m.ModeZoom = 1;
  m.XLog = true;
  m.XBase = 3;
  m.LegendeVisible = true;
  ChargeGrille(m, GrilleAnalyse(40, 8), NomsAnalyse());
  EXPECT_EQ(m.VarCouleur, 4);
  EXPECT_EQ(m.ModeZoom, 0);
  EXPECT_FALSE(m.XLog);
  EXPECT_EQ(m.XBase, 1);
  EXPECT_FALSE(m.LegendeVisible);
  EXPECT_TRUE(m.YLog);
  EXPECT_EQ(m.YBase, 2);
  EXPECT_EQ(m.YBaseIndex, 0);
  // Frequencies from 1/128 to 1/(128 * 2^(-7/4)): exponents -7 .. -5.
  EXPECT_EQ(m.YMin, -7);
  EXPECT_EQ(m.YMax, -5);
  EXPECT_EQ(m.YMajor, 1);
  EXPECT_EQ(m.YTic, 1);
  EXPECT_EQ(m.XTitre, "Time");
  EXPECT_EQ(m.YTitre, "Fréquencies");
}

TEST(ChargeGrille, YVariableNotStrictlyPositiveStaysLinear) {
  PlotModel m;
  Grille g = GrilleAnalyse(10, 4);
  g(2, 3, 2) = 0.0f;
  ChargeGrille(m, g, NomsAnalyse());
  EXPECT_FALSE(m.YLog);
  EXPECT_EQ(m.YBase, 1);
  EXPECT_EQ(m.YMin, 0);
}

TEST(ChargeGrille, ANewGridReplacesEverythingOfTheOldOne) {
  PlotModel m;
  ChargeGrille(m, GrilleAnalyse(300, 20), NomsAnalyse());
  m.NbReseaux = 3;
  m.InjPlace[2] = 1;
  ChargeGrille(m, GrilleAnalyse(5, 3), NomsAnalyse());
  EXPECT_EQ(m.NI, 5);
  EXPECT_EQ(m.NJ, 3);
  EXPECT_EQ(m.NbReseaux, 0);
  EXPECT_EQ(m.InjPlace[2], 0);
  EXPECT_EQ(m.XMax, 2.5f);
}

TEST(ChargeGrille, GridsOfMoreThanSixteenBitsOfSamplesKeepTheirSize) {
  PlotModel m;
  ChargeGrille(m, GrilleAnalyse(65535, 2), NomsAnalyse());
  EXPECT_EQ(m.NI, 65535);
  EXPECT_EQ(m.XMax, 0.5f * 65535);
}

TEST(Normal, RestoresTheExtentsButKeepsFormatsAndZoomCorners) {
  PlotModel m;
  ChargeGrille(m, GrilleAnalyse(40, 8), NomsAnalyse());
  m.XMin = 3;
  m.XMax = 4;
  m.YMin = -6;
  m.YMax = -6;
  m.XFormat = "###.####";
  m.ZoomX1 = 3;
  Normal(m);
  EXPECT_EQ(m.XMin, 0.5f);
  EXPECT_EQ(m.XMax, 20);
  EXPECT_EQ(m.XTic, 5);
  EXPECT_FLOAT_EQ(m.XMajor, 0.02f * 19.5f);
  EXPECT_EQ(m.XFormat, "###.####");
  EXPECT_EQ(m.ZoomX1, 3);
  EXPECT_EQ(m.YMin, -7);
  EXPECT_EQ(m.YMax, -5);
  EXPECT_EQ(m.YMajor, 1);
}

TEST(Isometrique, WidensTheShorterAxisAboutItsMiddle) {
  struct Case {
    float dx, dy;
    float xmin, xmax, ymin, ymax;
  };
  const Case cases[] = {
      {10, 4, 0, 10, -3, 7},  // X longer: Y widened by 6
      {2, 6, -2, 4, 0, 6},    // Y longer: X widened by 4
      {5, 5, 0, 5, 0, 5},     // equal: X widened by 0
  };
  for (const Case& c : cases) {
    PlotModel m;
    m.XMin = 0;
    m.XMax = c.dx;
    m.YMin = 0;
    m.YMax = c.dy;
    m.DX = c.dx;
    m.DY = c.dy;
    m.XTic = m.YTic = 1;
    EXPECT_TRUE(Isometrique(m));
    EXPECT_EQ(m.XMin, c.xmin);
    EXPECT_EQ(m.XMax, c.xmax);
    EXPECT_EQ(m.YMin, c.ymin);
    EXPECT_EQ(m.YMax, c.ymax);
    EXPECT_EQ(m.XMax - m.XMin, m.YMax - m.YMin);
    if (c.dx > c.dy) {
      EXPECT_EQ(m.YTic, 5);
      EXPECT_FLOAT_EQ(m.YMajor, 2 * m.DY / 100);
    } else {
      EXPECT_EQ(m.XTic, 5);
      EXPECT_FLOAT_EQ(m.XMajor, 2 * m.DX / 100);
    }
  }
}

TEST(Isometrique, DoesNothingOnALogarithmicAxis) {
  PlotModel m;
  m.YLog = true;
  m.DX = 10;
  m.DY = 1;
  m.YMax = 1;
  EXPECT_FALSE(Isometrique(m));
  EXPECT_EQ(m.YMax, 1);
}

TEST(Couleur, SevenNetworkColoursThenTheColourStays) {
  const Couleur expected[] = {RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(0, 0, 255),  RGB(0, 0, 0),
                              RGB(255, 255, 0), RGB(255, 0, 255), RGB(0, 255, 255)};
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(CouleurReseau(n), expected[n - 1]) << n;
  EXPECT_FALSE(CouleurReseau(0));
  EXPECT_FALSE(CouleurReseau(8));
}

}  // namespace

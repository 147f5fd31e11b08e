#include "plot/souris.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "plot/declarations.h"

namespace {

// Nodes X = i, Y = 10 j, Z = i + 10 j on 3 x 3 nodes; the frame 0..10 on
// both axes.
PlotModel Modele() {
  PlotModel m;
  m.Grille = Grille(3, 3, 3);
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      m.Grille(1, i, j) = static_cast<float>(i);
      m.Grille(2, i, j) = 10.0f * j;
      m.Grille(3, i, j) = i + 10.0f * j;
    }
  }
  m.NomVar = {"", "X", "Y", "Z"};
  Initialise(m);
  m.XMin = 0;
  m.XMax = 10;
  m.YMin = 0;
  m.YMax = 10;
  m.DX = 10;
  m.DY = 10;
  return m;
}

TEST(SourisLectureCoordonnees, ShowsBothDataValuesInScientificForm) {
  PlotModel m = Modele();
  EXPECT_EQ(LectureCoordonnees(m, 1500, -0.000125), "X:1.50E+03  Y:-1.25E-04");
  EXPECT_EQ(LectureCoordonnees(m, 0, 7), "X:0.00E+00  Y:7.00E+00");
  m.YBase = 2;
  m.XBase = 10;
  EXPECT_EQ(LectureCoordonnees(m, 2, -3), "X:1.00E+02  Y:1.25E-01");
}

struct CasValeur {
  const char* nom;
  int varCouleur;
  int nbReseaux;
  int modeZoom;
  double x, y;
  const char* attendu;
};

TEST(SourisLectureValeur, ReadsTheMeanOfTheFirstEnclosingCell) {
  const CasValeur cas[] = {
      {"first cell", 3, 0, 0, 1.5, 15, "   Z:1.65E+01"},
      {"shared edge: lower i wins", 3, 0, 0, 2, 15, "   Z:1.65E+01"},
      {"corner node belongs to the first cell", 3, 0, 0, 1, 10, "   Z:1.65E+01"},
      {"last cell", 3, 0, 0, 2.5, 25, "   Z:2.75E+01"},
      {"right of the grid", 3, 0, 0, 5, 15, kZInconnu},
      {"below the grid", 3, 0, 0, 1.5, 5, kZInconnu},
      {"zoom mode", 3, 0, 1, 1.5, 15, kZInconnu},
      {"one network reads its variable", 0, 1, 0, 1.5, 15, "   Z:1.50E+00"},
      {"two networks", 0, 2, 0, 1.5, 15, kZInconnu},
      {"no map, no network", 0, 0, 0, 1.5, 15, kZInconnu},
      {"variable out of range", 9, 0, 0, 1.5, 15, kZInconnu},
  };
  for (const CasValeur& c : cas) {
    PlotModel m = Modele();
    m.VarCouleur = c.varCouleur;
    m.NbReseaux = c.nbReseaux;
    m.ReseauVar[1] = 1;
    m.ModeZoom = c.modeZoom;
    EXPECT_EQ(LectureValeur(m, c.x, c.y), c.attendu) << c.nom;
  }
}

TEST(SourisLectureValeur, ConvertsTheWorldPointOfALogarithmicAxis) {
  PlotModel m = Modele();
  m.VarCouleur = 3;
  m.YLog = true;
  m.YBase = 10;
  EXPECT_EQ(LectureValeur(m, 2.5, std::log10(25.0)), "   Z:2.75E+01");
}

TEST(SourisReticule, CrossesAtThePointerAndHidesRightOfOrAboveTheFrame) {
  PlotModel m = Modele();
  const Traits t = Reticule(m, 5, 4);
  EXPECT_TRUE(t.visibles);
  // Picture edges: left -2.5, right 11, top 11, bottom -2.5.
  const Trait attendus[] = {
      {5, 10, 5, -2.5}, {-2.5, 4, 10, 4}, {-2.5, 11, -2.5, -2.5}, {-2.5, 11, 11, 11}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_DOUBLE_EQ(t.lignes[k].x1, attendus[k].x1) << "Line" << k + 1;
    EXPECT_DOUBLE_EQ(t.lignes[k].y1, attendus[k].y1) << "Line" << k + 1;
    EXPECT_DOUBLE_EQ(t.lignes[k].x2, attendus[k].x2) << "Line" << k + 1;
    EXPECT_DOUBLE_EQ(t.lignes[k].y2, attendus[k].y2) << "Line" << k + 1;
  }
  EXPECT_TRUE(Reticule(m, 10, 10).visibles);
  EXPECT_TRUE(Reticule(m, -2, -2).visibles);
  EXPECT_FALSE(Reticule(m, 10.5, 5).visibles);
  EXPECT_FALSE(Reticule(m, 5, 10.5).visibles);
  m.XBase = 2;
  m.XMax = 3;
  EXPECT_TRUE(Reticule(m, 2.9, 5).visibles);
  EXPECT_FALSE(Reticule(m, 3.1, 5).visibles);
}

struct CasZoom {
  const char* nom;
  bool drag;
  double x1, y1, x2, y2;
  float xmin, xmax, ymin, ymax;
};

TEST(SourisZoom, TakesTheOrderedRectangleOfTheTwoCorners) {
  const CasZoom cas[] = {
      {"top-left to bottom-right", true, 2, 8, 6, 3, 2, 6, 3, 8},
      {"bottom-right to top-left", true, 6, 3, 2, 8, 2, 6, 3, 8},
      // The second corner stays where the previous zoom left it (7, 9).
      {"click without drag", false, 2, 3, 0, 0, 2, 7, 3, 9},
  };
  for (const CasZoom& c : cas) {
    PlotModel m = Modele();
    m.ZoomX2 = 7;
    m.ZoomY2 = 9;
    EntreZoom(m);
    DebutZoom(m, c.x1, c.y1);
    if (c.drag) TireZoom(m, c.x2, c.y2);
    AppliqueZoom(m);
    EXPECT_EQ(m.ModeZoom, 0) << c.nom;
    EXPECT_EQ(m.XMin, c.xmin) << c.nom;
    EXPECT_EQ(m.XMax, c.xmax) << c.nom;
    EXPECT_EQ(m.YMin, c.ymin) << c.nom;
    EXPECT_EQ(m.YMax, c.ymax) << c.nom;
  }
}

TEST(SourisZoom, SnapsALogarithmicAxisOutwardToWholeExponents) {
  PlotModel m = Modele();
  m.YLog = true;
  m.YBase = 2;
  m.YMajor = 1;
  m.YFormat = "0.0";
  EntreZoom(m);
  DebutZoom(m, 2, -6.4);
  TireZoom(m, 6, -6.6);
  AppliqueZoom(m);
  EXPECT_EQ(m.YMin, -7);
  EXPECT_EQ(m.YMax, -6);
  EXPECT_EQ(m.XMin, 2);  // the linear axis takes the rectangle as it is
  EXPECT_EQ(m.XMax, 6);
  EXPECT_EQ(m.YMajor, 1);
  EXPECT_EQ(m.YFormat, "0.0");
}

TEST(SourisModes, AtMostOneIsActive) {
  PlotModel m = Modele();
  EntreZoom(m);
  EntreDocumentation(m, 2);
  EXPECT_EQ(m.ModeZoom, 0);
  EXPECT_EQ(m.ModeDoc, 1);
  EXPECT_EQ(m.ReseauDoc, 2);
  EntreZoom(m);
  EXPECT_EQ(m.ModeDoc, 0);
  AnnuleMode(m);
  EXPECT_EQ(m.ModeZoom + m.ModeDoc, 0);
}

class SourisInjecteur : public testing::Test {
 protected:
  void SetUp() override {
    m.NbReseaux = 2;
    m.ReseauDoc = 2;
  }
  PlotModel m = Modele();
};

TEST_F(SourisInjecteur, AClickSendsTheSecondEndToTheTopRightCornerOfTheFrame) {
  DebutInjecteur(m, 3, 4);
  FinInjecteur(m, 3, 4);
  EXPECT_EQ(m.InjX1[2], 3);
  EXPECT_EQ(m.InjY1[2], 4);
  EXPECT_EQ(m.InjX2[2], 10);
  EXPECT_EQ(m.InjY2[2], 10);
  EXPECT_EQ(m.InjPlace[2], 1);
  EXPECT_EQ(m.InjPlace[1], 0);
}

TEST_F(SourisInjecteur, ADragKeepsTheReleasePointInDataUnits) {
  m.XBase = 10;
  m.XMax = 2;
  DebutInjecteur(m, 1, 4);
  TireInjecteur(m, 1.5, 5);
  EXPECT_FLOAT_EQ(m.InjX2[2], std::pow(10.0f, 1.5f));
  FinInjecteur(m, 2, 6);
  EXPECT_EQ(m.InjX1[2], 10);
  EXPECT_EQ(m.InjX2[2], 100);
  EXPECT_EQ(m.InjY2[2], 6);
  Trait t;
  ASSERT_TRUE(InjecteurMonde(m, t));
  EXPECT_FLOAT_EQ(t.x1, 1);
  EXPECT_FLOAT_EQ(t.x2, 2);
  EXPECT_FLOAT_EQ(t.y2, 6);
}

TEST_F(SourisInjecteur, ANetworkThatDoesNotExistIsLeftAlone) {
  for (int r : {-1, 0, 3, 99}) {
    PlotModel copie = m;
    copie.ReseauDoc = r;
    DebutInjecteur(copie, 3, 4);
    FinInjecteur(copie, 3, 4);
    EXPECT_EQ(copie.InjPlace, m.InjPlace) << r;
    EXPECT_EQ(copie.InjX2, m.InjX2) << r;
    Trait t;
    EXPECT_FALSE(InjecteurMonde(copie, t)) << r;
  }
}

TEST_F(SourisInjecteur, AnInjectorNeverPlacedHasNoWorldPointOnALogarithmicAxis) {
  Trait t;
  EXPECT_TRUE(InjecteurMonde(m, t));
  m.YBase = 2;
  EXPECT_FALSE(InjecteurMonde(m, t));
}

}  // namespace

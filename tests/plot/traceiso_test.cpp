#include "plot/traceiso.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "plot/declarations.h"
#include "plot/niveaux.h"
#include "plot/surface_double.h"

namespace {

// A grid of ni x nj nodes: variable 1 is x = i, variable 2 is y = j and
// variable 3 the contoured values z(i, j). Network 1 traces variable 3; the
// axes show the whole grid.
template <typename Z>
PlotModel ModeleDe(int ni, int nj, Z z) {
  PlotModel m;
  Grille g(3, ni, nj);
  for (int i = 1; i <= ni; ++i) {
    for (int j = 1; j <= nj; ++j) {
      g(1, i, j) = static_cast<float>(i);
      g(2, i, j) = static_cast<float>(j);
      g(3, i, j) = z(i, j);
    }
  }
  m.Grille = std::move(g);
  m.NomVar = {"", "X", "Y", "Z"};
  Initialise(m);
  m.NbReseaux = 1;
  m.IsoReseau = 1;
  m.IsoVar = 3;
  m.ReseauVar[1] = 3;
  m.ReseauFormat[1] = "#.#E+##";
  return m;
}

// The same with the values given row by row (i outer, j inner).
PlotModel Modele(int ni, int nj, std::initializer_list<float> z) {
  auto v = z.begin();
  return ModeleDe(ni, nj, [&v](int, int) { return *v++; });
}

void Arithmetique(PlotModel& m, float min, float max, float pas) {
  m.ReseauProgression[1] = 1;
  m.IsoMin = min;
  m.IsoMax = max;
  m.IsoPas = pas;
}

void Table(PlotModel& m, std::initializer_list<float> niveaux) {
  m.ReseauProgression[1] = 3;
  m.NbValeursTable[1] = static_cast<int>(niveaux.size());
  int t = 1;
  for (float l : niveaux) m.TableNiveaux[1][t++] = l;
}

void Injecteur(PlotModel& m, float x1, float y1, float x2, float y2) {
  m.InjPlace[1] = 1;
  m.InjX1[1] = x1;
  m.InjY1[1] = y1;
  m.InjX2[1] = x2;
  m.InjY2[1] = y2;
}

TraitIso Trait(float x1, float y1, float x2, float y2, float l) {
  return {x1, y1, x2, y2, l};
}

// One cell, corners (i,j), (i,j+1), (i+1,j), (i+1,j+1); level 2.5 of 0..10
// lies a quarter of the way from the low end of each crossed edge. The ends
// come in the fixed order of the edge pairs.
struct CasCellule {
  const char* nom;
  float p, q, s, u;
  TraitIso attendu;
};

void PrintTo(const CasCellule& c, std::ostream* os) {
  *os << c.nom;
}

class CelluleUnique : public testing::TestWithParam<CasCellule> {};

TEST_P(CelluleUnique, OneSegmentBetweenTheTwoCrossedEdges) {
  const CasCellule& c = GetParam();
  PlotModel m = Modele(2, 2, {c.p, c.q, c.s, c.u});
  Arithmetique(m, 2.5f, 2.5f, 1.0f);
  const std::vector<TraitIso> traits = TraitsIso(m);
  ASSERT_EQ(traits.size(), 1u);
  const TraitIso& t = traits[0];
  const float tol = 1e-6f;
  EXPECT_NEAR(t.x1, c.attendu.x1, tol);
  EXPECT_NEAR(t.y1, c.attendu.y1, tol);
  EXPECT_NEAR(t.x2, c.attendu.x2, tol);
  EXPECT_NEAR(t.y2, c.attendu.y2, tol);
  EXPECT_EQ(t.niveau, 2.5f);
  EXPECT_FALSE(t.etiquette);
}

INSTANTIATE_TEST_SUITE_P(
    Paires, CelluleUnique,
    testing::Values(CasCellule{"E1E2", 0, 10, 0, 10, Trait(1, 1.25f, 2, 1.25f, 2.5f)},
                    CasCellule{"E1E3", 10, 0, 0, 0, Trait(1, 1.75f, 1.75f, 1, 2.5f)},
                    CasCellule{"E1E4", 0, 10, 0, 0, Trait(1, 1.25f, 1.75f, 2, 2.5f)},
                    CasCellule{"E3E2", 0, 0, 10, 0, Trait(1.25f, 1, 2, 1.75f, 2.5f)},
                    CasCellule{"E2E4", 0, 0, 0, 10, Trait(2, 1.25f, 1.25f, 2, 2.5f)},
                    CasCellule{"E3E4", 0, 0, 10, 10, Trait(1.25f, 1, 1.25f, 2, 2.5f)}),
    [](const testing::TestParamInfo<CasCellule>& info) { return info.param.nom; });

TEST(TraceisoTest, PlaneCellAtHalfGivesTheMidpointsOfE1AndE2) {
  PlotModel m = Modele(2, 2, {0, 10, 0, 10});
  Arithmetique(m, 5, 5, 1);
  EXPECT_EQ(TraitsIso(m), std::vector<TraitIso>{Trait(1, 1.5f, 2, 1.5f, 5)});
}

TEST(TraceisoTest, SaddleGivesE3E4ThenE1E2WithoutLabels) {
  PlotModel m = Modele(2, 2, {0, 10, 10, 0});
  Arithmetique(m, 5, 5, 1);
  // An injector through the centre would label a single segment.
  Injecteur(m, 1.25f, 1.25f, 1.75f, 1.875f);
  EXPECT_EQ(TraitsIso(m),
            (std::vector<TraitIso>{Trait(1.5f, 1, 1.5f, 2, 5), Trait(1, 1.5f, 2, 1.5f, 5)}));
}

TEST(TraceisoTest, ALevelEqualToCornerValuesCrossesNothing) {
  PlotModel m = Modele(2, 2, {0, 10, 0, 10});
  Table(m, {0, 10});
  EXPECT_TRUE(TraitsIso(m).empty());
  // Only one corner at the level: the two edges away from it are crossed.
  PlotModel n = Modele(2, 2, {0, 10, 5, 0});
  Table(n, {5});
  EXPECT_EQ(TraitsIso(n), std::vector<TraitIso>{Trait(1, 1.5f, 1.5f, 2, 5)});
}

TEST(TraceisoTest, CellsRunIOuterJInnerAndLevelsInLoopOrder) {
  // z = 10 (j - 1) on a 3 x 3 grid: level 5 crosses the cells j = 1, level
  // 15 the cells j = 2.
  PlotModel m = Modele(3, 3, {0, 10, 20, 0, 10, 20, 0, 10, 20});
  Arithmetique(m, 5, 15, 10);
  EXPECT_EQ(TraitsIso(m), (std::vector<TraitIso>{
                              Trait(1, 1.5f, 2, 1.5f, 5),
                              Trait(1, 2.5f, 2, 2.5f, 15),
                              Trait(2, 1.5f, 3, 1.5f, 5),
                              Trait(2, 2.5f, 3, 2.5f, 15),
                          }));
}

TEST(TraceisoTest, LevelsOfOneCellFollowTheLoopNotTheirValues) {
  PlotModel m = Modele(2, 2, {0, 20, 0, 20});
  Arithmetique(m, 15, 5, -10);
  EXPECT_EQ(TraitsIso(m),
            (std::vector<TraitIso>{Trait(1, 1.75f, 2, 1.75f, 15), Trait(1, 1.25f, 2, 1.25f, 5)}));
  Table(m, {15, 5, 10, 5});
  EXPECT_EQ(TraitsIso(m),
            (std::vector<TraitIso>{Trait(1, 1.75f, 2, 1.75f, 15), Trait(1, 1.25f, 2, 1.25f, 5),
                                   Trait(1, 1.5f, 2, 1.5f, 10), Trait(1, 1.25f, 2, 1.25f, 5)}));
}

TEST(TraceisoTest, EndlessProgressionsStillTraceTheirFirstLevel) {
  PlotModel m = Modele(2, 2, {0, 10, 0, 10});
  Arithmetique(m, 5, 8, 0);
  EXPECT_EQ(TraitsIso(m), std::vector<TraitIso>{Trait(1, 1.5f, 2, 1.5f, 5)});
  m.ReseauProgression[1] = 2;
  m.IsoPas = 1;
  EXPECT_EQ(TraitsIso(m), std::vector<TraitIso>{Trait(1, 1.5f, 2, 1.5f, 5)});
  m.IsoPas = 0.5f;  // 5, 2.5, 1.25, ... down to 0: one segment per level above 0
  const std::vector<TraitIso> traits = TraitsIso(m);
  ASSERT_FALSE(traits.empty());
  EXPECT_LT(traits.size(), 200u);
  EXPECT_EQ(traits[0], Trait(1, 1.5f, 2, 1.5f, 5));
}

// The segment (1, 1.5)-(2, 1.5) of level 5 against windows whose edges fall
// on or just past its ends.
struct CasFenetre {
  const char* nom;
  float xmin, xmax, ymin, ymax;
  bool trace;
};

void PrintTo(const CasFenetre& c, std::ostream* os) {
  *os << c.nom;
}

class Fenetre : public testing::TestWithParam<CasFenetre> {};

TEST_P(Fenetre, KeepsASegmentOnlyWithBothEndsInside) {
  const CasFenetre& c = GetParam();
  PlotModel m = Modele(2, 2, {0, 10, 0, 10});
  Arithmetique(m, 5, 5, 1);
  m.XMin = c.xmin;
  m.XMax = c.xmax;
  m.YMin = c.ymin;
  m.YMax = c.ymax;
  EXPECT_EQ(TraitsIso(m).size(), c.trace ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Bornes, Fenetre,
                         testing::Values(CasFenetre{"BornesIncluses", 1, 2, 1.5f, 1.5f, true},
                                         CasFenetre{"FinHorsADroite", 1, 1.99f, 1, 2, false},
                                         CasFenetre{"DebutHorsAGauche", 1.01f, 2, 1, 2, false},
                                         CasFenetre{"AuDessus", 1, 2, 1.51f, 2, false},
                                         CasFenetre{"EnDessous", 1, 2, 1, 1.49f, false},
                                         CasFenetre{"FenetreInversee", 2, 1, 1, 2, false}),
                         [](const testing::TestParamInfo<CasFenetre>& info) {
                           return info.param.nom;
                         });

// Level 5 of the plane cell gives the horizontal segment y = 1.5 from x = 1
// to 2; injectors of slope 4 meet it at x = 1.625 when they reach it.
struct CasEtiquette {
  const char* nom;
  int place;
  float x1, y1, x2, y2;
  bool etiquette;
};

void PrintTo(const CasEtiquette& c, std::ostream* os) {
  *os << c.nom;
}

class Etiquette : public testing::TestWithParam<CasEtiquette> {};

TEST_P(Etiquette, LabelsWhereTheInjectorMeetsTheSegment) {
  const CasEtiquette& c = GetParam();
  PlotModel m = Modele(2, 2, {0, 10, 0, 10});
  Arithmetique(m, 5, 5, 1);
  Injecteur(m, c.x1, c.y1, c.x2, c.y2);
  m.InjPlace[1] = c.place;
  const std::vector<TraitIso> traits = TraitsIso(m);
  ASSERT_EQ(traits.size(), 1u);
  EXPECT_EQ(traits[0].etiquette, c.etiquette);
  if (c.etiquette) {
    EXPECT_NEAR(traits[0].xe, 1.625f, 1e-6f);
    EXPECT_NEAR(traits[0].ye, 1.5f, 1e-6f);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Injecteurs, Etiquette,
    testing::Values(CasEtiquette{"Croise", 1, 1.5f, 1, 1.75f, 2, true},
                    CasEtiquette{"SensInverse", 1, 1.75f, 2, 1.5f, 1, true},
                    CasEtiquette{"FinSurLeSegment", 1, 1.5f, 1, 1.625f, 1.5f, true},
                    CasEtiquette{"NonPlace", 0, 1.5f, 1, 1.75f, 2, false},
                    CasEtiquette{"Vertical", 1, 1.5f, 1, 1.5f, 2, false},
                    CasEtiquette{"Parallele", 1, 1, 1.8f, 2, 1.8f, false},
                    CasEtiquette{"Confondu", 1, 1, 1.5f, 2, 1.5f, false},
                    CasEtiquette{"TropCourt", 1, 1.5f, 1, 1.6f, 1.4f, false},
                    CasEtiquette{"AuDelaDuSegment", 1, 3, 1, 3.25f, 2, false}),
    [](const testing::TestParamInfo<CasEtiquette>& info) { return info.param.nom; });

TEST(TraceisoTest, UnknownIndexesTraceNothing) {
  PlotModel m = Modele(2, 2, {0, 10, 0, 10});
  Arithmetique(m, 5, 5, 1);
  for (int var : {0, 4, -1}) {
    PlotModel n = m;
    n.IsoVar = var;
    EXPECT_TRUE(TraitsIso(n).empty());
  }
  for (int reseau : {0, 4, 99}) {
    PlotModel n = m;
    n.IsoReseau = reseau;
    EXPECT_TRUE(TraitsIso(n).empty());
  }
  PlotModel n = m;
  n.VarY = 7;
  EXPECT_TRUE(TraitsIso(n).empty());
}

TEST(TraceisoTest, DrawsInWorldUnitsOfALogAxisAndPrintsTheLabelAfterItsLine) {
  // y = 2^j: level 2.5 is a quarter up E1 and E2, at y = 2.5 in data units.
  PlotModel m = Modele(2, 2, {0, 10, 0, 10});
  m.Grille(2, 1, 1) = m.Grille(2, 2, 1) = 2;
  m.Grille(2, 1, 2) = m.Grille(2, 2, 2) = 4;
  m.YBase = 2;
  m.YMin = 1;
  m.YMax = 2;
  Arithmetique(m, 2.5f, 2.5f, 1);
  // Slope 4 through (1.5, 1.5): meets y = 2.5 at x = 1.75.
  Injecteur(m, 1.5f, 1.5f, 1.875f, 3.0f);
  SurfaceDouble s(100, 100, false);
  s.SetForeColor(RGB(255, 0, 0));
  Traceiso(m, s);
  ASSERT_EQ(s.journal, "LT");
  const double y = std::log2(2.5);
  EXPECT_DOUBLE_EQ(s.lines[0].x1, 1.0);
  EXPECT_NEAR(s.lines[0].y1, y, 1e-6);
  EXPECT_DOUBLE_EQ(s.lines[0].x2, 2.0);
  EXPECT_NEAR(s.lines[0].y2, y, 1e-6);
  EXPECT_EQ(s.lines[0].colour, RGB(255, 0, 0));
  EXPECT_NEAR(s.texts[0].x, 1.75, 1e-6);
  EXPECT_NEAR(s.texts[0].y, y, 1e-6);
  EXPECT_EQ(s.texts[0].text, "2.5E+0");
  EXPECT_EQ(s.texts[0].colour, RGB(255, 0, 0));

  // The window is tested in data units: 2^1.3 < 2.5 drops the segment.
  m.YMax = 1.3f;
  SurfaceDouble t(100, 100, false);
  Traceiso(m, t);
  EXPECT_EQ(t.journal, "");
}

// The tracing rules read literally: every cell, every level in loop order
// through the cell's Min/Max range test, the four strict edge tests, the
// crossings, the window and the label, with nothing skipped or reordered.
std::vector<TraitIso> Reference(const PlotModel& m) {
  auto mn = [](float a, float b) { return a < b ? a : b; };
  auto mx = [](float a, float b) { return b > a ? b : a; };
  auto traverse = [](float a, float b, float l) { return (a < l && l < b) || (b < l && l < a); };
  auto entre = [](float v, float a, float b) { return (a <= v && v <= b) || (b <= v && v <= a); };
  const int n = m.IsoReseau;
  const Grille& g = m.Grille;
  const int v = m.IsoVar;
  const std::vector<float> niveaux =
      Niveaux(m.ReseauProgression[n], m.IsoMin, m.IsoMax, m.IsoPas,
              std::span<const float>(m.TableNiveaux[n].data() + 1, m.NbValeursTable[n]));
  const float x0 = PuisBase(m.XBase, m.XMin), x1 = PuisBase(m.XBase, m.XMax);
  const float y0 = PuisBase(m.YBase, m.YMin), y1 = PuisBase(m.YBase, m.YMax);
  auto visible = [&](float x, float y) { return x0 <= x && x <= x1 && y0 <= y && y <= y1; };
  struct P {
    float x, y;
  };
  std::vector<TraitIso> traits;
  for (int i = 1; i < g.NI(); ++i) {
    for (int j = 1; j < g.NJ(); ++j) {
      const int ni[4] = {i, i, i + 1, i + 1}, nj[4] = {j, j + 1, j, j + 1};  // p q s u
      auto z = [&](int k) { return g(v, ni[k], nj[k]); };
      const float cmax = mx(mx(mx(z(0), z(1)), z(2)), z(3));
      const float cmin = mn(mn(mn(z(0), z(1)), z(2)), z(3));
      auto croise = [&](int a, int b, float l) {
        const double t = (static_cast<double>(l) - z(a)) / (static_cast<double>(z(b)) - z(a));
        const float xa = g(m.VarX, ni[a], nj[a]), xb = g(m.VarX, ni[b], nj[b]);
        const float ya = g(m.VarY, ni[a], nj[a]), yb = g(m.VarY, ni[b], nj[b]);
        return P{static_cast<float>(xa + t * (static_cast<double>(xb) - xa)),
                 static_cast<float>(ya + t * (static_cast<double>(yb) - ya))};
      };
      auto segment = [&](P a, P b, float l, bool etiquetable) {
        if (!visible(a.x, a.y) || !visible(b.x, b.y)) return;
        TraitIso t{a.x, a.y, b.x, b.y, l};
        const float larg = m.InjX2[n] - m.InjX1[n];
        if (etiquetable && m.InjPlace[n] == 1 && larg != 0.0f) {
          const float pente = (m.InjY2[n] - m.InjY1[n]) / larg;
          const float q = m.InjY1[n] - pente * m.InjX1[n];
          const float dx = b.x - a.x, dy = b.y - a.y, k = dx * a.y - a.x * dy;
          const float det = pente * dx - dy;
          if (det != 0.0f) {
            const float xe = (k - dx * q) / det, ye = (pente * k - dy * q) / det;
            if (entre(xe, a.x, b.x) && entre(ye, a.y, b.y) && entre(xe, m.InjX1[n], m.InjX2[n]) &&
                entre(ye, m.InjY1[n], m.InjY2[n])) {
              t.etiquette = true;
              t.xe = xe;
              t.ye = ye;
            }
          }
        }
        traits.push_back(t);
      };
      for (float l : niveaux) {
        if (l < cmin || l > cmax) continue;
        const bool e1 = traverse(z(0), z(1), l), e2 = traverse(z(2), z(3), l);
        const bool e3 = traverse(z(0), z(2), l), e4 = traverse(z(1), z(3), l);
        const int nombre = e1 + e2 + e3 + e4;
        if (nombre == 4) {
          segment(croise(0, 2, l), croise(1, 3, l), l, false);
          segment(croise(0, 1, l), croise(2, 3, l), l, false);
        } else if (nombre == 2) {
          const P a = e1 ? croise(0, 1, l) : e3 ? croise(0, 2, l) : croise(2, 3, l);
          const P b = e1   ? (e2   ? croise(2, 3, l)
                              : e3 ? croise(0, 2, l)
                                   : croise(1, 3, l))
                      : e3 ? (e2 ? croise(2, 3, l) : croise(1, 3, l))
                           : croise(1, 3, l);
          segment(a, b, l, true);
        }
      }
    }
  }
  return traits;
}

// Grids of several blocks of columns on coarse values, so that corners often
// equal one another and the levels, with a few NaN corners; levels few or
// many, rising, falling or in an unsorted table with repeats; part of the
// grid outside the window; a placed injector.
struct CasAleatoire {
  const char* nom;
  int progression;
  float min, max, pas;
  std::vector<float> table;
};

void PrintTo(const CasAleatoire& c, std::ostream* os) {
  *os << c.nom;
}

class GrilleAleatoire : public testing::TestWithParam<CasAleatoire> {};

TEST_P(GrilleAleatoire, TracesWhatTheLiteralRulesTrace) {
  const CasAleatoire& c = GetParam();
  const int ni = 700, nj = 7;
  std::mt19937 gen(17);
  std::uniform_int_distribution<int> valeur(0, 40);
  PlotModel m = ModeleDe(ni, nj, [&](int, int) {
    const int k = valeur(gen);
    return k == 0 ? std::numeric_limits<float>::quiet_NaN() : 0.25f * k;
  });
  for (int i = 1; i <= ni; ++i)
    for (int j = 1; j <= nj; ++j) m.Grille(1, i, j) += 0.01f * valeur(gen);
  m.XMax = 650.5f;
  m.YMin = 1.3f;
  m.ReseauProgression[1] = c.progression;
  m.IsoMin = c.min;
  m.IsoMax = c.max;
  m.IsoPas = c.pas;
  m.NbValeursTable[1] = static_cast<int>(c.table.size());
  for (size_t t = 0; t < c.table.size(); ++t) m.TableNiveaux[1][t + 1] = c.table[t];
  Injecteur(m, 3, 1, 640, 7);
  const std::vector<TraitIso> attendu = Reference(m);
  ASSERT_GT(attendu.size(), 100u);
  EXPECT_EQ(TraitsIso(m), attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Niveaux, GrilleAleatoire,
    testing::Values(CasAleatoire{"Montants", 1, 0.5f, 9.5f, 0.5f, {}},
                    CasAleatoire{"Descendants", 1, 9.25f, 0.0f, -0.75f, {}},
                    CasAleatoire{"Nombreux", 1, 0.0f, 10.0f, 0.03f, {}},
                    CasAleatoire{"Table", 3, 0, 0, 0, {5, 2.5f, 7.125f, 2.5f, 0.25f, 10, -1}}),
    [](const testing::TestParamInfo<CasAleatoire>& info) { return info.param.nom; });

TEST(TraceisoTest, EachLabelFollowsItsLineAmongManyLines) {
  // z = i + j on a wide grid: many levels, many segments, a few labels.
  const int ni = 300, nj = 6;
  PlotModel m = ModeleDe(ni, nj, [](int i, int j) { return static_cast<float>(i + 2 * j) + 0.5f; });
  Arithmetique(m, 4, 300, 1.5f);
  Injecteur(m, 1, 1, 300, 6);
  const std::vector<TraitIso> traits = TraitsIso(m);
  std::string attendu;
  for (const TraitIso& t : traits) attendu += t.etiquette ? "LT" : "L";
  ASSERT_NE(attendu.find('T'), std::string::npos);
  SurfaceDouble s(100, 100, false);
  Traceiso(m, s);
  EXPECT_EQ(s.journal, attendu);
  ASSERT_EQ(s.lines.size(), traits.size());
  for (size_t k = 0; k < traits.size(); ++k) {
    EXPECT_EQ(s.lines[k].x1, traits[k].x1);
    EXPECT_EQ(s.lines[k].y2, traits[k].y2);
  }
}

}  // namespace

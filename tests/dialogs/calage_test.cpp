#include "dialogs/calage.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// Six variables over a 2 x 2 grid; variable k runs from kMin[k] to kMax[k].
constexpr float kMin[] = {0, 0, 0.3f, 4, 0, -1, -180};
constexpr float kMax[] = {0, 10, 5, 4, 5, 1, 180};

PlotModel Modele() {
  PlotModel m;
  Grille g(6, 2, 2);
  for (int k = 1; k <= 6; ++k) {
    g(k, 1, 1) = g(k, 1, 2) = g(k, 2, 1) = kMin[k];
    g(k, 2, 2) = kMax[k];
  }
  m.Grille = std::move(g);
  m.NomVar = {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"};
  Initialise(m);
  return m;
}

struct CasLog {
  const char* nom;
  int var;
  int base;  // position in the list
  float min, max;
  const char* etiquette;
};

void PrintTo(const CasLog& c, std::ostream* os) {
  *os << c.nom;
}

class AxeLogarithmique : public testing::TestWithParam<CasLog> {};

TEST_P(AxeLogarithmique, TakesTheWholeExponentsAroundTheVariable) {
  const CasLog& c = GetParam();
  for (Axe a : {Axe::X, Axe::Y}) {
    PlotModel m = Modele();
    m.VarX = m.VarY = c.var;
    ASSERT_TRUE(BasculeAxe(m, a));
    ChoisitBase(m, a, c.base);
    const CadreAxe f = Rafraichit(m, a);
    const bool x = a == Axe::X;
    EXPECT_EQ(x ? m.XMin : m.YMin, c.min);
    EXPECT_EQ(x ? m.XMax : m.YMax, c.max);
    EXPECT_EQ(x ? m.XMajor : m.YMajor, 1.0f);
    EXPECT_EQ(x ? m.XTic : m.YTic, 1.0f);
    EXPECT_TRUE(x ? m.XLog : m.YLog);
    EXPECT_EQ(x ? m.XBase : m.YBase, static_cast<float>(c.base + 2));
    EXPECT_EQ(x ? m.XBaseIndex : m.YBaseIndex, c.base);
    EXPECT_EQ(f.bascule, "Logarithme");
    EXPECT_TRUE(f.baseVisible);
    EXPECT_EQ(f.base, c.etiquette);
  }
}

INSTANTIATE_TEST_SUITE_P(Bases, AxeLogarithmique,
                         testing::Values(CasLog{"De03A5Base2", 2, 0, -2, 3, "Base 2"},
                                         CasLog{"De03A5Base10", 2, 8, -1, 1, "Base 10"},
                                         CasLog{"De4A4Base2", 3, 0, 1, 2, "Base 2"},
                                         CasLog{"De4A4Base12", 3, 10, 0, 1, "Base 12"}),
                         [](const testing::TestParamInfo<CasLog>& info) { return info.param.nom; });

TEST(CalageTest, ALogAxisIsRefusedSilentlyUnlessTheVariableIsPositive) {
  for (int var : {4, 5}) {  // minimum 0, minimum -1
    PlotModel m = Modele();
    m.VarY = var;
    const CadreAxe avant = Rafraichit(m, Axe::Y);
    EXPECT_FALSE(BasculeAxe(m, Axe::Y));
    EXPECT_FALSE(m.YLog);
    EXPECT_EQ(m.YBase, 1.0f);
    EXPECT_EQ(Rafraichit(m, Axe::Y), avant);
  }
}

TEST(CalageTest, BackToLinearRestoresTheFullRangeAndResetsTheZoom) {
  PlotModel m = Modele();
  m.VarY = 2;
  ASSERT_TRUE(BasculeAxe(m, Axe::Y));
  m.YFormat = "0.00E+00";
  m.ZoomY1 = 1;
  m.ZoomY2 = 2;
  ASSERT_TRUE(BasculeAxe(m, Axe::Y));
  EXPECT_FALSE(m.YLog);
  EXPECT_EQ(m.YBase, 1.0f);
  EXPECT_EQ(m.YMin, 0.3f);
  EXPECT_EQ(m.YMax, 5.0f);
  EXPECT_NEAR(m.YMajor, 0.094f, 1e-6f);  // 2 % of 4.7
  EXPECT_EQ(m.YTic, 5.0f);
  EXPECT_EQ(m.YFormat, "#.##E+##");
  EXPECT_EQ(m.ZoomY1, 0.3f);
  EXPECT_EQ(m.ZoomY2, 5.0f);
  const CadreAxe f = Rafraichit(m, Axe::Y);
  EXPECT_EQ(f.bascule, "Linéaire");
  EXPECT_FALSE(f.baseVisible);
  EXPECT_EQ(f.base, "");
}

TEST(CalageTest, ABaseIsChosenOnALogAxisOnly) {
  PlotModel m = Modele();
  m.VarX = 2;
  ChoisitBase(m, Axe::X, 8);
  EXPECT_EQ(m.XBase, 1.0f);
  EXPECT_EQ(m.XMin, 0.0f);
  ASSERT_TRUE(BasculeAxe(m, Axe::X));
  for (int k : {-1, 11}) {
    ChoisitBase(m, Axe::X, k);
    EXPECT_EQ(m.XBase, 2.0f);
    EXPECT_EQ(m.XMin, -2.0f);
  }
}

struct CasNombre {
  const char* texte;
  float valeur;
  const char* reecrit;
};

TEST(CalageTest, NumericFieldsStoreTheLeadingNumberAsTyped) {
  const CasNombre cas[] = {{"1e3", 1000, "1000"},       {"abc", 0, "0"},
                           {"12,5", 12, "12"},          {" 0.5", 0.5f, "0.5"},
                           {"-2.25x", -2.25f, "-2.25"}, {"5.E-6", 5e-6f, "0.000005"}};
  for (const CasNombre& c : cas) {
    PlotModel m = Modele();
    EXPECT_EQ(StockeNombre(m, Axe::X, ChampAxe::Minimum, c.texte), c.reecrit) << c.texte;
    EXPECT_EQ(StockeNombre(m, Axe::Y, ChampAxe::Maximum, c.texte), c.reecrit) << c.texte;
    EXPECT_EQ(StockeNombre(m, Axe::X, ChampAxe::Espacement, c.texte), c.reecrit) << c.texte;
    EXPECT_EQ(StockeNombre(m, Axe::Y, ChampAxe::Graduations, c.texte), c.reecrit) << c.texte;
    EXPECT_EQ(m.XMin, c.valeur);
    EXPECT_EQ(m.YMax, c.valeur);
    EXPECT_EQ(m.XMajor, c.valeur);
    EXPECT_EQ(m.YTic, c.valeur);
  }
  // No ordering check: a minimum above the maximum stays.
  PlotModel m = Modele();
  StockeNombre(m, Axe::X, ChampAxe::Minimum, "50");
  EXPECT_EQ(m.XMin, 50.0f);
  EXPECT_EQ(m.XMax, 10.0f);
  EXPECT_EQ(Rafraichit(m, Axe::X).minimum, "50");
}

TEST(CalageTest, RefreshShowsEveryFieldInPlainDecimals) {
  PlotModel m = Modele();
  m.VarY = 2;
  m.YTitre = "Fréquence";
  m.YMin = 0.5f;
  m.YMax = 1250;
  m.YMajor = 0.1f;
  m.YTic = 5;
  m.YFormat = "###.####";
  CadreAxe attendu;
  attendu.nomVar = "Fréquencies";
  attendu.titre = "Fréquence";
  attendu.minimum = "0.5";
  attendu.maximum = "1250";
  attendu.espacement = "0.1";
  attendu.graduations = "5";
  attendu.format = "###.####";
  attendu.varMin = "0.3";
  attendu.varMax = "5";
  attendu.bascule = "Linéaire";
  EXPECT_EQ(Rafraichit(m, Axe::Y), attendu);
}

TEST(CalageTest, ChoosingAVariableResetsTheAxisUnlessItIsTheSame) {
  PlotModel m = Modele();
  m.VarY = 2;
  ASSERT_TRUE(BasculeAxe(m, Axe::Y));
  m.YTitre = "mon titre";
  const PlotModel avant = m;
  EXPECT_FALSE(ChoisitVariableAxe(m, Axe::Y, 2));
  EXPECT_EQ(Rafraichit(m, Axe::Y), Rafraichit(avant, Axe::Y));
  EXPECT_FALSE(ChoisitVariableAxe(m, Axe::Y, 7));
  EXPECT_FALSE(ChoisitVariableAxe(m, Axe::Y, 0));

  m.ZoomY1 = 0.7f;
  ASSERT_TRUE(ChoisitVariableAxe(m, Axe::Y, 6));
  EXPECT_EQ(m.VarY, 6);
  EXPECT_EQ(m.YTitre, "Phase");
  EXPECT_EQ(m.YMin, -180.0f);
  EXPECT_EQ(m.YMax, 180.0f);
  EXPECT_EQ(m.YTic, 5.0f);
  EXPECT_NEAR(m.YMajor, 7.2f, 1e-5f);
  EXPECT_EQ(m.YFormat, "#.##E+##");
  EXPECT_FALSE(m.YLog);
  EXPECT_EQ(m.YBase, 1.0f);
  EXPECT_EQ(m.ZoomY1, 0.7f);
}

TEST(CalageTest, TitlesAndFormatsAreStoredUnchanged) {
  PlotModel m = Modele();
  StockeTitre(m, Axe::X, "  Temps (s) ");
  StockeFormat(m, Axe::Y, "n'importe quoi");
  StockeTitre(m, Axe::Y, "");
  EXPECT_EQ(m.XTitre, "  Temps (s) ");
  EXPECT_EQ(m.YFormat, "n'importe quoi");
  EXPECT_EQ(m.YTitre, "");
}

}  // namespace

#include "dialogs/choix_variable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/calage.h"

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

TEST(ChoixVariableTest, EveryPurposeHasItsExactText) {
  const struct {
    Pour pour;
    const char* texte;
  } cas[] = {{Pour::AxeX, "Axe des X"},
             {Pour::AxeY, "Axe des Y"},
             {Pour::ColorMap, "Color Map"},
             {Pour::NouveauReseau, "Nouveau Réseau"},
             {Pour::ModificationReseau, "Modification Réseau"}};
  for (const auto& c : cas) {
    EXPECT_EQ(TextePour(c.pour), c.texte);
    EXPECT_EQ(PourDe(c.texte), c.pour);
  }
  for (const char* autre : {"", "axe des x", "Axe des X ", "Nouveau Reseau", "Axe des Z"}) {
    EXPECT_FALSE(PourDe(autre)) << autre;
  }
}

TEST(ChoixVariableTest, ListsTheVariablesInOrder) {
  EXPECT_EQ(ListeVariables(Modele()),
            (std::vector<std::string>{"Time", "Fréquencies", "Périod", "Power spectrum",
                                      "Amplitude", "Phase"}));
}

TEST(ChoixVariableTest, TheColourMapTakesTheChosenVariable) {
  PlotModel m = Modele();
  EXPECT_EQ(AppliqueChoix(m, "Color Map", 3), EffetChoix::ColorMap);
  EXPECT_EQ(m.VarCouleur, 4);
}

TEST(ChoixVariableTest, NoSelectionOrAnUnknownPurposeChangesNothing) {
  for (const char* pour :
       {"Axe des X", "Axe des Y", "Color Map", "Nouveau Réseau", "Modification Réseau"}) {
    PlotModel m = Modele();
    m.VarCouleur = 2;
    for (int position : {-1, 6, -7}) {
      EXPECT_EQ(AppliqueChoix(m, pour, position), EffetChoix::Aucun) << pour;
    }
    EXPECT_EQ(m.VarCouleur, 2);
    EXPECT_EQ(m.NbReseaux, 0);
    EXPECT_EQ(m.VarX, 1);
    EXPECT_EQ(m.VarY, 2);
  }
  PlotModel m = Modele();
  EXPECT_EQ(AppliqueChoix(m, "Couleurs", 3), EffetChoix::Aucun);
  EXPECT_EQ(m.VarCouleur, 0);
}

TEST(ChoixVariableTest, AxesTakeANewVariableOnly) {
  PlotModel m = Modele();
  ASSERT_TRUE(BasculeAxe(m, Axe::Y));
  const float yMin = m.YMin;
  EXPECT_EQ(AppliqueChoix(m, "Axe des Y", 1), EffetChoix::Aucun);
  EXPECT_TRUE(m.YLog);
  EXPECT_EQ(m.YMin, yMin);
  EXPECT_EQ(AppliqueChoix(m, "Axe des Y", 2), EffetChoix::Axe);
  EXPECT_EQ(m.VarY, 3);
  EXPECT_FALSE(m.YLog);
  EXPECT_EQ(AppliqueChoix(m, "Axe des X", 5), EffetChoix::Axe);
  EXPECT_EQ(m.VarX, 6);
  EXPECT_EQ(m.XTitre, "Phase");
}

TEST(ChoixVariableTest, NetworksAreCreatedAndChangedThroughTheChooser) {
  PlotModel m = Modele();
  EXPECT_EQ(AppliqueChoix(m, "Nouveau Réseau", 3), EffetChoix::ReseauCree);
  EXPECT_EQ(m.NbReseaux, 1);
  EXPECT_EQ(m.ReseauVar[1], 4);
  EXPECT_EQ(AppliqueChoix(m, "Modification Réseau", 3), EffetChoix::Aucun);
  EXPECT_EQ(AppliqueChoix(m, "Modification Réseau", 0), EffetChoix::ReseauModifie);
  EXPECT_EQ(m.ReseauVar[1], 1);
  EXPECT_EQ(m.NomReseau[1], "ISO-Time");
  EXPECT_EQ(m.NbReseaux, 1);
}

}  // namespace

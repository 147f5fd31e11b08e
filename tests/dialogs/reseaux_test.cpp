#include "dialogs/reseaux.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "dialogs/choix_variable.h"
#include "plot/niveaux.h"

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

// Every field of network n, to compare networks whole.
struct Reseau {
  std::string nom;
  int var, progression, place, nb;
  float min, max, pas, x1, y1, x2, y2;
  std::string format;
  std::array<float, 26> table;
  bool operator==(const Reseau&) const = default;
};

Reseau Lit(const PlotModel& m, int n) {
  return {
      m.NomReseau[n], m.ReseauVar[n], m.ReseauProgression[n], m.InjPlace[n],    m.NbValeursTable[n],
      m.ReseauMin[n], m.ReseauMax[n], m.ReseauPas[n],         m.InjX1[n],       m.InjY1[n],
      m.InjX2[n],     m.InjY2[n],     m.ReseauFormat[n],      m.TableNiveaux[n]};
}

void RemplitTable(PlotModel& m, int n, std::vector<float> valeurs) {
  m.NbValeursTable[n] = static_cast<int>(valeurs.size());
  for (size_t t = 0; t < valeurs.size(); ++t) m.TableNiveaux[n][t + 1] = valeurs[t];
}

TEST(ReseauxTest, TheSeventhAddIsRefusedWithSixVariables) {
  PlotModel m = Modele();
  for (int v = 0; v < 6; ++v) {
    EXPECT_FALSE(RefusAjoute(m));
    EXPECT_EQ(AppliqueChoix(m, "Nouveau Réseau", v), EffetChoix::ReseauCree);
  }
  const std::optional<MessageMoteur> refus = RefusAjoute(m);
  ASSERT_TRUE(refus);
  EXPECT_EQ(refus->texte, "Maximum atteint");
  EXPECT_EQ(refus->titre, "Nouveau reseau");
  // The chooser refuses silently in that state too.
  EXPECT_FALSE(CreeReseau(m, 1));
  EXPECT_EQ(AppliqueChoix(m, "Nouveau Réseau", 0), EffetChoix::Aucun);
  EXPECT_EQ(m.NbReseaux, 6);
  EXPECT_EQ(ListeReseaux(m),
            (std::vector<std::string>{"ISO-Time", "ISO-Fréquencies", "ISO-Périod",
                                      "ISO-Power spectrum", "ISO-Amplitude", "ISO-Phase"}));
}

TEST(ReseauxTest, ANewNetworkSpansItsVariableInTenSteps) {
  PlotModel m = Modele();
  RemplitTable(m, 1, {7, 8});  // left in the slot by an earlier network
  ASSERT_TRUE(CreeReseau(m, 4));
  EXPECT_EQ(m.NbReseaux, 1);
  EXPECT_EQ(m.ReseauCourant, 1);
  const Reseau r = Lit(m, 1);
  EXPECT_EQ(r.nom, "ISO-Power spectrum");
  EXPECT_EQ(r.var, 4);
  EXPECT_EQ(r.min, 0.0f);
  EXPECT_EQ(r.max, 5.0f);
  EXPECT_EQ(r.pas, 0.5f);
  EXPECT_EQ(r.progression, 1);
  EXPECT_EQ(r.format, "#.#E+##");
  EXPECT_EQ(r.place, 0);
  // Linear axes over Time 0..10 and Fréquencies 0.3..5: from the centre to
  // the top-right corner.
  EXPECT_EQ(r.x1, 5.0f);
  EXPECT_EQ(r.y1, 2.65f);
  EXPECT_EQ(r.x2, 10.0f);
  EXPECT_EQ(r.y2, 5.0f);
  EXPECT_EQ(r.nb, 2);
  EXPECT_EQ(r.table[2], 8.0f);
  EXPECT_EQ(Niveaux(r.progression, r.min, r.max, r.pas, {}),
            (std::vector<float>{0, .5f, 1, 1.5f, 2, 2.5f, 3, 3.5f, 4, 4.5f, 5}));
  EXPECT_FALSE(CreeReseau(m, 7));
  EXPECT_FALSE(CreeReseau(m, 0));
  EXPECT_EQ(m.NbReseaux, 1);
}

TEST(ReseauxTest, ChangingTheVariableResetsTheNetworkButKeepsPlacementAndTable) {
  PlotModel m = Modele();
  ASSERT_TRUE(CreeReseau(m, 4));
  m.NomReseau[1] = "mon réseau";
  m.ReseauMin[1] = 1;
  m.ReseauProgression[1] = 3;
  m.InjPlace[1] = 1;
  m.InjX1[1] = 9;
  RemplitTable(m, 1, {1, 2, 3});
  const Reseau avant = Lit(m, 1);
  EXPECT_FALSE(ChangeVariableReseau(m, 4));
  EXPECT_EQ(Lit(m, 1), avant);

  ASSERT_TRUE(ChangeVariableReseau(m, 6));
  const Reseau r = Lit(m, 1);
  EXPECT_EQ(r.nom, "ISO-Phase");
  EXPECT_EQ(r.var, 6);
  EXPECT_EQ(r.min, -180.0f);
  EXPECT_EQ(r.max, 180.0f);
  EXPECT_EQ(r.pas, 36.0f);
  EXPECT_EQ(r.progression, 1);
  EXPECT_EQ(r.format, "#.##E+##");
  EXPECT_EQ(r.x1, 5.0f);
  EXPECT_EQ(r.place, 1);
  EXPECT_EQ(r.nb, 3);
  EXPECT_EQ(r.table, avant.table);
  EXPECT_EQ(m.NbReseaux, 1);
}

TEST(ReseauxTest, DeletingMovesTheLaterNetworksDownWithTheirTables) {
  PlotModel m = Modele();
  for (int v : {1, 2, 3}) ASSERT_TRUE(CreeReseau(m, v));
  RemplitTable(m, 1, {1});
  RemplitTable(m, 2, {2, 2});
  RemplitTable(m, 3, {10, 20, 30});
  m.InjPlace[3] = 1;
  m.ReseauFormat[3] = "0.00E+00";
  const Reseau premier = Lit(m, 1), troisieme = Lit(m, 3);

  EXPECT_FALSE(SupprimeReseau(m, 3));
  EXPECT_FALSE(SupprimeReseau(m, -1));
  ASSERT_TRUE(SupprimeReseau(m, 1));
  EXPECT_EQ(m.NbReseaux, 2);
  EXPECT_EQ(m.ReseauCourant, 2);
  EXPECT_EQ(Lit(m, 1), premier);
  EXPECT_EQ(Lit(m, 2), troisieme);
  EXPECT_EQ(Lit(m, 3), troisieme);  // the last slot keeps its old contents
  EXPECT_EQ(ListeReseaux(m), (std::vector<std::string>{"ISO-Time", "ISO-Périod"}));
}

class TableFixture : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreeReseau(m, 4));
    tableau.Charge(m);
  }
  void Tape(const std::string& texte) {
    tableau.entree = texte;
    EXPECT_FALSE(tableau.Ajoute(m));
  }

  PlotModel m = Modele();
  TableauValeurs tableau;
};

TEST_F(TableFixture, AddsEntriesAsTypedAndTheirNumbersToTheTable) {
  Tape("12,5");
  Tape("");
  Tape("1e3");
  EXPECT_EQ(tableau.entree, "");
  EXPECT_EQ(tableau.Liste(), (std::vector<std::string>{"12,5", "1e3"}));
  EXPECT_EQ(m.NbValeursTable[1], 2);
  EXPECT_EQ(m.TableNiveaux[1][1], 12.0f);
  EXPECT_EQ(m.TableNiveaux[1][2], 1000.0f);
  TableauValeurs rouvert;
  rouvert.Charge(m);
  EXPECT_EQ(rouvert.Liste(), (std::vector<std::string>{"12", "1000"}));
}

TEST_F(TableFixture, HoldsAtMostTwentyFiveValues) {
  for (int t = 1; t <= kValeursTableMax; ++t) Tape(std::to_string(t));
  tableau.entree = "26";
  const std::optional<MessageMoteur> refus = tableau.Ajoute(m);
  ASSERT_TRUE(refus);
  EXPECT_EQ(refus->texte, "Maximum atteint");
  EXPECT_EQ(refus->titre, "Tableau de valeurs");
  EXPECT_EQ(tableau.entree, "26");
  EXPECT_EQ(m.NbValeursTable[1], 25);
  EXPECT_EQ(tableau.Liste().size(), 25u);
  EXPECT_EQ(m.TableNiveaux[1][25], 25.0f);
}

TEST_F(TableFixture, RemovingTheMiddleValueMovesTheLastUp) {
  for (const char* v : {"10", "20", "30"}) Tape(v);
  tableau.Ote(m, -1);
  tableau.Ote(m, 3);
  EXPECT_EQ(m.NbValeursTable[1], 3);
  tableau.Ote(m, 1);
  EXPECT_EQ(tableau.Liste(), (std::vector<std::string>{"10", "30"}));
  EXPECT_EQ(m.NbValeursTable[1], 2);
  EXPECT_EQ(m.TableNiveaux[1][1], 10.0f);
  EXPECT_EQ(m.TableNiveaux[1][2], 30.0f);
  EXPECT_EQ(Niveaux(3, 0, 0, 0, {&m.TableNiveaux[1][1], 2}), (std::vector<float>{10, 30}));
}

TEST(ReseauxTest, ClosingTheDialogUnchangedKeepsEveryNumber) {
  PlotModel m = Modele();
  ASSERT_TRUE(CreeReseau(m, 2));
  const float valeurs[][3] = {
      {0.5f, 5, 0.5f}, {0.1f, 1.0f / 3, 1e-7f}, {-2.0f / 7, 16777215, 3.3e-3f}};
  for (const auto& v : valeurs) {
    m.ReseauMin[1] = v[0];
    m.ReseauMax[1] = v[1];
    m.ReseauPas[1] = v[2];
    const Reseau avant = Lit(m, 1);
    EXPECT_FALSE(RelitReseau(m, ChampsDuReseau(m)));
    EXPECT_EQ(Lit(m, 1), avant);
  }
  const ChampsReseau c = ChampsDuReseau(m);
  EXPECT_EQ(c.Label2, "Fréquencies");
  EXPECT_EQ(c.Label10, "0.3");
  EXPECT_EQ(c.Label11, "5");
  m.ReseauMin[1] = 0.5f;
  EXPECT_EQ(ChampsDuReseau(m).Text2, "0.5");
}

TEST(ReseauxTest, ClosingTheDialogStoresItsFields) {
  PlotModel m = Modele();
  ASSERT_TRUE(CreeReseau(m, 4));
  ChampsReseau c = ChampsDuReseau(m);
  c.Text1 = "Puissance";
  c.Text2 = "12,5";
  c.Text3 = "40abc";
  c.Text4 = "2.5E0";
  c.Text5 = "###.####";
  EXPECT_FALSE(RelitReseau(m, c));
  const Reseau r = Lit(m, 1);
  EXPECT_EQ(r.nom, "Puissance");
  EXPECT_EQ(r.min, 12.0f);
  EXPECT_EQ(r.max, 40.0f);
  EXPECT_EQ(r.pas, 2.5f);
  EXPECT_EQ(r.format, "###.####");
}

struct CasRefus {
  const char* nom;
  int progression;
  const char* min;
  const char* max;
  const char* pas;
  const char* message;  // nullptr: accepted
};

void PrintTo(const CasRefus& c, std::ostream* os) {
  *os << c.nom;
}

class Progression : public testing::TestWithParam<CasRefus> {};

TEST_P(Progression, RefusesWhatWouldNeverEndAndKeepsTheNetwork) {
  const CasRefus& c = GetParam();
  PlotModel m = Modele();
  ASSERT_TRUE(CreeReseau(m, 4));
  ChoisitProgression(m, c.progression);
  const Reseau avant = Lit(m, 1);
  ChampsReseau champs = ChampsDuReseau(m);
  champs.Text1 = "autre nom";
  champs.Text2 = c.min;
  champs.Text3 = c.max;
  champs.Text4 = c.pas;
  const std::optional<MessageMoteur> refus = RelitReseau(m, champs);
  if (c.message == nullptr) {
    EXPECT_FALSE(refus);
    EXPECT_EQ(m.NomReseau[1], "autre nom");
    return;
  }
  ASSERT_TRUE(refus);
  EXPECT_EQ(refus->texte, c.message);
  EXPECT_EQ(refus->titre, "Mise en place du reseau");
  EXPECT_EQ(Lit(m, 1), avant);
}

INSTANTIATE_TEST_SUITE_P(
    Reseau, Progression,
    testing::Values(CasRefus{"ArithmetiqueMontante", 1, "0", "1", "0.1", nullptr},
                    CasRefus{"ArithmetiqueDescendante", 1, "1", "0", "-0.1", nullptr},
                    CasRefus{"ArithmetiqueUnSeulNiveau", 1, "2", "2", "-3", nullptr},
                    CasRefus{"PasNul", 1, "0", "1", "0", kPasNul},
                    CasRefus{"PasIllisible", 1, "0", "1", "abc", kPasNul},
                    CasRefus{"PasNegatifVersLeHaut", 1, "0", "1", "-0.1", kPasAContresens},
                    CasRefus{"PasPositifVersLeBas", 1, "1", "0", "0.1", kPasAContresens},
                    CasRefus{"Geometrique", 2, "1", "1000", "10", nullptr},
                    CasRefus{"RaisonUn", 2, "1", "1000", "1", kRaisonTropPetite},
                    CasRefus{"RaisonDemi", 2, "1", "1000", "0.5", kRaisonTropPetite},
                    CasRefus{"RaisonNegative", 2, "1", "1000", "-2", kRaisonTropPetite},
                    CasRefus{"DepartNul", 2, "0", "1000", "10", kMinimumGeometrique},
                    CasRefus{"DepartNegatif", 2, "-1", "1000", "10", kMinimumGeometrique},
                    CasRefus{"TableSansContrainte", 3, "0", "-5", "0", nullptr},
                    CasRefus{"MinimumTropGrand", 3, "1e39", "1", "1", kMinimumHorsLimites},
                    CasRefus{"MaximumTropGrand", 1, "0", "-1e39", "1", kMaximumHorsLimites},
                    CasRefus{"PasTropGrand", 1, "0", "1", "1e40", kPasHorsLimites}),
    [](const testing::TestParamInfo<CasRefus>& info) { return info.param.nom; });

TEST(ReseauxTest, TheProgressionOptionIsStoredAtOnce) {
  PlotModel m = Modele();
  ASSERT_TRUE(CreeReseau(m, 4));
  ChoisitProgression(m, 3);
  EXPECT_EQ(m.ReseauProgression[1], 3);
  EXPECT_TRUE(ChampsDuReseau(m).accesTableau);
  ChoisitProgression(m, 4);
  ChoisitProgression(m, 0);
  EXPECT_EQ(m.ReseauProgression[1], 3);
}

TEST(ReseauxTest, ChoosingTheNetworkToDocumentSwitchesTheMode) {
  PlotModel m = Modele();
  for (int v : {1, 2}) ASSERT_TRUE(CreeReseau(m, v));
  m.ModeZoom = 1;
  ChargeChoixNiveau(m);
  EXPECT_EQ(m.ReseauDoc, -1);
  for (int p : {-1, 2}) {
    AccepteChoixNiveau(m, p);
    EXPECT_EQ(m.ReseauDoc, -1);
    EXPECT_EQ(m.ModeDoc, 0);
    EXPECT_EQ(m.ModeZoom, 1);
  }
  AccepteChoixNiveau(m, 1);
  EXPECT_EQ(m.ReseauDoc, 2);
  EXPECT_EQ(m.ModeDoc, 1);
  EXPECT_EQ(m.ModeZoom, 0);
}

}  // namespace

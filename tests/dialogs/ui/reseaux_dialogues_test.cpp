#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <ostream>

#include "dialogs/calage_nombre.h"
#include "dialogs/reseaux.h"
#include "dialogs/ui/choisirfonc.h"
#include "dialogs/ui/choixniveau.h"
#include "dialogs/ui/dialogues_reseaux.h"
#include "dialogs/ui/fgereiso.h"
#include "dialogs/ui/fisov.h"
#include "dialogs/ui/reglages_fixture.h"
#include "dialogs/ui/tableau.h"

namespace {

constexpr int kPower = 4;
constexpr int kAmplitude = 5;

QStringList Lignes(const QListWidget* liste) {
  QStringList lignes;
  for (int k = 0; k < liste->count(); ++k) lignes << liste->item(k)->text();
  return lignes;
}

void Entre(QLineEdit* champ, const QString& texte) {
  Taper(champ, texte);
  QTest::keyClick(champ, Qt::Key_Return);
}

template <class Fenetre>
bool Ouvert(const Fenetre* f) {
  return f && f->isVisible();
}

// The plot window of an analysis with its settings dialogs, the list of
// networks opened from its menu.
class ReseauxDialoguesTest : public ReglagesTest {
 protected:
  void SetUp() override {
    ReglagesTest::SetUp();
    r = Dialogue<DialoguesReseaux>();
    ASSERT_NE(r, nullptr);
    w->Niveaux->trigger();
  }

  // The variable chooser, opened for `pour`, takes `variable`.
  void Choisit(int variable, const char* pour = "Nouveau Réseau") {
    Choisirfonc* c = Dialogue<Choisirfonc>();
    ASSERT_TRUE(Ouvert(c));
    EXPECT_EQ(c->Label2->text(), QString::fromUtf8(pour));
    CliquerLigne(c->Variables, variable - 1);
    Cliquer(c->Accepte);
  }

  PlotModel& M() { return w->Modele(); }

  void Remplit(const QString& nom, const QString& min, const QString& max, const QString& pas) {
    Fisov* f = r->Reseau();
    Taper(f->Text1, nom);
    Taper(f->Text2, min);
    Taper(f->Text3, max);
    Taper(f->Text4, pas);
  }

  // Network 1: power from 1 to 2 in steps of 0.25. Network 2: power at the
  // levels 1.2 and 1.8 of a table of values.
  void DefinitDeuxReseaux() {
    QTest::mouseClick(r->Gereiso()->Ajoute, Qt::LeftButton);
    Choisit(kPower);
    Remplit("ISO-Power spectrum", "1", "2", "0.25");
    QTest::mouseClick(r->Reseau()->Accepte, Qt::LeftButton);

    QTest::mouseClick(r->Gereiso()->Ajoute, Qt::LeftButton);
    Choisit(kPower);
    Fisov* f = r->Reseau();
    QTest::mouseClick(f->Option[2], Qt::LeftButton);
    ASSERT_TRUE(f->AccesTableau->isVisible());
    QTest::mouseClick(f->AccesTableau, Qt::LeftButton);
    Tableau* t = r->Table();
    ASSERT_TRUE(Ouvert(t));
    Entre(t->Entree, "1.2");
    Entre(t->Entree, "1.8");
    QTest::mouseClick(t->Accepte, Qt::LeftButton);
    Taper(f->Text1, "Table puissance");
    QTest::mouseClick(f->Accepte, Qt::LeftButton);
  }

  // Pixel p has the hue of the pure colour c, whatever the smoothing of the
  // text mixed into it: the channels full in c stand clearly above the
  // others.
  static bool Teinte(QRgb p, QRgb c) {
    const int canaux[] = {qRed(p), qGreen(p), qBlue(p)};
    const int pleins[] = {qRed(c), qGreen(c), qBlue(c)};
    int bas = 255, haut = 0;
    for (int k = 0; k < 3; ++k) {
      if (pleins[k] == 255) bas = std::min(bas, canaux[k]);
      if (pleins[k] == 0) haut = std::max(haut, canaux[k]);
    }
    return bas - haut > 60;
  }

  // Pixels of the hue of c in the band of the plot frame between the fractions
  // `de` and `a` of its height from the top. The network names are printed
  // in the top fifth.
  int Pixels(QRgb c, double de, double a) const {
    const PlotModel& m = w->Modele();
    const QPoint hautGauche = PixelDe(m.XMin, m.YMax);
    const QPoint basDroite = PixelDe(m.XMax, m.YMin);
    const int hauteur = basDroite.y() - hautGauche.y();
    int n = 0;
    for (int y = hautGauche.y() + static_cast<int>(de * hauteur);
         y < hautGauche.y() + static_cast<int>(a * hauteur); ++y) {
      for (int x = hautGauche.x() + 1; x < basDroite.x(); ++x) {
        n += Teinte(w->Picture->surface().PixelAt(x, y), c);
      }
    }
    return n;
  }
  int PixelsDesNoms(QRgb c) const { return Pixels(c, 0, 0.2); }
  int PixelsDesLignes(QRgb c) const { return Pixels(c, 0.25, 1); }

  DialoguesReseaux* r = nullptr;
};

TEST_F(ReseauxDialoguesTest, TheMenuOpensTheListInIsoLevelModeWithItsCaptions) {
  EXPECT_EQ(M().VarCouleur, 0);
  FGereiso* g = r->Gereiso();
  ASSERT_TRUE(Ouvert(g));
  EXPECT_EQ(g->windowTitle(), QString::fromUtf8("Mise en place des réseaux d' iso-valeurs"));
  EXPECT_EQ(g->Ajoute->text(), "AJOUTE");
  EXPECT_EQ(g->Modifie->text(), "MODIFIE");
  EXPECT_EQ(g->Supprime->text(), "SUPPRIME");
  EXPECT_EQ(g->Accepte->text(), "ACCEPTE");
  EXPECT_EQ(g->Listiso->count(), 0);

  QTest::mouseClick(g->Ajoute, Qt::LeftButton);
  Choisit(kPower);
  Fisov* f = r->Reseau();
  ASSERT_TRUE(Ouvert(f));
  EXPECT_EQ(f->windowTitle(), "Mise en place du reseau");
  EXPECT_EQ(f->Label2->text(), "Power spectrum");
  EXPECT_EQ(f->Text1->text(), "ISO-Power spectrum");
  EXPECT_EQ(f->Text2->text().toStdString(), TexteDecimal(M().VarMin[kPower]));
  EXPECT_EQ(f->Text3->text().toStdString(), TexteDecimal(M().VarMax[kPower]));
  EXPECT_EQ(f->Label10->text(), f->Text2->text());
  EXPECT_EQ(f->Label11->text(), f->Text3->text());
  EXPECT_EQ(f->Text5->text(), "#.#E+##");
  EXPECT_TRUE(f->Option[0]->isChecked());
  EXPECT_EQ(f->Option[0]->text(), QString::fromUtf8("Arithmétique"));
  EXPECT_EQ(f->Option[1]->text(), QString::fromUtf8("Géométrique"));
  EXPECT_EQ(f->Option[2]->text(), "Tableau de valeurs");
  EXPECT_FALSE(f->AccesTableau->isVisible());
  EXPECT_EQ(Lignes(g->Listiso), QStringList{"ISO-Power spectrum"});

  // Closing without a change keeps every number as it was.
  const float min = M().ReseauMin[1], max = M().ReseauMax[1], pas = M().ReseauPas[1];
  QTest::mouseClick(f->Accepte, Qt::LeftButton);
  EXPECT_FALSE(Ouvert(f));
  EXPECT_EQ(M().ReseauMin[1], min);
  EXPECT_EQ(M().ReseauMax[1], max);
  EXPECT_EQ(M().ReseauPas[1], pas);
  EXPECT_TRUE(tp.messages.shown.empty());

  QTest::mouseClick(g->Accepte, Qt::LeftButton);
  EXPECT_FALSE(Ouvert(g));
}

TEST_F(ReseauxDialoguesTest, TwoNetworksOnPowerAreListedStoredAndDrawnInTheirColours) {
  const QRgb rouge = qRgb(255, 0, 0), vert = qRgb(0, 255, 0);
  w->Redraw->trigger();
  EXPECT_EQ(PixelsDesNoms(rouge), 0);
  EXPECT_EQ(PixelsDesNoms(vert), 0);
  EXPECT_EQ(PixelsDesLignes(rouge), 0);
  EXPECT_EQ(PixelsDesLignes(vert), 0);

  DefinitDeuxReseaux();
  EXPECT_EQ(Lignes(r->Gereiso()->Listiso), (QStringList{"ISO-Power spectrum", "Table puissance"}));
  const PlotModel& m = M();
  ASSERT_EQ(m.NbReseaux, 2);
  EXPECT_EQ(m.ReseauVar[1], kPower);
  EXPECT_EQ(m.ReseauMin[1], 1.0f);
  EXPECT_EQ(m.ReseauMax[1], 2.0f);
  EXPECT_EQ(m.ReseauPas[1], 0.25f);
  EXPECT_EQ(m.ReseauProgression[1], 1);
  EXPECT_EQ(m.NomReseau[2], "Table puissance");
  EXPECT_EQ(m.ReseauProgression[2], 3);
  ASSERT_EQ(m.NbValeursTable[2], 2);
  EXPECT_EQ(m.TableNiveaux[2][1], 1.2f);
  EXPECT_EQ(m.TableNiveaux[2][2], 1.8f);

  w->Redraw->trigger();
  EXPECT_GT(PixelsDesNoms(rouge), 20);
  EXPECT_GT(PixelsDesNoms(vert), 20);
  EXPECT_GT(PixelsDesLignes(rouge), 200);
  EXPECT_GT(PixelsDesLignes(vert), 100);
}

TEST_F(ReseauxDialoguesTest, ModifyReloadsTheSelectedNetworkAndDeleteMovesTheNextOneDown) {
  DefinitDeuxReseaux();
  FGereiso* g = r->Gereiso();
  QTest::mouseClick(g->Modifie, Qt::LeftButton);  // nothing selected
  EXPECT_FALSE(Ouvert(r->Reseau()));

  CliquerLigne(g->Listiso, 0);
  QTest::mouseClick(g->Modifie, Qt::LeftButton);
  Fisov* f = r->Reseau();
  ASSERT_TRUE(Ouvert(f));
  EXPECT_EQ(M().ReseauCourant, 1);
  EXPECT_EQ(f->Text2->text(), "1");
  EXPECT_EQ(f->Text4->text(), "0.25");
  Taper(f->Text1, "Puissance");
  Taper(f->Text3, "2.5");
  QTest::mouseClick(f->Accepte, Qt::LeftButton);
  EXPECT_EQ(M().ReseauMax[1], 2.5f);
  EXPECT_EQ(Lignes(g->Listiso), (QStringList{"Puissance", "Table puissance"}));

  CliquerLigne(g->Listiso, 0);
  QTest::mouseClick(g->Supprime, Qt::LeftButton);
  EXPECT_EQ(Lignes(g->Listiso), QStringList{"Table puissance"});
  ASSERT_EQ(M().NbReseaux, 1);
  EXPECT_EQ(M().NomReseau[1], "Table puissance");
  EXPECT_EQ(M().ReseauProgression[1], 3);
  ASSERT_EQ(M().NbValeursTable[1], 2);
  EXPECT_EQ(M().TableNiveaux[1][2], 1.8f);

  // The table network now draws in the colour of network 1.
  w->Redraw->trigger();
  EXPECT_GT(PixelsDesNoms(qRgb(255, 0, 0)), 20);
  EXPECT_EQ(PixelsDesNoms(qRgb(0, 255, 0)), 0);
  EXPECT_GT(PixelsDesLignes(qRgb(255, 0, 0)), 100);
  EXPECT_EQ(PixelsDesLignes(qRgb(0, 255, 0)), 0);
}

struct ProgressionSansFin {
  const char* nom;
  int option;  // 0 arithmetic, 1 geometric
  const char *min, *max, *pas;
  const char* message;
};

void PrintTo(const ProgressionSansFin& c, std::ostream* os) {
  *os << c.nom;
}

class ProgressionSansFinTest : public ReseauxDialoguesTest,
                               public testing::WithParamInterface<ProgressionSansFin> {};

TEST_P(ProgressionSansFinTest, IsRefusedOnAcceptAndLeavesTheNetworkAsItWas) {
  const ProgressionSansFin& c = GetParam();
  QTest::mouseClick(r->Gereiso()->Ajoute, Qt::LeftButton);
  Choisit(kPower);
  Fisov* f = r->Reseau();
  const float min = M().ReseauMin[1], max = M().ReseauMax[1], pas = M().ReseauPas[1];
  QTest::mouseClick(f->Option[c.option], Qt::LeftButton);
  Remplit("Sans fin", c.min, c.max, c.pas);
  QTest::mouseClick(f->Accepte, Qt::LeftButton);

  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, c.message);
  EXPECT_EQ(tp.messages.shown[0].title, "Mise en place du reseau");
  EXPECT_TRUE(Ouvert(f));  // still there to be corrected
  EXPECT_EQ(M().NomReseau[1], "ISO-Power spectrum");
  EXPECT_EQ(M().ReseauMin[1], min);
  EXPECT_EQ(M().ReseauMax[1], max);
  EXPECT_EQ(M().ReseauPas[1], pas);

  // Closing the window by other means is refused the same way.
  f->close();
  EXPECT_TRUE(Ouvert(f));
  EXPECT_EQ(tp.messages.shown.size(), 2u);

  Remplit("Avec fin", "1", "2", "1.5");
  QTest::mouseClick(f->Accepte, Qt::LeftButton);
  EXPECT_FALSE(Ouvert(f));
  EXPECT_EQ(M().NomReseau[1], "Avec fin");
  EXPECT_EQ(M().ReseauPas[1], 1.5f);
}

INSTANTIATE_TEST_SUITE_P(
    Fisov, ProgressionSansFinTest,
    testing::Values(ProgressionSansFin{"PasNul", 0, "1", "2", "0", kPasNul},
                    ProgressionSansFin{"PasAContresens", 0, "1", "2", "-0.25", kPasAContresens},
                    ProgressionSansFin{"RaisonUn", 1, "1", "2", "1", kRaisonTropPetite},
                    ProgressionSansFin{"RaisonDemi", 1, "1", "2", "0.5", kRaisonTropPetite},
                    ProgressionSansFin{"DepartNul", 1, "0", "2", "2", kMinimumGeometrique}),
    [](const testing::TestParamInfo<ProgressionSansFin>& i) { return i.param.nom; });

TEST_F(ReseauxDialoguesTest, ModifyWhileTheDialogIsOpenStoresItsNetworkThenLoadsTheSelectedOne) {
  DefinitDeuxReseaux();
  FGereiso* g = r->Gereiso();
  CliquerLigne(g->Listiso, 0);
  QTest::mouseClick(g->Modifie, Qt::LeftButton);
  Fisov* f = r->Reseau();
  Taper(f->Text3, "1.75");

  CliquerLigne(g->Listiso, 1);
  QTest::mouseClick(g->Modifie, Qt::LeftButton);
  EXPECT_EQ(r->Reseau(), f);  // the same window, reloaded
  EXPECT_EQ(M().ReseauCourant, 2);
  EXPECT_EQ(M().ReseauMax[1], 1.75f);
  EXPECT_EQ(f->Text1->text(), "Table puissance");
  EXPECT_TRUE(f->Option[2]->isChecked());
  EXPECT_TRUE(f->AccesTableau->isVisible());

  // An endless progression typed for network 2 is refused on the way to
  // network 1, and network 2 keeps its table progression.
  QTest::mouseClick(f->Option[0], Qt::LeftButton);
  Taper(f->Text4, "0");
  CliquerLigne(g->Listiso, 0);
  QTest::mouseClick(g->Modifie, Qt::LeftButton);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, kPasNul);
  EXPECT_EQ(M().ReseauProgression[2], 3);
  EXPECT_EQ(f->Text1->text(), "ISO-Power spectrum");
  EXPECT_EQ(f->Text3->text(), "1.75");
}

TEST_F(ReseauxDialoguesTest, DeletingAnotherNetworkKeepsTheOpenDialogsOnTheirOwn) {
  DefinitDeuxReseaux();
  FGereiso* g = r->Gereiso();
  CliquerLigne(g->Listiso, 1);
  QTest::mouseClick(g->Modifie, Qt::LeftButton);
  Fisov* f = r->Reseau();
  QTest::mouseClick(f->AccesTableau, Qt::LeftButton);
  Tableau* t = r->Table();
  Taper(f->Text1, "Renomme");

  CliquerLigne(g->Listiso, 0);
  QTest::mouseClick(g->Supprime, Qt::LeftButton);
  ASSERT_EQ(M().NbReseaux, 1);
  EXPECT_EQ(M().ReseauCourant, 1);
  ASSERT_TRUE(Ouvert(f) && Ouvert(t));
  Entre(t->Entree, "2.2");
  ASSERT_EQ(M().NbValeursTable[1], 3);
  EXPECT_EQ(M().TableNiveaux[1][3], 2.2f);
  QTest::mouseClick(f->Accepte, Qt::LeftButton);
  EXPECT_EQ(M().NomReseau[1], "Renomme");
  EXPECT_EQ(Lignes(g->Listiso), QStringList{"Renomme"});

  // Deleting the network being edited closes its dialogs without writing.
  CliquerLigne(g->Listiso, 0);
  QTest::mouseClick(g->Modifie, Qt::LeftButton);
  f = r->Reseau();
  Taper(f->Text1, "Perdu");
  QTest::mouseClick(g->Supprime, Qt::LeftButton);
  EXPECT_FALSE(Ouvert(f));
  EXPECT_FALSE(Ouvert(t));
  EXPECT_EQ(M().NbReseaux, 0);
  EXPECT_EQ(M().NomReseau[1], "Renomme");  // the slot keeps its old contents
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(ReseauxDialoguesTest, ANewVariableRefreshesTheOpenDialogAndTheList) {
  QTest::mouseClick(r->Gereiso()->Ajoute, Qt::LeftButton);
  Choisit(kPower);
  Fisov* f = r->Reseau();
  Taper(f->Text2, "1.1");
  QTest::mouseClick(f->ChoixReseau, Qt::LeftButton);
  Choisit(kAmplitude, "Modification Réseau");
  EXPECT_EQ(f->Label2->text(), "Amplitude");
  EXPECT_EQ(f->Text1->text(), "ISO-Amplitude");
  EXPECT_EQ(f->Text2->text().toStdString(), TexteDecimal(M().VarMin[kAmplitude]));
  EXPECT_EQ(f->Text5->text(), "#.##E+##");
  EXPECT_EQ(Lignes(r->Gereiso()->Listiso), QStringList{"ISO-Amplitude"});
  QTest::mouseClick(f->Accepte, Qt::LeftButton);
  EXPECT_EQ(M().ReseauVar[1], kAmplitude);
  EXPECT_EQ(M().ReseauMin[1], M().VarMin[kAmplitude]);
}

TEST_F(ReseauxDialoguesTest, NumericFieldsAreRewrittenWhenTheyLoseTheFocus) {
  QTest::mouseClick(r->Gereiso()->Ajoute, Qt::LeftButton);
  Choisit(kPower);
  Fisov* f = r->Reseau();
  const struct {
    QLineEdit* champ;
    const char* tape;
    const char* lu;
  } cas[] = {{f->Text2, "12,5", "12"}, {f->Text3, "abc", "0"}, {f->Text4, "5.E-6", "0.000005"}};
  Active(f);
  for (const auto& c : cas) {
    Taper(c.champ, c.tape);
    f->Text1->setFocus();
    EXPECT_EQ(c.champ->text(), c.lu) << c.tape;
  }
}

TEST_F(ReseauxDialoguesTest, TheListAndTheTableRefuseAnEntryPastTheirMaximum) {
  for (int v = 1; v <= 6; ++v) {
    QTest::mouseClick(r->Gereiso()->Ajoute, Qt::LeftButton);
    Choisit(v);
    Fisov* f = r->Reseau();
    Remplit(QString("R%1").arg(v), "0", "1", "0.5");
    QTest::mouseClick(f->Accepte, Qt::LeftButton);
  }
  ASSERT_TRUE(tp.messages.shown.empty());
  QTest::mouseClick(r->Gereiso()->Ajoute, Qt::LeftButton);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, "Maximum atteint");
  EXPECT_EQ(tp.messages.shown[0].title, "Nouveau reseau");
  EXPECT_FALSE(Ouvert(Dialogue<Choisirfonc>()));
  EXPECT_EQ(M().NbReseaux, 6);

  CliquerLigne(r->Gereiso()->Listiso, 2);
  QTest::mouseClick(r->Gereiso()->Modifie, Qt::LeftButton);
  QTest::mouseClick(r->Reseau()->Option[2], Qt::LeftButton);
  QTest::mouseClick(r->Reseau()->AccesTableau, Qt::LeftButton);
  Tableau* t = r->Table();
  EXPECT_EQ(t->windowTitle(), "Acces valeurs ");
  for (int k = 1; k <= 25; ++k) Entre(t->Entree, QString::number(10 * k));
  Entre(t->Entree, "999");
  ASSERT_EQ(tp.messages.shown.size(), 2u);
  EXPECT_EQ(tp.messages.shown[1].text, "Maximum atteint");
  EXPECT_EQ(tp.messages.shown[1].title, "Tableau de valeurs");
  EXPECT_EQ(M().NbValeursTable[3], 25);
  EXPECT_EQ(t->Combo1->count(), 25);

  // "Oter" on the second value closes the gap in the list and the table.
  QTest::mouseClick(t->Oter, Qt::LeftButton);  // nothing selected
  EXPECT_EQ(M().NbValeursTable[3], 25);
  CliquerLigne(t->Combo1, 1);
  QTest::mouseClick(t->Oter, Qt::LeftButton);
  EXPECT_EQ(M().NbValeursTable[3], 24);
  EXPECT_EQ(M().TableNiveaux[3][2], 30.0f);
  EXPECT_EQ(t->Combo1->item(1)->text(), "30");
  EXPECT_EQ(t->Combo1->count(), 24);
}

TEST_F(ReseauxDialoguesTest, DocChoosesTheNetworkWhoseInjectorIsPlacedNext) {
  DefinitDeuxReseaux();
  w->Doc->trigger();
  Choixniveau* c = r->ChoixNiveau();
  ASSERT_TRUE(Ouvert(c));
  EXPECT_EQ(c->windowTitle(), "Choisir Niveau");
  EXPECT_EQ(c->findChild<QLabel*>()->text(), QString::fromUtf8("Choisir le niveau à documenter :"));
  EXPECT_EQ(Lignes(c->Listniveau), (QStringList{"ISO-Power spectrum", "Table puissance"}));
  EXPECT_EQ(M().ReseauDoc, -1);
  EXPECT_EQ(M().ModeDoc, 0);

  CliquerLigne(c->Listniveau, 1);
  QTest::mouseClick(c->Accepte, Qt::LeftButton);
  EXPECT_FALSE(Ouvert(c));
  EXPECT_EQ(M().ReseauDoc, 2);
  EXPECT_EQ(M().ModeDoc, 1);
  EXPECT_EQ(w->Label5->text(), "* Documentation *");

  // Opened again it forgets the choice; accepting nothing leaves the mode.
  w->Doc->trigger();
  c = r->ChoixNiveau();
  EXPECT_EQ(M().ReseauDoc, -1);
  EXPECT_EQ(M().ModeDoc, 0);
  QTest::mouseClick(c->Accepte, Qt::LeftButton);
  EXPECT_FALSE(Ouvert(c));
  EXPECT_EQ(M().ReseauDoc, -1);
  EXPECT_EQ(M().ModeDoc, 0);
}

}  // namespace

#include "dialogs/ui/choisirfonc.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/ui/choix_couleurs.h"
#include "dialogs/ui/reglages_fixture.h"

namespace {

class ChoixColorMapTest : public ReglagesTest {
 protected:
  void SetUp() override {
    ReglagesTest::SetUp();
    w->ColorMap->trigger();
    c = Dialogue<Choisirfonc>();
    ASSERT_NE(c, nullptr);
  }

  Choisirfonc* c = nullptr;
};

TEST_F(ChoixColorMapTest, ColorMapShowsTheChooserForItBesideTheColourDialog) {
  EXPECT_TRUE(c->isVisible());
  EXPECT_TRUE(w->FeuilleCouleurs()->isVisible());
  EXPECT_EQ(c->windowTitle(), "Choisirfonction");
  EXPECT_EQ(c->findChild<QLabel*>()->text(), "Choisir fonction pour : ");
  EXPECT_EQ(c->Label2->text(), "Color Map");
  EXPECT_EQ(c->Label2->palette().color(c->Label2->foregroundRole()), QColor(Qt::red));
  EXPECT_EQ(c->Accepte->text(), "Accepte");
  QStringList noms;
  for (int k = 0; k < c->Variables->count(); ++k) noms << c->Variables->item(k)->text();
  EXPECT_EQ(noms,
            (QStringList{"Time", QString::fromUtf8("Fréquencies"), QString::fromUtf8("Périod"),
                         "Power spectrum", "Amplitude", "Phase"}));
  EXPECT_EQ(c->Variables->currentRow(), -1);
}

TEST_F(ChoixColorMapTest, ChoosingThePhasePaintsItAtOnce) {
  const QImage avant = Image();
  CliquerLigne(c->Variables, 5);
  Cliquer(c->Accepte);
  EXPECT_FALSE(c->isVisible());
  EXPECT_EQ(c->VarChoisie(), 5);
  EXPECT_EQ(w->Modele().VarCouleur, 6);
  // The diagram title is written by the drawing of the new map.
  EXPECT_EQ(w->Modele().TitreReseau, "Color Map of Phase");
  EXPECT_NE(Image(), avant);
  // The phase is the same at every node: one colour over the whole frame.
  EXPECT_EQ(PixelMonde(5, -6.5), PixelMonde(35, -5.5));
}

TEST_F(ChoixColorMapTest, AccepteWithoutAVariableOnlyClosesTheChooser) {
  CliquerLigne(c->Variables, 2);
  CliquerLigne(c->Variables, 2, Qt::ControlModifier);  // deselected again
  const QImage avant = Image();
  Cliquer(c->Accepte);
  EXPECT_FALSE(c->isVisible());
  EXPECT_EQ(c->VarChoisie(), -1);
  EXPECT_EQ(w->Modele().VarCouleur, 4);
  EXPECT_EQ(Image(), avant);

  // A chooser closed from its title bar chooses nothing either, and comes
  // back without the old selection.
  w->ColorMap->trigger();
  EXPECT_EQ(Dialogue<Choisirfonc>(), c);
  CliquerLigne(c->Variables, 4);
  c->close();
  w->ColorMap->trigger();
  EXPECT_EQ(c->Variables->currentRow(), -1);
  EXPECT_EQ(w->Modele().VarCouleur, 4);
}

TEST_F(ReglagesTest, AColourMapChosenInIsoLevelModeBringsTheLegendCommandBack) {
  w->Modele().VarCouleur = 0;
  w->Form_Activate();
  ASSERT_FALSE(w->Legende->isVisible());
  w->ColorMap->trigger();
  Choisirfonc* c = Dialogue<Choisirfonc>();
  ASSERT_NE(c, nullptr);
  CliquerLigne(c->Variables, 4);
  Cliquer(c->Accepte);
  EXPECT_EQ(w->Modele().VarCouleur, 5);
  EXPECT_TRUE(w->Legende->isVisible());
  EXPECT_EQ(w->Modele().TitreReseau, "Color Map of Amplitude");
}

}  // namespace

#include "dialogs/ui/topniveau.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "dialogs/ui/reglages_fixture.h"

namespace {

TEST_F(ReglagesTest, TitresOpensOneTitlesDialogShowingTheCurrentTitlesAtEveryOpening) {
  w->Modele().TitreLabo = "Labo A";
  w->Titres->trigger();
  Topniveau* d = Dialogue<Topniveau>();
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->windowTitle(), "TopNiveau");
  ASSERT_NE(d->findChild<QLabel*>(), nullptr);
  EXPECT_EQ(d->findChild<QLabel*>()->text(), "Mise en place des titres");
  EXPECT_EQ(d->Laboratoire->text(), "Laboratoire");
  EXPECT_EQ(d->Titre->text(), "Titre");
  EXPECT_EQ(d->Fin->text(), "Accepte");
  EXPECT_EQ(d->Text2->text(), "Labo A");
  EXPECT_EQ(d->Text1->text(), QString::fromStdString(w->Modele().TitreReseau));

  Cliquer(d->Fin);
  EXPECT_FALSE(d->isVisible());
  w->Modele().TitreLabo = "Labo B";
  w->Titres->trigger();
  EXPECT_EQ(Dialogue<Topniveau>(), d);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->Text2->text(), "Labo B");
}

TEST_F(ReglagesTest, TheLaboratoryNameTypedIsStoredAndDrawnByAccepteWithoutLeavingTheField) {
  w->Titres->trigger();
  Topniveau* d = Dialogue<Topniveau>();
  ASSERT_NE(d, nullptr);
  Active(d);
  Taper(d->Text2, QString::fromUtf8("Équipe signal"));
  const QImage avant = Image();
  const int redessins = Redessins();
  d->Fin->click();  // no focus move
  EXPECT_EQ(w->Modele().TitreLabo, "Équipe signal");
  EXPECT_FALSE(d->isVisible());
  EXPECT_GT(Redessins(), redessins);
  EXPECT_NE(Image(), avant);
}

TEST_F(ReglagesTest, AFieldLosingTheFocusStoresItsTitleAtOnceAndAnEmptyTitleStaysEmpty) {
  w->Titres->trigger();
  Topniveau* d = Dialogue<Topniveau>();
  ASSERT_NE(d, nullptr);
  Active(d);
  Taper(d->Text2, "");
  const int redessins = Redessins();
  Cliquer(d->Titre);  // the focus goes to the diagram title
  EXPECT_TRUE(d->Text1->hasFocus());
  EXPECT_EQ(w->Modele().TitreLabo, "");
  EXPECT_GT(Redessins(), redessins);
  EXPECT_TRUE(d->isVisible());
  Cliquer(d->Laboratoire);
  EXPECT_TRUE(d->Text2->hasFocus());
}

// Without the plot window, which puts its own diagram title back at every
// drawing: what the dialog stores, and when it asks for a redraw.
class TopniveauSeulTest : public testing::Test {
 protected:
  void SetUp() override {
    d.Ouvre();
    Active(&d);
  }

  PlotModel m;
  std::vector<std::string> vus;  // TitreReseau at each redraw
  Topniveau d{m, [this] { vus.push_back(m.TitreReseau); }, nullptr};
};

TEST_F(TopniveauSeulTest, TheDiagramTitleIsStoredBeforeTheRedrawItAsksFor) {
  Taper(d.Text1, "Chirp");
  Cliquer(d.Laboratoire);
  EXPECT_EQ(vus, std::vector<std::string>{"Chirp"});
  EXPECT_EQ(m.TitreLabo, "L U V R A");
}

TEST_F(TopniveauSeulTest, NothingChangedAsksForNoRedraw) {
  Cliquer(d.Titre);
  Cliquer(d.Laboratoire);
  Cliquer(d.Fin);
  EXPECT_TRUE(vus.empty());
  EXPECT_EQ(m.TitreReseau, "Donnez un titre au réseau ...");
}

}  // namespace

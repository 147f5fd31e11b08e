#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "dialogs/ui/choix_couleurs.h"
#include "plot/colour_map.h"
#include "plot/declarations.h"
#include "plot/documentation.h"
#include "plot/souris.h"
#include "plot/ui/newtrace_fixture.h"

namespace {

TEST_F(NewtraceTest, TheMenuBarHoldsEveryCommandAndTheMissingDialogsStayDisabled) {
  QStringList captions;
  for (QAction* a : w->menuBar()->actions()) captions << a->text();
  EXPECT_EQ(captions, (QStringList{"Normal", "Redraw", QString::fromUtf8("Isométrique"), "Axes",
                                   "Titres", "Niveaux", "ColorMap", "Zoom", "Doc", "VoirLegende",
                                   "Enregistrer", "Imprimer", "FIN"}));
  EXPECT_FALSE(w->Axes->isEnabled());
  EXPECT_FALSE(w->Titres->isEnabled());
  EXPECT_FALSE(w->Niveaux->isEnabled());

  std::vector<std::string> ouverts;
  int varCouleurVue = -1;
  w->BrancheAxes([&] { ouverts.push_back("FCalage"); });
  w->BrancheTitres([&] { ouverts.push_back("Topniveau"); });
  w->BrancheNiveaux([&] {
    varCouleurVue = w->Modele().VarCouleur;
    ouverts.push_back("FGereiso");
  });
  ASSERT_TRUE(w->Axes->isEnabled() && w->Titres->isEnabled() && w->Niveaux->isEnabled());
  w->Axes->trigger();
  w->Titres->trigger();
  w->Niveaux->trigger();
  EXPECT_EQ(ouverts, (std::vector<std::string>{"FCalage", "Topniveau", "FGereiso"}));
  EXPECT_EQ(varCouleurVue, 0);  // iso-level mode before the manager opens
}

TEST_F(NewtraceTest, TheColourDialogRepaintsTheMapAndTheLegendWhenAccepted) {
  std::vector<std::string> pour;
  w->BrancheChoixVariable([&](const std::string& p) { pour.push_back(p); });
  ChoixCouleurs* d = w->FeuilleCouleurs();
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(d->isVisible());  // loaded hidden
  w->ColorMap->trigger();
  EXPECT_EQ(pour, std::vector<std::string>{"Color Map"});
  EXPECT_TRUE(d->isVisible());

  emit d->CmbColorSchemes->activated(0);  // Rainbow
  emit d->CmbMix->activated(0);           // 2 Color Linear: blue to red
  QTest::mouseClick(d->Command1, Qt::LeftButton);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(w->Echelle().NbCouleurs, 100);
  EXPECT_EQ(w->Echelle().Niveau(1), RGB(0, 0, 255));

  // Cell (40, 6) painted in the colour of its mean's level.
  const PlotModel& m = w->Modele();
  const int niveau =
      NiveauCellule(MoyenneCellule(m.Grille, 4, 40, 6), m.VarMin[4], m.VarMax[4], 100);
  const double x = (m.Grille(1, 40, 6) + m.Grille(1, 41, 7)) / 2.0;
  const double y = (LogBase(2, m.Grille(2, 40, 6)) + LogBase(2, m.Grille(2, 41, 7))) / 2.0;
  EXPECT_EQ(PixelMonde(x, y), Rgb(w->Echelle().Niveau(niveau)));

  // Legend boxes 1 and 20: the lowest and the highest level.
  const ImageSurface& leg = w->Picture1->surface();
  const WorldScale ls = leg.Scale();
  auto legende = [&](double ly) {
    return leg.PixelAt(static_cast<int>(ls.PixelX(2)), static_cast<int>(ls.PixelY(ly)));
  };
  EXPECT_EQ(legende(2.5), qRgb(0, 0, 255));
  EXPECT_EQ(legende(97.5), Rgb(w->Echelle().Niveau(100)));
}

TEST_F(NewtraceTest, MovingThePointerReadsItOutAndMovesTheCrossHairOnly) {
  const QImage avant = w->Picture->surface().image().copy();
  w->Picture_MouseMove(20, -6, Qt::NoButton);
  EXPECT_EQ(w->Label1->text(), "X:2.00E+01  Y:1.56E-02");
  for (int k = 1; k <= 4; ++k) EXPECT_TRUE(w->Picture->OverlayVisible(k)) << k;
  EXPECT_EQ(w->Picture->surface().image(), avant);  // the map is not repainted
  w->Picture_MouseMove(41, -6, Qt::NoButton);       // right of the frame
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(w->Picture->OverlayVisible(k)) << k;
  w->Picture_MouseMove(20, -3.5, Qt::NoButton);  // above it
  EXPECT_FALSE(w->Picture->OverlayVisible(1));
  QTest::mouseClick(w->Label1, Qt::LeftButton);
  EXPECT_TRUE(w->Label1->text().isEmpty());
}

TEST_F(NewtraceTest, ReleasingTheButtonReadsTheValueAndBeeps) {
  const PlotModel& m = w->Modele();
  const double y = (LogBase(2, m.Grille(2, 1, 6)) + LogBase(2, m.Grille(2, 1, 7))) / 2.0;
  const QPoint dedans = PixelDe(20.25, y);
  QTest::mousePress(w->Picture, Qt::LeftButton, Qt::NoModifier, dedans);
  QTest::mouseRelease(w->Picture, Qt::LeftButton, Qt::NoModifier, dedans);
  EXPECT_TRUE(w->Label2->text().startsWith("   Z:"));
  EXPECT_NE(w->Label2->text(), kZInconnu);
  EXPECT_EQ(tp.desktop.beeps, 1);
  const QPoint marge = PixelDe(-5, y);
  QTest::mousePress(w->Picture, Qt::LeftButton, Qt::NoModifier, marge);
  QTest::mouseRelease(w->Picture, Qt::LeftButton, Qt::NoModifier, marge);
  EXPECT_EQ(w->Label2->text(), kZInconnu);
  EXPECT_EQ(tp.desktop.beeps, 2);
}

TEST_F(NewtraceTest, ZoomTakesTheDraggedRectangleEitherWayAndSnapsTheLogAxis) {
  const struct { double x1, y1, x2, y2; } drags[] = {{10, -5.2, 30, -6.7}, {30, -6.7, 10, -5.2}};
  for (const auto& d : drags) {
    w->Normal->trigger();
    w->Zoom->trigger();
    EXPECT_EQ(w->Label5->text(), "* Zoom *");
    EXPECT_FALSE(w->Label5->isHidden());
    w->Picture_MouseDown(d.x1, d.y1);
    w->Picture_MouseMove(d.x2, d.y2, Qt::LeftButton);
    w->Picture_MouseUp(d.x2, d.y2);
    const PlotModel& m = w->Modele();
    EXPECT_EQ(m.ModeZoom, 0);
    EXPECT_TRUE(w->Label5->isHidden());
    EXPECT_EQ(m.XMin, 10);
    EXPECT_EQ(m.XMax, 30);
    EXPECT_EQ(m.YMin, -7);
    EXPECT_EQ(m.YMax, -5);
  }
  // A click without drag goes to the corner the last drag left.
  w->Zoom->trigger();
  w->Picture_MouseDown(15, -6.5);
  w->Picture_MouseUp(15, -6.5);
  EXPECT_EQ(w->Modele().XMin, 10);
  EXPECT_EQ(w->Modele().XMax, 15);
}

TEST_F(NewtraceTest, ClickingTheModeLabelCancelsTheMode) {
  w->Zoom->trigger();
  QTest::mouseClick(w->Label5, Qt::LeftButton);
  EXPECT_EQ(w->Modele().ModeZoom, 0);
  EXPECT_TRUE(w->Label5->isHidden());
  EXPECT_TRUE(w->Label5->text().isEmpty());
}

class NewtraceDocTest : public NewtraceTest {
 protected:
  void SetUp() override {
    NewtraceTest::SetUp();
    PlotModel& m = w->Modele();
    m.VarCouleur = 0;
    m.NbReseaux = 1;
    m.ReseauVar[1] = 4;
    m.ReseauMin[1] = 1;
    m.ReseauMax[1] = 2;
    m.ReseauPas[1] = 0.5f;
    m.ReseauProgression[1] = 1;
    w->Form_Activate();
  }
};

TEST_F(NewtraceDocTest, AClickPlacesTheInjectorToTheTopRightCornerOfTheFrame) {
  int montre = 0;
  w->BrancheChoixniveau([&] {
    ++montre;
    w->Modele().ReseauDoc = 1;
  });
  w->Doc->trigger();
  EXPECT_EQ(montre, 1);
  const PlotModel& m = w->Modele();
  ASSERT_EQ(m.ModeDoc, 1);
  w->Picture_MouseDown(12, -6);
  w->Picture_MouseUp(12, -6);
  EXPECT_FLOAT_EQ(m.InjX1[1], 12);
  EXPECT_FLOAT_EQ(m.InjY1[1], 1 / 64.0f);
  EXPECT_FLOAT_EQ(m.InjX2[1], PuisBase(m.XBase, m.XMax));
  EXPECT_FLOAT_EQ(m.InjY2[1], PuisBase(m.YBase, m.YMax));
  EXPECT_EQ(m.InjPlace[1], 1);
  EXPECT_EQ(m.ModeDoc, 1);                  // the injector can be placed again
  EXPECT_NE(w->Label2->text(), kZInconnu);  // one network: its variable is read
}

TEST_F(NewtraceDocTest, NoChosenNetworkOrAColourMapLeavesDocumentationOff) {
  w->BrancheChoixniveau([&] { w->Modele().ReseauDoc = -1; });
  w->Doc->trigger();
  EXPECT_EQ(w->Modele().ModeDoc, 0);
  w->DocumentationChoisie(1);
  EXPECT_EQ(w->Modele().ModeDoc, 1);
  EXPECT_EQ(w->Label5->text(), "* Documentation *");

  int montre = 0;
  w->BrancheChoixniveau([&] { ++montre; });
  w->Label5_Click();
  w->Modele().VarCouleur = 4;
  w->Doc->trigger();
  EXPECT_EQ(montre, 0);
  EXPECT_EQ(w->Modele().ModeDoc, 0);
}

TEST_F(NewtraceTest, PrintingSendsThePictureOrShowsThePrintersMessage) {
  w->Imprimer->trigger();
  EXPECT_EQ(tp.printer.prints, 1);
  EXPECT_EQ(tp.printer.lastWidth, w->Picture->width());
  EXPECT_TRUE(tp.messages.shown.empty());
  tp.printer.result = "Aucune imprimante n'est disponible.";
  w->Imprimer->trigger();
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, "Aucune imprimante n'est disponible.");
}

TEST_F(NewtraceTest, EscapeClosesTheWindow) {
  QTest::keyClick(w, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(w.isNull());
}

}  // namespace

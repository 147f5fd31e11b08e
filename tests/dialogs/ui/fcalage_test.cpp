#include "dialogs/ui/fcalage.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "dialogs/ui/choisirfonc.h"
#include "dialogs/ui/reglages_fixture.h"
#include "engine/number_text.h"
#include "plot/axis_ticks.h"

namespace {

class FCalageTest : public ReglagesTest {
 protected:
  void SetUp() override {
    ReglagesTest::SetUp();
    w->Axes->trigger();
    d = Dialogue<FCalage>();
    ASSERT_NE(d, nullptr);
    Active(d);
  }

  // Types into a field and leaves it with Tab.
  static void Saisir(QLineEdit* champ, const QString& texte) {
    Taper(champ, texte);
    QTest::keyClick(champ, Qt::Key_Tab);
    ASSERT_FALSE(champ->hasFocus());
  }

  // "Choix :" of an axis, then the variable at `ligne` of the chooser.
  void Choisir(QPushButton* choix, int ligne) {
    Cliquer(choix);
    Choisirfonc* c = Dialogue<Choisirfonc>();
    ASSERT_NE(c, nullptr);
    ASSERT_TRUE(c->isVisible());
    CliquerLigne(c->Variables, ligne);
    Cliquer(c->Accepte);
    ASSERT_FALSE(c->isVisible());
  }

  const PlotModel& m() const { return w->Modele(); }

  FCalage* d = nullptr;
};

TEST_F(FCalageTest, AxesOpensTheDialogWithBothAxesOfThePlot) {
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->windowTitle(), "Calage");
  EXPECT_EQ(d->Label1->text(), QString::fromUtf8("Fenetre de tracé  (attention validité)"));
  EXPECT_EQ(d->Frame1->title(), "Axe des X");
  EXPECT_EQ(d->Frame2->title(), "Axe des Y");
  EXPECT_EQ(d->Command4->text(), "Accepte");
  for (QGroupBox* f : {d->Frame1, d->Frame2}) {
    QStringList legendes;
    for (QLabel* l : f->findChildren<QLabel*>()) legendes << l->text();
    for (const char* l :
         {"        Label", "Minimum :", "Maximum :", "Tic : ", "Major : ", "FORMAT :", "pour"}) {
      EXPECT_TRUE(legendes.contains(l)) << l;
    }
  }

  // Time on a linear X axis.
  EXPECT_EQ(d->Command1->text(), "Choix :");
  EXPECT_EQ(d->Label2->text(), "Time");
  EXPECT_EQ(d->Text1->text(), "Time");
  EXPECT_EQ(d->Text2->text(), "0.5");
  EXPECT_EQ(d->Text3->text(), "40");
  EXPECT_EQ(d->Text4->text(), "0.79");
  EXPECT_EQ(d->Text5->text(), "5");
  EXPECT_EQ(d->Text6->text(), "#.##E+##");
  EXPECT_EQ(d->Label8->text(), "0.5");
  EXPECT_EQ(d->Label9->text(), "40");
  EXPECT_EQ(d->Command3->text(), QString::fromUtf8("Linéaire"));
  EXPECT_FALSE(d->Label24->isVisible());
  EXPECT_FALSE(d->Combo1->isVisible());

  // The frequencies on a base-2 logarithmic Y axis.
  EXPECT_EQ(d->Command2->text(), "Choix :");
  EXPECT_EQ(d->Label23->text(), QString::fromUtf8("Fréquencies"));
  EXPECT_EQ(d->Text12->text(), QString::fromUtf8("Fréquencies"));
  EXPECT_EQ(d->Text11->text(), "-7");
  EXPECT_EQ(d->Text10->text(), "-4");
  EXPECT_EQ(d->Text9->text(), "1");
  EXPECT_EQ(d->Text8->text(), "1");
  EXPECT_EQ(d->Text7->text(), "#.##E+##");
  EXPECT_EQ(d->Label17->text(), "0.0078125");
  EXPECT_EQ(d->Label16->text(), "0.03125");
  EXPECT_EQ(d->Command5->text(), "Logarithme");
  EXPECT_TRUE(d->Label25->isVisible());
  EXPECT_EQ(d->Label25->text(), "Base 2");
  EXPECT_TRUE(d->Combo2->isVisible());
  EXPECT_FALSE(d->Combo2->isEditable());
  QStringList bases;
  for (int k = 0; k < d->Combo2->count(); ++k) bases << d->Combo2->itemText(k);
  EXPECT_EQ(bases, (QStringList{"2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
  EXPECT_EQ(d->Combo2->currentText(), "2");

  w->Axes->trigger();
  EXPECT_EQ(Dialogue<FCalage>(), d);  // one dialog, shown again
}

// A number typed into a field and left with Tab: the value stored as typed,
// the field rewritten with it, and the plot drawn again whatever the value.
struct Saisie {
  const char* nom;
  QLineEdit* FCalage::*champ;
  float PlotModel::*valeur;
  const char* tape;
  float attendu;
  const char* affiche;
};

void PrintTo(const Saisie& s, std::ostream* os) {
  *os << s.nom << " \"" << s.tape << '"';
}

class FCalageSaisie : public FCalageTest, public testing::WithParamInterface<Saisie> {};

TEST_P(FCalageSaisie, IsStoredAsTypedAndDrawn) {
  const Saisie& s = GetParam();
  const int redessins = Redessins();
  Saisir(d->*s.champ, s.tape);
  EXPECT_EQ(m().*s.valeur, s.attendu);
  EXPECT_EQ((d->*s.champ)->text(), s.affiche);
  EXPECT_GT(Redessins(), redessins);
  EXPECT_EQ(tp.desktop.depth, 0);  // the drawing ran to its end
  EXPECT_LE(TicksX(m()).minor.size(), static_cast<size_t>(kTicsMax));
  EXPECT_LE(TicksY(m()).labelled.size(), static_cast<size_t>(kTicsMax));
}

const float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Champs, FCalageSaisie,
    testing::Values(
        Saisie{"minimum", &FCalage::Text2, &PlotModel::XMin, "10", 10, "10"},
        Saisie{"exponent", &FCalage::Text3, &PlotModel::XMax, "1e3", 1000, "1000"},
        Saisie{"small", &FCalage::Text4, &PlotModel::XMajor, "5.E-6", 5e-6f, "0.000005"},
        Saisie{"blanksAndTail", &FCalage::Text5, &PlotModel::XTic, "  2.5abc", 2.5f, "2.5"},
        Saisie{"noNumber", &FCalage::Text11, &PlotModel::YMin, "abc", 0, "0"},
        Saisie{"empty", &FCalage::Text10, &PlotModel::YMax, "", 0, "0"},
        Saisie{"comma", &FCalage::Text9, &PlotModel::YMajor, "0,5", 0, "0"},
        Saisie{"negativeSpacing", &FCalage::Text4, &PlotModel::XMajor, "-1", -1, "-1"},
        Saisie{"zeroTicksPerLabel", &FCalage::Text8, &PlotModel::YTic, "0", 0, "0"},
        Saisie{"minimumAboveMaximum", &FCalage::Text2, &PlotModel::XMin, "50", 50, "50"},
        Saisie{"minimumAtMaximum", &FCalage::Text11, &PlotModel::YMin, "-4", -4, "-4"},
        Saisie{"tinySpacing", &FCalage::Text4, &PlotModel::XMajor, "1e-9", 1e-9f, "0.000000001"},
        Saisie{"beyondSingle", &FCalage::Text3, &PlotModel::XMax, "1e39", kInf, "inf"}),
    [](const testing::TestParamInfo<Saisie>& info) { return std::string(info.param.nom); });

TEST_F(FCalageTest, TitleAndFormatAreStoredAsTypedAndAFormatThatCannotApplyShowsTheStrForm) {
  Saisir(d->Text1, "Temps (s)");
  EXPECT_EQ(m().XTitre, "Temps (s)");
  EXPECT_EQ(d->Text1->text(), "Temps (s)");

  const struct {
    const char* format;
    const char* premier;  // label of 2^-7, the lowest tick of the Y axis
  } cas[] = {{"0.00E+00", "7.81E-03"}, {"abc", nullptr}, {"", nullptr}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.format);
    const int redessins = Redessins();
    Saisir(d->Text7, c.format);
    EXPECT_EQ(m().YFormat, c.format);
    EXPECT_GT(Redessins(), redessins);
    const AxisTicks t = TicksY(m());
    ASSERT_EQ(t.labelled.size(), 4u);
    EXPECT_EQ(t.labelled[0].label, c.premier ? c.premier : StrSingle(std::ldexp(1.0f, -7)));
    if (!c.premier) {
      EXPECT_EQ(t.labelled[1].label, " .015625");
    }
  }
}

TEST_F(FCalageTest, TheYAxisGoesLinearAndBackToLogarithmicInBaseTwo) {
  Saisir(d->Text7, "0.0");
  const QImage log2 = Image();
  const int redessins = Redessins();
  Cliquer(d->Command5);
  EXPECT_EQ(d->Command5->text(), QString::fromUtf8("Linéaire"));
  EXPECT_FALSE(d->Label25->isVisible());
  EXPECT_FALSE(d->Combo2->isVisible());
  EXPECT_FALSE(m().YLog);
  EXPECT_EQ(m().YBase, 1);
  EXPECT_EQ(m().YMin, std::ldexp(1.0f, -7));
  EXPECT_EQ(m().YMax, std::ldexp(1.0f, -5));
  EXPECT_EQ(m().ZoomY1, m().YMin);
  EXPECT_EQ(m().ZoomY2, m().YMax);
  EXPECT_FLOAT_EQ(m().YMajor, 0.02f * (m().YMax - m().YMin));
  EXPECT_EQ(m().YTic, 5);
  EXPECT_EQ(m().YFormat, "#.##E+##");
  EXPECT_EQ(d->Text7->text(), "#.##E+##");
  EXPECT_EQ(d->Text11->text(), "0.0078125");
  EXPECT_GT(Redessins(), redessins);
  EXPECT_NE(Image(), log2);
  EXPECT_EQ(TicksY(m()).labelled.front().label, "7.81E-3");

  Cliquer(d->Command5);
  EXPECT_EQ(d->Command5->text(), "Logarithme");
  EXPECT_TRUE(d->Label25->isVisible());
  EXPECT_EQ(d->Label25->text(), "Base 2");
  EXPECT_EQ(d->Combo2->currentIndex(), 0);
  EXPECT_TRUE(m().YLog);
  EXPECT_EQ(m().YBase, 2);
  EXPECT_EQ(m().YBaseIndex, 0);
  EXPECT_EQ(m().YMin, -7);
  EXPECT_EQ(m().YMax, -4);
  EXPECT_EQ(m().YMajor, 1);
  EXPECT_EQ(m().YTic, 1);
  EXPECT_EQ(d->Text11->text(), "-7");
  EXPECT_EQ(TicksY(m()).labelled.front().label, "7.81E-3");
}

TEST_F(FCalageTest, ABaseChosenInTheListGivesTheExponentsInThatBase) {
  d->Combo2->setCurrentIndex(8);
  emit d->Combo2->activated(8);
  EXPECT_EQ(m().YBase, 10);
  EXPECT_EQ(m().YBaseIndex, 8);
  EXPECT_EQ(m().YMin, -3);
  EXPECT_EQ(m().YMax, -1);
  EXPECT_EQ(d->Label25->text(), "Base 10");
  EXPECT_EQ(d->Text11->text(), "-3");
  EXPECT_EQ(d->Text10->text(), "-1");

  // The X axis of the time, strictly positive, in base 2 then 3.
  Cliquer(d->Command3);
  EXPECT_EQ(d->Command3->text(), "Logarithme");
  EXPECT_EQ(m().XMin, -1);
  EXPECT_EQ(m().XMax, 6);
  d->Combo1->setCurrentIndex(1);
  emit d->Combo1->activated(1);
  EXPECT_EQ(m().XBase, 3);
  EXPECT_EQ(m().XMin, -1);
  EXPECT_EQ(m().XMax, 4);
  EXPECT_EQ(d->Label24->text(), "Base 3");
}

TEST_F(FCalageTest, ChoixGivesTheAxisTheVariableWithItsFullRangeOnALinearScale) {
  const float zoomX1 = m().ZoomX1;
  const int redessins = Redessins();
  Choisir(d->Command1, 2);  // Périod
  EXPECT_EQ(Dialogue<Choisirfonc>()->Label2->text(), "Axe des X");
  EXPECT_EQ(m().VarX, 3);
  EXPECT_EQ(m().XTitre, "Périod");
  EXPECT_EQ(m().XMin, 32);
  EXPECT_EQ(m().XMax, 128);
  EXPECT_EQ(m().XTic, 5);
  EXPECT_EQ(m().ZoomX1, zoomX1);
  EXPECT_EQ(d->Label2->text(), QString::fromUtf8("Périod"));
  EXPECT_EQ(d->Text1->text(), QString::fromUtf8("Périod"));
  EXPECT_EQ(d->Text2->text(), "32");
  EXPECT_EQ(d->Text4->text(), "1.92");
  EXPECT_EQ(d->Label9->text(), "128");
  EXPECT_GT(Redessins(), redessins);

  // A logarithmic axis given another variable becomes linear at once.
  Choisir(d->Command2, 0);  // Time
  EXPECT_EQ(m().VarY, 1);
  EXPECT_FALSE(m().YLog);
  EXPECT_EQ(m().YBase, 1);
  EXPECT_EQ(d->Command5->text(), QString::fromUtf8("Linéaire"));
  EXPECT_FALSE(d->Combo2->isVisible());
  EXPECT_EQ(d->Text11->text(), "0.5");
}

TEST_F(FCalageTest, TheSameVariableAgainOrALogScaleForANonPositiveVariableChangesNothing) {
  const QImage avant = Image();
  const int redessins = Redessins();
  Choisir(d->Command2, 1);  // the frequencies the Y axis already shows
  EXPECT_TRUE(m().YLog);
  EXPECT_EQ(m().YMin, -7);
  EXPECT_EQ(d->Command5->text(), "Logarithme");
  EXPECT_EQ(Redessins(), redessins);

  Choisir(d->Command1, 5);  // Phase, zero everywhere
  ASSERT_EQ(m().VarX, 6);
  const int apresPhase = Redessins();
  Cliquer(d->Command3);
  EXPECT_FALSE(m().XLog);
  EXPECT_EQ(d->Command3->text(), QString::fromUtf8("Linéaire"));
  EXPECT_FALSE(d->Combo1->isVisible());
  EXPECT_EQ(Redessins(), apresPhase);
  EXPECT_NE(Image(), avant);
}

TEST_F(FCalageTest, AccepteKeepsTheFieldBeingTypedAndEveryOpeningShowsThePlotAsItIs) {
  Taper(d->Text3, "30");
  d->Command4->click();  // no focus move
  EXPECT_EQ(m().XMax, 30);
  EXPECT_FALSE(d->isVisible());

  w->Normal->trigger();
  w->Axes->trigger();
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->Text3->text(), "40");

  // Back to the dialog after a change made in the plot window.
  QApplication::setActiveWindow(w);
  w->Modele().XMin = 2;
  Active(d);
  EXPECT_EQ(d->Text2->text(), "2");
}

}  // namespace

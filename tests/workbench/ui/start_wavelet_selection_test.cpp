// Selection clicks, resampling, the spectral windows of the working signal,
// the step field and the read-out under the picture, driven through the
// real controls.

#include <QComboBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>
#include <numbers>
#include <vector>

#include "workbench/ui/start_wavelet_fixture.h"
#include "workbench/ui/up_down.h"

namespace {

// 1, 2, ..., n: sample i has the value i.
std::string Indices(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += std::to_string(i) + "\n";
  return s;
}

}  // namespace

class SelectionTest : public StartWaveletTest {
 protected:
  void ChargerIndices(int n) { Charger(Ecrire("indices.txt", Indices(n))); }

  void Selectionner(double x1, double x2) {
    Cliquer(w->Selection);
    CliquerImage(x1);
    CliquerImage(x2);
  }

  std::vector<float> Seconde() const {
    const WorkbenchState& e = w->Etat();
    return std::vector<float>(e.SignalSecond.begin() + 1, e.SignalSecond.begin() + 1 + e.NSecond);
  }
};

TEST_F(SelectionTest, ClickPositionsGiveTheSelectionIndices) {
  const struct {
    double x1, x2;
    int i1, i2;
  } cas[] = {
      {3.0, 8.0, 3, 8},       {8.6, 3.2, 3, 9},    {2.5, 7.5, 2, 8},  // halves to even
      {1.0, 10.98, 1, 10},    {10.9, 1.02, 1, 10},  // the last half sample is sample 10
      {5.0, 5.0 + 2.0, 5, 7},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::Message() << c.x1 << " then " << c.x2);
    ChargerIndices(10);
    Selectionner(c.x1, c.x2);
    EXPECT_EQ(w->Etat().I1, c.i1);
    EXPECT_EQ(w->Etat().I2, c.i2);
    EXPECT_FALSE(w->Etat().SelectionActive);
    EXPECT_EQ(w->Etat().NSecond, c.i2 - c.i1 + 1);
    std::vector<float> attendu;
    for (int i = c.i1; i <= c.i2; ++i) attendu.push_back(static_cast<float>(i));
    EXPECT_EQ(Seconde(), attendu);
    EXPECT_TRUE(w->Picture1->OverlayVisible(1) == false);
  }
}

TEST_F(SelectionTest, ASecondClickTooCloseIsIgnoredUntilAFarOne) {
  ChargerIndices(10);
  Cliquer(w->Selection);
  CliquerImage(2.0);
  CliquerImage(2.4);
  EXPECT_TRUE(w->Etat().SelectionActive);
  EXPECT_TRUE(w->Wavelet->isHidden());
  EXPECT_TRUE(w->Picture1->OverlayVisible(1));
  EXPECT_TRUE(w->Picture1->OverlayVisible(2));
  CliquerImage(6.0);
  EXPECT_FALSE(w->Etat().SelectionActive);
  EXPECT_EQ(w->Etat().I1, 2);
  EXPECT_EQ(w->Etat().I2, 6);
  EXPECT_FALSE(w->Wavelet->isHidden());
}

TEST_F(SelectionTest, MarkerLinesFollowTheMouseWhileSelecting) {
  ChargerIndices(10);
  Cliquer(w->Selection);
  QTest::mouseMove(w->Picture1, Pixel(4.0, 5.0));
  EXPECT_TRUE(w->Picture1->OverlayVisible(1));
  EXPECT_FALSE(w->Picture1->OverlayVisible(2));
  CliquerImage(4.0);
  QTest::mouseMove(w->Picture1, Pixel(7.0, 5.0));
  EXPECT_TRUE(w->Picture1->OverlayVisible(2));
}

TEST_F(SelectionTest, ThinningAndAveragingGiveTheGroups) {
  const struct {
    const char* cas;
    std::string pas;
    bool moyenne;
    std::vector<float> attendu;
  } cas[] = {
      {"one in three", "3", false, {3, 6, 9}},
      {"mean of three", "3", true, {2, 5, 8}},
      {"one in two", "2", false, {2, 4, 6, 8, 10}},
      {"mean of two", "2", true, {1.5f, 3.5f, 5.5f, 7.5f, 9.5f}},
      {"step rounded, halves to even", "2.5", false, {2, 4, 6, 8, 10}},
      {"whole selection in one group", "10", true, {5.5f}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.cas);
    ChargerIndices(10);
    Cliquer(w->Tout);
    Taper(w->Text7, QString::fromStdString(c.pas));
    if (c.moyenne) Cliquer(w->Un_sur_ou_Moyenne);
    EXPECT_EQ(w->Un_sur_ou_Moyenne->text(),
              c.moyenne ? " Faire une moyenne tous les :" : "Prendre une mesure toutes les :");
    Cliquer(w->Draw);
    EXPECT_EQ(Seconde(), c.attendu);
    const WorkbenchState& e = w->Etat();
    EXPECT_EQ(e.Nmax, static_cast<int>(c.attendu.size()));
    EXPECT_EQ(std::vector<float>(e.Signal.begin() + 1, e.Signal.end()), c.attendu);
    EXPECT_EQ(w->Label13->text().toStdString(), " " + std::to_string(c.attendu.size()));
    EXPECT_FALSE(w->Wavelet->isHidden());
    // One sample has no segment to draw.
    EXPECT_EQ(PixelsDessines() > 0, c.attendu.size() > 1);
  }
}

TEST_F(SelectionTest, AStepLongerThanTheSelectionKeepsThePictureAndHidesWavelet) {
  ChargerIndices(10);
  Cliquer(w->Tout);
  Taper(w->Text7, "11");
  Cliquer(w->Draw);
  EXPECT_EQ(w->Etat().NSecond, 0);
  EXPECT_EQ(w->Etat().Nmax, 0);
  EXPECT_TRUE(w->Wavelet->isHidden());
  EXPECT_EQ(w->Label13->text(), " 0");
  EXPECT_EQ(PixelsDessines(), 0);
  EXPECT_EQ(tp.desktop.depth, 0);
  // A window chosen now has nothing to draw.
  CliquerOption(w->Hamming);
  EXPECT_EQ(PixelsDessines(), 0);
  Taper(w->Text7, "2");
  Cliquer(w->Draw);
  EXPECT_EQ(w->Etat().Nmax, 5);
  EXPECT_FALSE(w->Wavelet->isHidden());
}

TEST_F(SelectionTest, AStepBelowOneBecomesTwoWhenTheFieldIsLeft) {
  for (const char* texte : {"0", "-4", "", "abc"}) {
    SCOPED_TRACE(texte);
    ChargerIndices(10);
    Cliquer(w->Tout);
    Taper(w->Text7, texte);
    Cliquer(w->Draw);  // the click moves the focus first
    EXPECT_EQ(w->Text7->text(), " 2");
    EXPECT_EQ(w->Etat().Pas, 2);
    EXPECT_EQ(w->Etat().NSecond, 5);
    EXPECT_EQ(w->Etat().Nmax, 5);
  }
  // Draw started without the focus moving (a shortcut) corrects the step too.
  Taper(w->Text7, "0");
  ASSERT_TRUE(w->Text7->hasFocus());
  w->Draw_Click();
  EXPECT_EQ(w->Text7->text(), " 2");
  EXPECT_EQ(w->Etat().Nmax, 5);
  EXPECT_FALSE(w->Wavelet->isHidden());
}

TEST_F(SelectionTest, AStepAbove32767IsRefusedAndThePreviousOneKept) {
  ChargerIndices(10);
  Cliquer(w->Tout);
  Taper(w->Text7, "5");
  QTest::keyClicks(w->Text7, "0000");  // 50000
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, "Le pas ne peut dépasser 32767");
  EXPECT_EQ(w->Text7->text(), "5000");
  EXPECT_EQ(w->Etat().Pas, 5000);
  Taper(w->Text7, "5");
  Cliquer(w->Draw);
  EXPECT_EQ(w->Etat().Nmax, 2);
  EXPECT_EQ(tp.messages.shown.size(), 1u);
}

TEST_F(SelectionTest, TheDivisorFieldFallsBackToOne) {
  ChargerIndices(10);
  Cliquer(w->Tout);
  CliquerOption(w->OptFourrier);
  for (const char* texte : {"0", "0.5", "-3", "x"}) {
    SCOPED_TRACE(texte);
    Taper(w->Text6, texte);
    Cliquer(w->Fourrier);
    EXPECT_EQ(w->Text6->text(), "1");
  }
}

// Signal = w(t) x SignalSecond, t = (i - 1) / Nmax, each window evaluated
// here from its formula in double.
TEST_F(SelectionTest, EachWindowScalesTheWorkingSignal) {
  constexpr double pi = std::numbers::pi;
  using Poids = double (*)(double);
  const struct {
    const char* cas;
    QRadioButton* StartWavelet::*option;
    Poids w;
  } cas[] = {
      {"Hamming", &StartWavelet::Hamming,
       [](double t) { return 0.54 - 0.54 * std::cos(2 * pi * t); }},
      {"Blackman", &StartWavelet::Blackman,
       [](double t) { return 0.42 - 0.5 * std::cos(2 * pi * t) + 0.08 * std::cos(4 * pi * t); }},
      {"Cs2Hann", &StartWavelet::Cs2Hann,
       [](double t) { return 0.5 - 0.5 * std::cos(2 * pi * t); }},
      {"BartlettMod", &StartWavelet::BartlettMod,
       [](double t) {
         const double s = std::sin(pi * (2 * t - 1));
         const double d = 2 * pi * std::sin(t - 0.5);
         return s * s / (d * d);
       }},
      {"Cs3BHarrisMin", &StartWavelet::Cs3BHarrisMin,
       [](double t) {
         return 0.42323 - 0.49755 * std::cos(2 * pi * t) + 0.07922 * std::cos(4 * pi * t);
       }},
      {"None", &StartWavelet::None, [](double) { return 1.0; }},
  };
  for (const int n : {9, 12}) {
    ChargerIndices(n);
    Cliquer(w->Tout);
    for (const auto& c : cas) {
      SCOPED_TRACE(testing::Message() << c.cas << ", Nmax " << n);
      CliquerOption((*w).*(c.option));
      const WorkbenchState& e = w->Etat();
      ASSERT_EQ(e.Nmax, n);
      double precedent = 0.0;
      for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i - 1) / n;
        double poids = c.w(t);
        if (std::isnan(poids)) poids = precedent;  // 0/0 at t = 0.5
        precedent = poids;
        EXPECT_NEAR(e.Signal[i], poids * i, 1e-5 * i) << "i = " << i;
      }
      EXPECT_GT(PixelsDessines(), 0);
    }
  }
}

TEST_F(SelectionTest, ChoosingAWindowTwiceDrawsTheSamePicture) {
  ChargerIndices(40);
  Cliquer(w->Tout);
  CliquerOption(w->Blackman);
  const QImage une = w->Picture1->surface().image().copy();
  CliquerOption(w->Hamming);
  CliquerOption(w->Blackman);
  EXPECT_EQ(w->Picture1->surface().image(), une);
  EXPECT_NE(w->Picture1->surface().image(), QImage());
}

TEST_F(SelectionTest, ReadOutShowsSampleTimeAndValue) {
  // 25 samples from 0 to 100: the 500 columns are twentieths of a sample,
  // the 200 rows half units.
  std::string s = "0\n";
  for (int i = 0; i < 23; ++i) s += "50\n";
  Charger(Ecrire("lecture.txt", s + "100\n"));
  w->Text5->setText("0.5");
  const struct {
    double x, y;
    const char* attendu;
  } cas[] = {
      {12.4, 75.0, "N=12  Time=6.2s    Signal= 75"},
      {1.05, 99.5, "N=1  Time=.525s    Signal= 99.5"},
      {3.1, 0.5, "N=3  Time=1.55s    Signal= .5"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.attendu);
    QTest::mouseMove(w->Picture1, Pixel(c.x, c.y));
    const WorldScale sc = w->Picture1->surface().Scale();
    ASSERT_NEAR(sc.WorldX(Pixel(c.x, c.y).x()), c.x, 1e-9);
    EXPECT_EQ(w->Label10->text().toStdString(), c.attendu);
  }
  // The factor is the step of Text7.
  Cliquer(w->Tout);
  Taper(w->Text7, "3");
  QTest::mouseMove(w->Picture1, Pixel(12.4, 75.0));
  EXPECT_EQ(w->Label10->text().toStdString(), "N=12  Time=18.6s    Signal= 75");
}

TEST_F(SelectionTest, SpinArrowsStepTheirNumbers) {
  const struct {
    UpDown* StartWavelet::*fleches;
    QLineEdit* StartWavelet::*champ;
    const char* monte;
  } cas[] = {
      {&StartWavelet::UpDown1, &StartWavelet::Text2, "3"},
      {&StartWavelet::UpDown3, &StartWavelet::Text3, "5"},
      {&StartWavelet::UpDown4, &StartWavelet::Text4, "12"},
  };
  for (const auto& c : cas) {
    UpDown* f = (*w).*(c.fleches);
    QLineEdit* t = (*w).*(c.champ);
    const QString avant = t->text();
    Cliquer(f->upArrow());
    EXPECT_EQ(t->text(), c.monte);
    Cliquer(f->downArrow());
    EXPECT_EQ(t->text(), avant);
  }
}

TEST_F(SelectionTest, TheWaveletListPutsItsDefaultParameter) {
  const char* attendus[] = {"6", "4", "2"};
  for (int i : {1, 2, 0, 2}) {
    w->list1->setCurrentIndex(i);
    EXPECT_EQ(w->Text1->text(), attendus[i]);
  }
}

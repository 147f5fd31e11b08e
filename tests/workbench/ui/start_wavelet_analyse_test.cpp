// The wavelet analysis started from the workbench window: the window is
// given back, the run's messages are shown in order, the spectrum and the
// interval of the run are kept, and the plot window opens with the grid.

#include <QLineEdit>
#include <cmath>
#include <numbers>

#include "plot/ui/newtrace.h"
#include "workbench/ui/start_wavelet_fixture.h"

namespace {

std::string Cosinus(int n, double periode) {
  std::string s;
  for (int i = 0; i < n; ++i) {
    s += std::to_string(std::cos(2 * std::numbers::pi * i / periode)) + "\n";
  }
  return s;
}

// Records whether the window was usable when the run made the pointer busy.
class DesktopEspion : public RecordingDesktop {
 public:
  explicit DesktopEspion(const std::unique_ptr<StartWavelet>& w) : w_(w) {}
  void SetBusy(bool busy) override {
    RecordingDesktop::SetBusy(busy);
    if (busy && w_) fenetreActiveSousSablier = fenetreActiveSousSablier || w_->isEnabled();
  }
  bool fenetreActiveSousSablier = false;

 private:
  const std::unique_ptr<StartWavelet>& w_;
};

}  // namespace

class AnalyseTest : public StartWaveletTest {
 public:
  void SetUp() override {
    Ouvrir(platform);
    Charger(Ecrire("cosinus.txt", Cosinus(100, 16)));
    Cliquer(w->Tout);
  }

  DesktopEspion desktop{w};
  Platform platform{tp.messages, tp.files, tp.colours, desktop, tp.sound, tp.printer};
};

TEST_F(AnalyseTest, WaveletRunsOnTheWorkingSignalAndOpensThePlot) {
  ASSERT_FALSE(w->Wavelet->isHidden());
  desktop.fenetreActiveSousSablier = false;  // the load was busy too
  Cliquer(w->Wavelet);
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_TRUE(w->isEnabled());
  EXPECT_FALSE(desktop.fenetreActiveSousSablier);
  EXPECT_EQ(desktop.depth, 0);
  const EtatAnalyse& a = w->DerniereAnalyse();
  EXPECT_FLOAT_EQ(a.Dt, 5e-6f);
  EXPECT_EQ(a.NbEchelles, 44);
  EXPECT_EQ(a.NFFT, 128);
  EXPECT_EQ(a.grille.NI(), 100);
  EXPECT_EQ(a.grille.NJ(), 44);
  ASSERT_EQ(a.NomVar.size(), 7u);
  EXPECT_EQ(a.NomVar[1], "Time");
  EXPECT_EQ(a.NomVar[6], "Phase");
  const WorkbenchState& e = w->Etat();
  EXPECT_EQ(e.NFFT, 128);
  EXPECT_EQ(e.Dt, a.Dt);
  EXPECT_EQ(e.Spectre.size(), a.spectre.Spectre.size());
  EXPECT_FALSE(e.SpectreAffiche);
  EXPECT_FALSE(e.CoupureActive);
  ASSERT_TRUE(w->FenetreTrace);
  EXPECT_TRUE(w->FenetreTrace->isVisible());
  EXPECT_NE(dynamic_cast<Newtrace*>(w->FenetreTrace.data()), nullptr);
}

TEST_F(AnalyseTest, TheResamplingStepEntersTheInterval) {
  Taper(w->Text7, "2");
  Cliquer(w->Draw);
  Cliquer(w->Wavelet);
  EXPECT_FLOAT_EQ(w->DerniereAnalyse().Dt, 1e-5f);
  EXPECT_EQ(w->DerniereAnalyse().grille.NI(), 50);
}

TEST_F(AnalyseTest, AFailedRunShowsItsMessageAndGivesTheWindowBack) {
  Cliquer(w->Wavelet);
  const std::vector<std::string> noms = w->DerniereAnalyse().NomVar;
  w->Text3->setText("0");  // one over zero sub-scales
  Cliquer(w->Wavelet);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, "ERREUR ! ");
  EXPECT_EQ(tp.messages.shown[0].title, "ARRET");
  EXPECT_EQ(tp.messages.shown[0].icon, Icone::Critique);
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(desktop.depth, 0);
  EXPECT_EQ(w->DerniereAnalyse().NomVar, noms);
  EXPECT_TRUE(w->FenetreTrace);
}

TEST_F(AnalyseTest, ThePlotWindowClosesWhenTheWorkbenchIsActivatedAgain) {
  Cliquer(w->Wavelet);
  ASSERT_TRUE(w->FenetreTrace);
  QApplication::setActiveWindow(w->FenetreTrace);
  QTRY_VERIFY(!w->isActiveWindow());
  QApplication::setActiveWindow(w.get());
  QTRY_VERIFY(!w->FenetreTrace);
}

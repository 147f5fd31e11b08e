// The plot window that an analysis run of the workbench opens comes with
// its settings dialogs.

#include <QAction>
#include <cmath>
#include <numbers>
#include <string>

#include "dialogs/ui/choisirfonc.h"
#include "dialogs/ui/fcalage.h"
#include "dialogs/ui/topniveau.h"
#include "plot/ui/newtrace.h"
#include "workbench/ui/start_wavelet_fixture.h"

namespace {

TEST_F(StartWaveletTest, ThePlotWindowOfAnAnalysisOpensItsSettingsDialogs) {
  std::string cosinus;
  for (int i = 0; i < 100; ++i)
    cosinus += std::to_string(std::cos(i * std::numbers::pi / 8)) + "\n";
  Charger(Ecrire("cosinus.txt", cosinus));
  Cliquer(w->Tout);
  Cliquer(w->Wavelet);
  auto* trace = dynamic_cast<Newtrace*>(w->FenetreTrace.data());
  ASSERT_NE(trace, nullptr);
  ASSERT_TRUE(trace->Axes->isEnabled());
  ASSERT_TRUE(trace->Titres->isEnabled());
  trace->Axes->trigger();
  trace->Titres->trigger();
  trace->ColorMap->trigger();
  for (QWidget* d : {static_cast<QWidget*>(trace->findChild<FCalage*>()),
                     static_cast<QWidget*>(trace->findChild<Topniveau*>()),
                     static_cast<QWidget*>(trace->findChild<Choisirfonc*>())}) {
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
  }
}

}  // namespace

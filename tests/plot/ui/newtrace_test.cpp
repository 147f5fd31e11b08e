#include "plot/ui/newtrace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <cmath>
#include <vector>

#include "platform/ui/picture_box.h"
#include "support/platform_doubles.h"

namespace {

// An analysis-shaped grid: time i * 0.5, frequencies 2^-7 .. 2^-5, a smooth
// positive power.
Grille Grid(int ni, int nj) {
  Grille g(6, ni, nj);
  for (int j = 1; j <= nj; ++j) {
    const float f = static_cast<float>(std::pow(2.0, -7 + 2.0 * (j - 1) / (nj - 1)));
    for (int i = 1; i <= ni; ++i) {
      const float p = static_cast<float>(1.5 + std::sin(0.1 * i) * std::cos(0.4 * j));
      g(1, i, j) = 0.5f * i;
      g(2, i, j) = f;
      g(3, i, j) = 1 / f;
      g(4, i, j) = p;
      g(5, i, j) = std::sqrt(p);
      g(6, i, j) = 0;
    }
  }
  return g;
}

std::vector<std::string> Names() {
  return {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"};
}

class NewtraceTest : public testing::Test {
 protected:
  void SetUp() override {
    w = new Newtrace(tp);
    signal.assign(81, 0.0f);
    for (int n = 1; n <= 80; ++n) signal[n] = static_cast<float>(std::sin(0.3 * n));
    CurveInputs c;
    c.Signal = signal;
    c.Nmax = 80;
    c.Dt = 0.5f;
    c.SignalMin = -1;
    c.SignalMax = 1;
    w->Charge(Grid(80, 12), Names(), c, "/data/chirp.txt");
    w->show();
  }
  void TearDown() override { delete w.data(); }

  TestPlatform tp;
  QPointer<Newtrace> w;
  std::vector<float> signal;
};

TEST_F(NewtraceTest, LoadingDrawsThePowerOverTimeAndALogarithmicFrequencyAxis) {
  EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Tracé: /data/chirp.txt"));
  const PlotModel& m = w->Modele();
  EXPECT_EQ(m.VarCouleur, 4);
  EXPECT_TRUE(m.YLog);
  EXPECT_EQ(m.YBase, 2);
  EXPECT_EQ(m.YMin, -7);
  EXPECT_EQ(m.YMax, -4);  // an exact power of the base below 1: one exponent above
  EXPECT_EQ(w->Echelle().NbCouleurs, 100);
  EXPECT_EQ(m.TitreReseau, "Color Map of Power spectrum");
  EXPECT_FALSE(w->Picture1->isVisible());
  EXPECT_TRUE(w->Legende->isVisible());
  EXPECT_EQ(w->Legende->text(), "VoirLegende");
  EXPECT_GT(tp.desktop.busyOn, 0);
  EXPECT_EQ(tp.desktop.depth, 0);
  // The middle of the frame is painted with a level of the default scale.
  const ImageSurface& s = w->Picture->surface();
  const WorldScale ws = s.Scale();
  const QRgb centre = s.PixelAt(static_cast<int>(ws.PixelX(20)), static_cast<int>(ws.PixelY(-6)));
  bool inScale = false;
  for (int k = 1; k <= 100; ++k) {
    const Couleur c = w->Echelle().Niveau(k);
    inScale |= centre == qRgb(RougeDe(c), VertDe(c), BleuDe(c));
  }
  EXPECT_TRUE(inScale);
}

TEST_F(NewtraceTest, LegendCommandTogglesTheBoxAndItsCaption) {
  w->Legende->trigger();
  EXPECT_TRUE(w->Picture1->isVisible());
  EXPECT_TRUE(w->Modele().LegendeVisible);
  EXPECT_EQ(w->Legende->text(), "CacheLegende");
  // The box stands at the top-left corner inside the frame.
  const WorldScale ws = w->Picture->surface().Scale();
  const PlotModel& m = w->Modele();
  EXPECT_EQ(w->Picture1->x(), static_cast<int>(ws.PixelX(m.XMin + 0.05 * m.DX)));
  EXPECT_EQ(w->Picture1->y(), static_cast<int>(ws.PixelY(m.YMax - 0.05 * m.DY)));
  w->Legende->trigger();
  EXPECT_FALSE(w->Picture1->isVisible());
  EXPECT_EQ(w->Legende->text(), "VoirLegende");
}

TEST_F(NewtraceTest, DraggingTheLegendMovesItAndARedrawPutsItBack) {
  w->Legende->trigger();
  const QPoint start = w->Picture1->pos();
  w->Picture1_MouseDown(10, 50);
  w->Picture1_MouseMove(18, 10, Qt::LeftButton);
  EXPECT_GT(w->Picture1->x(), start.x());
  EXPECT_GT(w->Picture1->y(), start.y());
  w->Picture1_MouseMove(2, 90, Qt::NoButton);  // no button: no drag
  const QPoint moved = w->Picture1->pos();
  EXPECT_NE(moved, start);
  w->Redraw->trigger();
  EXPECT_EQ(w->Picture1->pos(), start);
}

TEST_F(NewtraceTest, NormalRestoresTheFullViewAndIsometriqueWaitsForLinearAxes) {
  PlotModel& m = w->Modele();
  m.XMin = 10;
  m.XMax = 12;
  w->Normal->trigger();
  EXPECT_EQ(m.XMin, 0.5f);
  EXPECT_EQ(m.XMax, 40);
  const float ymax = m.YMax;
  w->Isometrique->trigger();
  EXPECT_EQ(m.YMax, ymax);
  m.YLog = false;
  m.YBase = 1;
  m.YMin = 0;
  m.YMax = 1;
  w->Redraw->trigger();
  w->Isometrique->trigger();
  EXPECT_FLOAT_EQ(m.YMax - m.YMin, m.XMax - m.XMin);
}

TEST_F(NewtraceTest, WithoutColourMapTheLegendCommandIsHidden) {
  w->Legende->trigger();
  w->Modele().VarCouleur = 0;
  w->Form_Activate();
  EXPECT_FALSE(w->Legende->isVisible());
  EXPECT_FALSE(w->Picture1->isVisible());
  EXPECT_EQ(w->Modele().TitreReseau, "Réseau(x) d'iso-niveaux");
}

TEST_F(NewtraceTest, FinClosesTheWindow) {
  w->FIN->trigger();
  QTest::qWait(0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(w.isNull());
}

}  // namespace

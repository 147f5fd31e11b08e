#include "plot/ui/newtrace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <cmath>
#include <vector>

#include "platform/ui/picture_box.h"
#include "plot/image_plot.h"
#include "plot/ui/newtrace_fixture.h"
#include "support/platform_doubles.h"

namespace {

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
  // The headless tool draws its pictures at this size by default.
  EXPECT_EQ(w->Picture->width(), kLargeurImageDefaut);
  EXPECT_EQ(w->Picture->height(), kHauteurImageDefaut);
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

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "grids.h"
#include "platform/image_surface.h"
#include "plot/documentation.h"
#include "plot/tracemollier.h"
#include "relais_surface.h"

namespace {

ColourScale Echelle() {
  ColourScale s;
  for (int k = 1; k <= kNiveauxMax; ++k) {
    s.Rouge[k] = static_cast<int16_t>(k);
    s.Vert[k] = static_cast<int16_t>(255 - k);
    s.Bleu[k] = static_cast<int16_t>((3 * k) % 256);
  }
  s.NbCouleurs = 100;
  return s;
}

QRgb Mot(Couleur c) {
  return qRgb(RougeDe(c), VertDe(c), BleuDe(c));
}

bool Identiques(const ImageSurface& a, const ImageSurface& b) {
  return a.image() == b.image();
}

struct Vue {
  const char* name;
  int ni, nj;
  int width, height;
  bool zoom;
};

TEST(RenderedPicture, RasterAndBoxPathsGiveTheSameImage) {
  const Vue cases[] = {
      {"small grid", 9, 6, 300, 200, false},
      {"small grid zoomed", 9, 6, 300, 200, true},
      {"long run", 4000, 44, 400, 300, false},
      {"long run zoomed", 4000, 44, 400, 300, true},
  };
  for (const Vue& c : cases) {
    SCOPED_TRACE(c.name);
    const ColourScale scale = Echelle();
    PlotModel a, b;
    ChargeGrille(a, GrilleAnalyse(c.ni, c.nj), NomsAnalyse());
    if (c.zoom) {
      a.XMin = a.XMin + 0.3f * (a.XMax - a.XMin);
      a.YMin = a.YMin + 1;
    }
    b = a;
    ImageSurface rapide(c.width, c.height), boites(c.width, c.height);
    ImageSurface legendeA(80, 300), legendeB(80, 300);
    RelaisSurface sans(boites);
    Tracemollier(a, scale, CurveInputs{}, rapide, &legendeA);
    Tracemollier(b, scale, CurveInputs{}, sans, &legendeB);
    EXPECT_TRUE(Identiques(rapide, boites));
    EXPECT_TRUE(Identiques(legendeA, legendeB));
  }
}

class Picture : public testing::Test {
 protected:
  void SetUp() override {
    ChargeGrille(m, GrilleAnalyse(400, 20), NomsAnalyse());
    Tracemollier(m, scale, CurveInputs{}, plot, &legend);
  }
  PlotModel m;
  ColourScale scale = Echelle();
  ImageSurface plot{1200, 800};
  ImageSurface legend{80, 300};
};

TEST_F(Picture, FrameStandsAtItsWorldPosition) {
  // Frame [XMin, XMax] x [YMin, YMax] inside margins of 0.25 / 0.1 of the range
  // over a world width and height of 1.35 ranges.
  const int left = static_cast<int>(std::floor(0.25 / 1.35 * 1200));
  const int right = static_cast<int>(std::floor(1.25 / 1.35 * 1200));
  const int top = static_cast<int>(std::floor(0.1 / 1.35 * 800));
  const int bottom = static_cast<int>(std::floor(1.1 / 1.35 * 800));
  const QRgb black = qRgb(0, 0, 0);
  for (int y : {top + 40, (top + bottom) / 2, bottom - 40}) {
    EXPECT_EQ(plot.PixelAt(left, y), black) << y;
    EXPECT_EQ(plot.PixelAt(right, y), black) << y;
  }
  for (int x : {left + 100, (left + right) / 2, right - 100}) {
    EXPECT_EQ(plot.PixelAt(x, top), black) << x;
    EXPECT_EQ(plot.PixelAt(x, bottom), black) << x;
  }
  // Outside the frame, left of the Y labels and above the title: white.
  EXPECT_EQ(plot.PixelAt(5, 5), qRgb(255, 255, 255));
}

TEST_F(Picture, AKnownCellHasTheColourOfItsMean) {
  // The pixel at the middle of the frame belongs to the last cell, in
  // painting order, whose box covers it.
  const WorldScale w = plot.Scale();
  const int px = 700, py = 350;
  int ci = 0, cj = 0;
  for (int j = 1; j < m.NJ; ++j) {
    for (int i = 1; i < m.NI; ++i) {
      const double x1 = m.Grille(1, i, j), x2 = m.Grille(1, i + 1, j + 1);
      const double y1 = std::log2(m.Grille(2, i, j)), y2 = std::log2(m.Grille(2, i + 1, j + 1));
      const double l = std::min(w.PixelX(x1), w.PixelX(x2)),
                   r = std::max(w.PixelX(x1), w.PixelX(x2));
      const double t = std::min(w.PixelY(y1), w.PixelY(y2)),
                   b = std::max(w.PixelY(y1), w.PixelY(y2));
      if (std::floor(l) <= px && px <= std::floor(r) && std::floor(t) <= py &&
          py <= std::floor(b)) {
        ci = i;
        cj = j;
      }
    }
  }
  ASSERT_NE(ci, 0);
  const Grille& g = m.Grille;
  const double mean =
      (g(4, ci, cj) + g(4, ci, cj + 1) + g(4, ci + 1, cj) + g(4, ci + 1, cj + 1)) / 4;
  const double level = (mean - m.VarMin[4]) * 99 / (m.VarMax[4] - m.VarMin[4]) + 1;
  EXPECT_EQ(plot.PixelAt(px, py), Mot(scale.Niveau(static_cast<int>(std::nearbyint(level)))));
}

TEST_F(Picture, LegendBoxesRunFromTheFirstLevelAtTheBottomToTheLast) {
  for (int k = 1; k <= 20; ++k) {
    const int y = static_cast<int>((100 - (5 * k - 2.5)) / 100 * 300);
    EXPECT_EQ(legend.PixelAt(8, y), Mot(scale.Niveau(NiveauLegende(k, 100)))) << k;
  }
  EXPECT_EQ(legend.PixelAt(8, 299), Mot(scale.Niveau(1)));
  EXPECT_EQ(legend.PixelAt(8, 0), Mot(scale.Niveau(100)));
}

}  // namespace

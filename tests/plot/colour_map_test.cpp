#include "plot/colour_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "grids.h"
#include "plot/declarations.h"
#include "surface_double.h"

namespace {

TEST(NiveauCellule, LevelsOfATableOfMeans) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    float mean, vmin, vmax;
    int nb;
    int level;
  };
  const Case cases[] = {
      {0.5f, 0, 1, 2, 2},      // 1.5 rounds to 2
      {0.49f, 0, 1, 2, 1},     //
      {0.25f, 0, 1, 100, 26},  // 25.75
      {0, 0, 1, 100, 1},         {1, 0, 1, 100, 100},   {-3, -3, 5, 100, 1}, {5, -3, 5, 100, 100},
      {0.25f, 0, 1, 3, 2},  // 1.5 to even
      {0.75f, 0, 1, 3, 2},  // 2.5 to even
      {1.5f, 0, 2, 4, 3},   // 3.25
      {7, 7, 7, 100, 1},    // constant variable: no division
      {0.5f, 0, 1, 0, 1},   // no scale accepted yet
      {1, 0, 1, 300, 200},  // beyond the colour arrays
      {1.0001f, 0, 1, 100, 100}, {-0.1f, 0, 1, 100, 1}, {nan, 0, 1, 100, 1}, {0.5f, nan, 1, 100, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NiveauCellule(c.mean, c.vmin, c.vmax, c.nb), c.level)
        << c.mean << " in " << c.vmin << ".." << c.vmax << " over " << c.nb;
  }
}

TEST(MoyenneCellule, MeanOfTheFourCorners) {
  Grille g(1, 2, 2);
  g(1, 1, 1) = 1;
  g(1, 1, 2) = 2;
  g(1, 2, 1) = 3;
  g(1, 2, 2) = 10;
  EXPECT_EQ(MoyenneCellule(g, 1, 1, 1), 4);
}

// Levels k get the colour (k, 2k mod 256, 255 - k) so a box tells its level.
ColourScale Echelle(int nb) {
  ColourScale s;
  for (int k = 1; k <= kNiveauxMax; ++k) {
    s.Rouge[k] = static_cast<int16_t>(k);
    s.Vert[k] = static_cast<int16_t>((2 * k) % 256);
    s.Bleu[k] = static_cast<int16_t>(255 - k);
  }
  s.NbCouleurs = static_cast<int16_t>(nb);
  return s;
}

// Grid of ni x nj nodes with X = i, Y = j and variable 3 = i + 10 j.
PlotModel Modele(int ni, int nj) {
  Grille g(3, ni, nj);
  for (int i = 1; i <= ni; ++i) {
    for (int j = 1; j <= nj; ++j) {
      g(1, i, j) = static_cast<float>(i);
      g(2, i, j) = static_cast<float>(j);
      g(3, i, j) = static_cast<float>(i + 10 * j);
    }
  }
  PlotModel m;
  m.Grille = g;
  Initialise(m);
  m.VarCouleur = 3;
  return m;
}

// The plot's world window, as the redraw sets it.
void Fenetre(PlotModel& m, Surface& s) {
  m.DX = m.XMax - m.XMin;
  m.DY = m.YMax - m.YMin;
  s.SetScale(m.XMin - 0.25 * m.DX, m.YMax + 0.1 * m.DY, 1.35 * m.DX, -1.35 * m.DY);
}

struct Cellule {
  double x1, y1, x2, y2;
  bool operator==(const Cellule&) const = default;
};

std::vector<Cellule> Boites(const SurfaceDouble& s) {
  std::vector<Cellule> out;
  for (const auto& b : s.boxes) out.push_back({b.x1, b.y1, b.x2, b.y2});
  return out;
}

TEST(ColorierParBoites, PaintsEveryCellRowByRowInTheColourOfItsMean) {
  PlotModel m = Modele(3, 3);
  const ColourScale scale = Echelle(100);
  SurfaceDouble plot(200, 100, false), legend(40, 200);
  Fenetre(m, plot);
  m.ModeZoom = 1;
  ColorierParBoites(m, scale, plot, &legend);
  EXPECT_EQ(m.ModeZoom, 0);
  EXPECT_EQ(Boites(plot),
            (std::vector<Cellule>{{1, 1, 2, 2}, {2, 1, 3, 2}, {1, 2, 2, 3}, {2, 2, 3, 3}}));
  // Means 16.5, 17.5, 26.5, 27.5 over 11..33.
  const int levels[] = {NiveauCellule(16.5f, 11, 33, 100), NiveauCellule(17.5f, 11, 33, 100),
                        NiveauCellule(26.5f, 11, 33, 100), NiveauCellule(27.5f, 11, 33, 100)};
  for (int c = 0; c < 4; ++c) EXPECT_EQ(plot.boxes[c].colour, scale.Niveau(levels[c])) << c;
  EXPECT_EQ(levels[0], 26);  // 5.5 * 99 / 22 + 1 = 25.75
  EXPECT_EQ(legend.boxes.size(), 20u);
}

TEST(ColorierParBoites, AfterAZoomOnlyWholeCellsInsideTheWindowArePainted) {
  struct Case {
    const char* name;
    float xmin, xmax, ymin, ymax;
    std::vector<Cellule> cells;
  };
  const Case cases[] = {
      {"one column of cells", 1.5f, 3, 1, 3, {{2, 1, 3, 2}, {2, 2, 3, 3}}},
      {"bounds included", 2, 4, 2, 3, {{2, 2, 3, 3}, {3, 2, 4, 3}}},
      {"inside one cell", 2.2f, 2.8f, 1.2f, 1.8f, {}},
      {"min above max", 4, 1, 1, 3, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlotModel m = Modele(4, 3);
    m.XMin = c.xmin;
    m.XMax = c.xmax;
    m.YMin = c.ymin;
    m.YMax = c.ymax;
    SurfaceDouble plot(200, 100, false), legend(40, 200);
    Fenetre(m, plot);
    ColorierParBoites(m, Echelle(100), plot, &legend);
    EXPECT_EQ(Boites(plot), c.cells);
    EXPECT_EQ(legend.boxes.size(), 20u);
  }
}

TEST(ColorierParBoites, LogarithmicAxisComparesDataValuesAndPlacesLogarithms) {
  Grille g(3, 4, 2);
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 2; ++j) {
      g(1, i, j) = static_cast<float>(std::pow(10.0, i - 2));  // 0.1, 1, 10, 100
      g(2, i, j) = static_cast<float>(j);
      g(3, i, j) = static_cast<float>(i);
    }
  }
  PlotModel m;
  m.Grille = g;
  Initialise(m);
  m.VarCouleur = 3;
  m.XLog = true;
  m.XBase = 10;
  m.XMin = 0;
  m.XMax = 1;
  SurfaceDouble plot(200, 100, false);
  Fenetre(m, plot);
  ColorierParBoites(m, Echelle(100), plot, nullptr);
  EXPECT_EQ(Boites(plot), (std::vector<Cellule>{{0, 1, 1, 2}}));
}

TEST(ColorierParBoites, GridsWithoutCellsOrVariablesPaintNothingButTheLegend) {
  struct Case {
    const char* name;
    int ni, nj, var;
  };
  const Case cases[] = {
      {"one column", 1, 4, 3},
      {"one row", 4, 1, 3},
      {"no variable", 4, 4, 0},
      {"bad variable", 4, 4, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlotModel m = Modele(c.ni, c.nj);
    m.VarCouleur = c.var;
    SurfaceDouble plot(200, 100), legend(40, 200);
    Fenetre(m, plot);
    Colorier(m, Echelle(100), plot, &legend);
    EXPECT_TRUE(plot.boxes.empty());
    for (uint32_t w : plot.Bits()) ASSERT_EQ(w, 0xFFFFFFFFu);
    EXPECT_EQ(legend.boxes.size(), 20u);
  }
}

TEST(ColorierParBoites, ConstantVariablePaintsEveryCellInLevelOne) {
  PlotModel m = Modele(3, 3);
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) m.Grille(3, i, j) = 4;
  }
  Initialise(m);
  m.VarCouleur = 3;
  const ColourScale scale = Echelle(100);
  SurfaceDouble plot(200, 100, false);
  Fenetre(m, plot);
  ColorierParBoites(m, scale, plot, nullptr);
  ASSERT_EQ(plot.boxes.size(), 4u);
  for (const auto& b : plot.boxes) EXPECT_EQ(b.colour, scale.Niveau(1));
}

// The direct raster path must give exactly the pixels of the box path, over
// a background that uncovered pixels keep.
struct CasRaster {
  const char* name;
  int ni, nj;
  int width, height;
  bool logY;
  bool perturbX;  // X no longer depends on i alone
  bool zoom;      // a window inside the grid, cutting cells
  bool reverseX;  // X falling with i: cells overlap in reverse order
};

PlotModel ModeleRaster(const CasRaster& c) {
  Grille g = GrilleAnalyse(c.ni, c.nj);
  if (c.perturbX) {
    for (int i = 1; i <= c.ni; ++i) {
      for (int j = 1; j <= c.nj; ++j) g(1, i, j) += 0.13f * ((i * 7 + j * 3) % 5);
    }
  }
  if (c.reverseX) {
    for (int i = 1; i <= c.ni; ++i) {
      for (int j = 1; j <= c.nj; ++j) g(1, i, j) = -g(1, i, j) + 0.2f * (i % 3);
    }
  }
  PlotModel m;
  ChargeGrille(m, g, NomsAnalyse());
  if (!c.logY) {
    m.YLog = false;
    m.YBase = 1;
    CalageLinY(m);
  }
  if (c.zoom) {
    const float dx = m.XMax - m.XMin, dy = m.YMax - m.YMin;
    m.XMin += 0.23f * dx;
    m.XMax -= 0.31f * dx;
    m.YMin += 0.17f * dy;
    m.YMax -= 0.2f * dy;
  }
  return m;
}

void Fond(Surface& s) {
  const WorldScale w = s.Scale();
  s.FilledBox(w.left, w.top, w.left + w.width * 0.6, w.top + w.height * 0.7, RGB(90, 90, 90));
}

TEST(Colorier, RasterPathMatchesTheBoxPathPixelForPixel) {
  const CasRaster cases[] = {
      {"small grid, big cells", 7, 5, 120, 80, true, false, false, false},
      {"small grid linear", 7, 5, 120, 80, false, false, false, false},
      {"zoomed", 40, 12, 150, 90, true, false, true, false},
      {"more cells than pixels", 900, 30, 160, 50, true, false, false, false},
      {"more cells than pixels, zoomed", 900, 30, 160, 50, false, false, true, false},
      {"not separable", 30, 9, 140, 90, false, true, false, false},
      {"not separable, zoomed", 30, 9, 140, 90, true, true, true, false},
      {"overlapping cells", 50, 6, 100, 60, false, false, false, true},
  };
  for (const CasRaster& c : cases) {
    SCOPED_TRACE(c.name);
    const ColourScale scale = Echelle(37);
    PlotModel a = ModeleRaster(c), b = ModeleRaster(c);
    SurfaceDouble boxes(c.width, c.height, false), raster(c.width, c.height, true);
    Fenetre(a, boxes);
    Fenetre(b, raster);
    Fond(boxes);
    Fond(raster);
    ColorierParBoites(a, scale, boxes, nullptr);
    Colorier(b, scale, raster, nullptr);
    EXPECT_EQ(raster.pixelRequests, 1);
    EXPECT_EQ(raster.boxes.size(), 1u);  // the background only
    ASSERT_GT(boxes.boxes.size(), 1u);
    EXPECT_EQ(raster.Bits(), boxes.Bits());
  }
}

}  // namespace

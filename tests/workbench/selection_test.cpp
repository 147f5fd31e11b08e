#include "workbench/selection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(IndiceClic, NearestHalvesToEvenWithinTheSignal) {
  struct Cas {
    double x;
    int32_t attendu;
  };
  const Cas cas[] = {
      {8.6, 9},
      {3.2, 3},
      {2.5, 2},
      {3.5, 4},
      {4.4999, 4},
      {1.0, 1},
      {0.7, 1},
      {-5.0, 1},
      {9.5, 10},
      {10.4, 10},
      {10.6, 10},
      {11.0, 10},
      {1e12, 10},
      {-1e12, 1},
      {std::numeric_limits<double>::quiet_NaN(), 1},
      {std::numeric_limits<double>::infinity(), 10},
  };
  for (const Cas& c : cas) EXPECT_EQ(IndiceClic(c.x, 10), c.attendu) << c.x;
}

struct CasClics {
  const char* nom;
  std::vector<double> clics;
  EtapeSelection derniere;
  int32_t i1, i2;
};

TEST(ClicSelection, TwoClickProtocol) {
  const CasClics cas[] = {
      {"second before first: exchanged", {8.6, 3.2}, EtapeSelection::SelectionFaite, 3, 9},
      {"too close: ignored", {2.0, 2.4}, EtapeSelection::ClicIgnore, 2, 2},
      {"one apart: ignored", {5.0, 6.0}, EtapeSelection::ClicIgnore, 5, 6},
      {"two apart: made", {5.0, 7.0}, EtapeSelection::SelectionFaite, 5, 7},
      {"ignored, then a second end", {2.0, 2.4, 6.0}, EtapeSelection::SelectionFaite, 2, 6},
      // The ignored click before the first end has already become I1.
      {"ignored below, then above", {5.0, 4.0, 9.0}, EtapeSelection::SelectionFaite, 4, 9},
      {"beyond the picture: clamped", {-3.0, 50.0}, EtapeSelection::SelectionFaite, 1, 20},
  };
  for (const CasClics& c : cas) {
    WorkbenchState e;
    e.Nreel = 20;
    e.SelectionActive = true;
    e.PremierPoint = true;
    EtapeSelection etape = ClicSelection(e, c.clics[0]);
    EXPECT_EQ(etape, EtapeSelection::PremierPointPris) << c.nom;
    EXPECT_FALSE(e.PremierPoint) << c.nom;
    for (size_t k = 1; k < c.clics.size(); ++k) etape = ClicSelection(e, c.clics[k]);
    EXPECT_EQ(etape, c.derniere) << c.nom;
    EXPECT_EQ(e.I1, c.i1) << c.nom;
    EXPECT_EQ(e.I2, c.i2) << c.nom;
    EXPECT_EQ(e.SelectionActive, c.derniere != EtapeSelection::SelectionFaite) << c.nom;
  }
}

TEST(SelectionTotale, WholeSignal) {
  WorkbenchState e;
  e.Nreel = 10;
  e.SelectionActive = true;
  SelectionTotale(e);
  EXPECT_EQ(e.I1, 1);
  EXPECT_EQ(e.I2, 10);
  EXPECT_FALSE(e.SelectionActive);
}

}  // namespace

#include "workbench/dessin_signal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "raster_surface.h"

namespace {

// A series of kind `genre` with n samples, 1-based.
std::vector<float> Serie(const std::string& genre, int32_t n) {
  std::vector<float> v(static_cast<size_t>(n) + 1, 0.0f);
  std::mt19937 alea(12345);
  std::normal_distribution<float> bruit(0.0f, 1.0f);
  for (int32_t i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n;
    if (genre == "sinus") {
      v[i] = static_cast<float>(std::sin(2 * M_PI * 7 * t));
    } else if (genre == "bruit") {
      v[i] = bruit(alea);
    } else if (genre == "impulsion") {
      v[i] = i == n / 3 ? 1.0f : 0.0f;
    } else if (genre == "chirp") {
      v[i] = static_cast<float>(std::sin(2 * M_PI * 400 * t * t));
    } else if (genre == "nyquist") {
      v[i] = i % 2 ? 1.0f : -1.0f;
    } else {  // constant
      v[i] = 3.0f;
    }
  }
  return v;
}

// The reference: one segment per sample pair.
void TraceNaif(Surface& s, const std::vector<float>& v, int32_t n) {
  for (int32_t i = 2; i <= n; ++i) s.Line(i - 1, v[i - 1], i, v[i]);
}

void Preparer(Surface& s, int32_t n, Plage p) {
  s.Clear();
  s.SetScale(1.0, p.max, n, static_cast<double>(p.min) - p.max);
  s.SetForeColor(RGB(0, 0, 255));
}

struct CasDessin {
  const char* genre;
  int32_t n;
  int largeur;
  int hauteur;
};

TEST(TraceSerie, SamePixelsAsOneSegmentPerSample) {
  const CasDessin cas[] = {
      {"sinus", 1, 50, 20},       {"sinus", 2, 50, 20},        {"sinus", 49, 50, 20},
      {"sinus", 50, 50, 20},      {"sinus", 51, 50, 20},       {"bruit", 107, 50, 20},
      {"bruit", 10007, 120, 40},  {"impulsion", 5000, 97, 30}, {"chirp", 100003, 300, 100},
      {"nyquist", 1001, 100, 9},  {"constante", 777, 64, 16},  {"bruit", 1200, 1200, 400},
      {"bruit", 1201, 1200, 400}, {"chirp", 2399, 1200, 400},
  };
  for (const CasDessin& c : cas) {
    const std::vector<float> v = Serie(c.genre, c.n);
    const Plage p = PlageDe(v.data(), c.n);
    RasterSurface attendu(c.largeur, c.hauteur), obtenu(c.largeur, c.hauteur);
    Preparer(attendu, c.n, p);
    Preparer(obtenu, c.n, p);
    TraceNaif(attendu, v, c.n);
    TraceSerie(obtenu, v.data(), c.n);
    EXPECT_EQ(obtenu.pixels(), attendu.pixels()) << c.genre << " n=" << c.n;
    EXPECT_LE(obtenu.lines(), 2 * c.largeur + 1) << c.genre << " n=" << c.n;
    if (c.n >= 2) {
      EXPECT_EQ(obtenu.currentX(), c.n) << c.genre << " n=" << c.n;
      EXPECT_EQ(obtenu.currentY(), v[c.n]) << c.genre << " n=" << c.n;
    }
  }
}

TEST(TraceSerie, FewSamplesAreSegmentBySegment) {
  const std::vector<float> v = Serie("bruit", 40);
  RasterSurface s(100, 30);
  Preparer(s, 40, PlageDe(v.data(), 40));
  TraceSerie(s, v.data(), 40);
  EXPECT_EQ(s.lines(), 39);
}

TEST(DessineSerie, ScaleAndPen) {
  std::vector<float> v = {0.0f, 2.0f, -1.0f, 5.0f, 4.0f};
  RasterSurface s(40, 30);
  s.SetForeColor(RGB(255, 0, 0));
  DessineSerie(s, v, 4, {-1.0f, 5.0f});
  const WorldScale w = s.Scale();
  EXPECT_EQ(w.left, 1.0);
  EXPECT_EQ(w.width, 4.0);
  EXPECT_EQ(w.top, 5.0);
  EXPECT_EQ(w.height, -6.0);
  EXPECT_EQ(s.ForeColor(), RGB(0, 0, 255));
  EXPECT_EQ(s.lines(), 3);
  // Sample 3 (x = 3, the top value) is at pixel column 20, row 0.
  EXPECT_EQ(s.At(20, 0), RGB(0, 0, 255));
}

TEST(DessineSerie, NoSampleOnlyClears) {
  std::vector<float> v(1);
  RasterSurface s(10, 10);
  s.SetForeColor(RGB(0, 0, 0));
  s.PSet(0.5, 0.5);
  DessineSerie(s, v, 0, {0.0f, 1.0f});
  EXPECT_EQ(s.lines(), 0);
  for (Couleur c : s.pixels()) EXPECT_EQ(c, RasterSurface::kBlanc);
}

TEST(DessineSignal, DrawsTheWorkingSignalInItsRange) {
  WorkbenchState e;
  e.Signal = {0.0f, 1.0f, 3.0f, 2.0f};
  e.Nmax = 3;
  e.SignalMin = 1.0f;
  e.SignalMax = 3.0f;
  e.SignalLu = {0.0f, 9.0f, 9.0f};  // must not be the one drawn
  e.Nreel = 2;
  RasterSurface s(30, 20);
  DessineSignal(s, e);
  EXPECT_EQ(s.Scale().width, 3.0);
  EXPECT_EQ(s.Scale().top, 3.0);
  EXPECT_EQ(s.lines(), 2);
  DessineSignalLu(s, e);
  EXPECT_EQ(s.Scale().width, 2.0);
}

}  // namespace

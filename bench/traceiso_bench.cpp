// Iso lines of 20 levels of the power over the grid of a 65535-sample,
// 44-scale analysis run, frequency on a base-2 logarithmic axis, in one run:
// drawn into a 1200 x 800 image surface with line width 2 and a placed
// injector (what the plot window does), the same segments collected as
// values without drawing, and two peers: every level of every cell through
// the range test, as a plain level loop per cell would, and every segment
// drawn one Line at a time by the painter instead of as stamped batches.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <vector>

#include "platform/image_surface.h"
#include "plot/declarations.h"
#include "plot/niveaux.h"
#include "plot/traceiso.h"

// The forwarding surface of the plot tests.
#include "../tests/plot/relais_surface.h"

#include "grille_run.h"

namespace {

using grille_run::GrilleRun;
using grille_run::kDt;
using grille_run::kSamples;
using grille_run::kScales;
constexpr int kLevels = 20;

PlotModel& LeModele() {
  static PlotModel m = [] {
    PlotModel p;
    ChargeGrille(p, GrilleRun(),
                 {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"});
    const float lo = p.VarMin[4], hi = p.VarMax[4];
    const float pas = (hi - lo) / kLevels;
    p.NbReseaux = 1;
    p.IsoReseau = 1;
    p.IsoVar = p.ReseauVar[1] = 4;
    p.IsoMin = p.ReseauMin[1] = lo + pas / 2;
    p.IsoMax = p.ReseauMax[1] = hi;
    p.IsoPas = p.ReseauPas[1] = pas;
    p.ReseauProgression[1] = 1;
    p.ReseauFormat[1] = "#.#E+##";
    // Corner to corner across the frame, in data units.
    p.InjPlace[1] = 1;
    p.InjX1[1] = PuisBase(p.XBase, p.XMin);
    p.InjY1[1] = PuisBase(p.YBase, p.YMin);
    p.InjX2[1] = PuisBase(p.XBase, p.XMax);
    p.InjY2[1] = PuisBase(p.YBase, p.YMax);
    return p;
  }();
  return m;
}

// Counts the lines that reach the surface.
class Compteur : public RelaisSurface {
 public:
  using RelaisSurface::RelaisSurface;
  void Line(double a, double b, double c, double d) override {
    ++lignes;
    RelaisSurface::Line(a, b, c, d);
  }
  long lignes = 0;
};

void Prepare(const PlotModel& m, ImageSurface& plot) {
  plot.SetScale(m.XMin, m.YMax, m.XMax - m.XMin, m.YMin - m.YMax);
  plot.SetForeColor(RGB(255, 0, 0));
  plot.SetDrawWidth(2);
  plot.SetFont(3, false);
}

void BM_TraceisoImage(benchmark::State& state) {
  const PlotModel& m = LeModele();
  ImageSurface plot(1200, 800);
  Prepare(m, plot);
  for (auto _ : state) {
    Traceiso(m, plot);
    benchmark::DoNotOptimize(plot.PixelAt(600, 400));
  }
  Compteur compteur(plot);
  Traceiso(m, compteur);
  state.counters["lines"] = static_cast<double>(compteur.lignes);
  const std::vector<TraitIso> traits = TraitsIso(m);
  int etiquettes = 0;
  for (const TraitIso& t : traits) etiquettes += t.etiquette;
  state.counters["segments"] = static_cast<double>(traits.size());
  state.counters["labels"] = etiquettes;
  state.counters["levels"] =
      static_cast<double>(Niveaux(1, m.IsoMin, m.IsoMax, m.IsoPas, {}).size());
}

// The tracer's own share: the same call on a surface that draws nothing.
class Muette : public Compteur {
 public:
  using Compteur::Compteur;
  void Line(double, double, double, double) override { ++lignes; }
  void Print(std::string_view) override {}
};

void BM_TraceisoNoPixels(benchmark::State& state) {
  const PlotModel& m = LeModele();
  ImageSurface plot(1200, 800);
  Prepare(m, plot);
  Muette muette(plot);
  for (auto _ : state) {
    Traceiso(m, muette);
    benchmark::DoNotOptimize(muette.lignes);
  }
}

void BM_TraitsIsoValues(benchmark::State& state) {
  const PlotModel& m = LeModele();
  for (auto _ : state) {
    std::vector<TraitIso> traits = TraitsIso(m);
    benchmark::DoNotOptimize(traits.data());
  }
}

// The same segments, every one drawn through Line: what the stamped batches
// save.
void BM_PeerEverySegmentDrawn(benchmark::State& state) {
  const PlotModel& m = LeModele();
  ImageSurface plot(1200, 800);
  Prepare(m, plot);
  for (auto _ : state) {
    for (const TraitIso& t : TraitsIso(m)) {
      plot.Line(LogBase(m.XBase, t.x1), LogBase(m.YBase, t.y1), LogBase(m.XBase, t.x2),
                LogBase(m.YBase, t.y2));
    }
    benchmark::DoNotOptimize(plot.PixelAt(600, 400));
  }
}

// Every level of every cell through the range test; only the cells' level
// hits are counted, no crossing is computed.
void BM_PeerLevelLoopPerCell(benchmark::State& state) {
  const PlotModel& m = LeModele();
  const std::vector<float> niveaux = Niveaux(1, m.IsoMin, m.IsoMax, m.IsoPas, {});
  for (auto _ : state) {
    long hits = 0;
    for (int i = 1; i < m.NI; ++i) {
      for (int j = 1; j < m.NJ; ++j) {
        const float a = m.Grille(4, i, j), b = m.Grille(4, i, j + 1);
        const float c = m.Grille(4, i + 1, j), d = m.Grille(4, i + 1, j + 1);
        const float lo = std::fmin(std::fmin(a, b), std::fmin(c, d));
        const float hi = std::fmax(std::fmax(a, b), std::fmax(c, d));
        for (float l : niveaux) hits += !(l < lo || l > hi);
      }
    }
    benchmark::DoNotOptimize(hits);
  }
}

BENCHMARK(BM_TraceisoImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraceisoNoPixels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraitsIsoValues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeerLevelLoopPerCell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeerEverySegmentDrawn)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

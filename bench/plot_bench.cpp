// Full repaint of the plot window (frame, ticks, titles, legend and colour
// map) for the grid of a 65535-sample, 44-scale analysis run into a 1200 x 800
// picture, three ways in one run: the colour map written straight into the
// raster (what the window does), the same cells painted one FilledBox at a
// time on the image surface, and the same cells painted one QPainter
// rectangle at a time. A fourth case adds the signal and spectrum strips.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <vector>

#include "dialogs/colour_scale.h"
#include "engine/complexe.h"
#include "platform/image_surface.h"
#include "plot/tracemollier.h"

// The forwarding surface of the plot tests.
#include "../tests/plot/relais_surface.h"

#include "grille_run.h"

namespace {

using grille_run::GrilleRun;
using grille_run::kDt;
using grille_run::kSamples;
using grille_run::kScales;

struct Scene {
  PlotModel model;
  ColourScale scale;
  std::vector<float> signal;
  std::vector<Complexe> spectre;
  CurveInputs curves;

  Scene() {
    ChargeGrille(model, GrilleRun(),
                 {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"});
    ChoixCouleursLogic dialog(scale);
    dialog.Charge_FeuilleCouleurs();
    dialog.Accepte();
    signal.resize(kSamples + 1);
    for (int n = 1; n <= kSamples; ++n)
      signal[n] = static_cast<float>(std::sin(0.01 * n * n / kSamples));
    spectre.resize(131072 + 1);
    for (size_t m = 1; m < spectre.size(); ++m) spectre[m] = {1.0f / static_cast<float>(m), 0.0f};
    curves.Signal = signal;
    curves.Nmax = kSamples;
    curves.Dt = kDt;
    curves.SignalMin = -1;
    curves.SignalMax = 1;
    curves.Spectre = spectre;
    curves.NFFT = 131072;
    curves.SpectreMin = 0;
    curves.SpectreMax = 1;
  }
};

Scene& LaScene() {
  static Scene scene;
  return scene;
}

// The image surface with its raster hidden and every filled box painted as
// one QPainter rectangle (on an image of its own: only the cost matters).
class RelaisQPainter : public RelaisSurface {
 public:
  explicit RelaisQPainter(ImageSurface& s)
      : RelaisSurface(s), s_(s), image_(s.width(), s.height(), QImage::Format_RGB32) {
    painter_.begin(&image_);
  }
  void FilledBox(double a, double b, double c, double d, Couleur k) override {
    const PixelRect r = BoxPixels(s_.Scale(), a, b, c, d);
    if (r.empty()) return;
    painter_.fillRect(QRect(r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1),
                      QColor(RougeDe(k), VertDe(k), BleuDe(k)));
  }

 private:
  ImageSurface& s_;
  QImage image_;
  QPainter painter_;
};

enum class Voie { Raster, FilledBox, QPainterRect };

void Repaint(benchmark::State& state, Voie voie, bool withCurves) {
  Scene& scene = LaScene();
  ImageSurface plot(1200, 800), legend(90, 300);
  RelaisSurface boites(plot);
  RelaisQPainter rectangles(plot);
  Surface& target = voie == Voie::Raster      ? static_cast<Surface&>(plot)
                    : voie == Voie::FilledBox ? static_cast<Surface&>(boites)
                                              : rectangles;
  const CurveInputs none;
  for (auto _ : state) {
    PlotModel& m = scene.model;
    Tracemollier(m, scene.scale, withCurves ? scene.curves : none, target, &legend);
    benchmark::DoNotOptimize(plot.PixelAt(600, 400));
  }
  state.counters["cells"] = static_cast<double>(kSamples - 1) * (kScales - 1);
}

void BM_RepaintRaster(benchmark::State& state) {
  Repaint(state, Voie::Raster, false);
}
void BM_RepaintFilledBoxPerCell(benchmark::State& state) {
  Repaint(state, Voie::FilledBox, false);
}
void BM_RepaintQPainterRectPerCell(benchmark::State& state) {
  Repaint(state, Voie::QPainterRect, false);
}
void BM_RepaintRasterWithCurves(benchmark::State& state) {
  Repaint(state, Voie::Raster, true);
}

BENCHMARK(BM_RepaintRaster)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintFilledBoxPerCell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintQPainterRectPerCell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintRasterWithCurves)->Unit(benchmark::kMillisecond);

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

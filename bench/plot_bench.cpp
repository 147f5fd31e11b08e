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

namespace {

constexpr int kSamples = 65535;
constexpr int kScales = 44;
constexpr float kDt = 5e-6f;

// Time i * dt, scales a quarter octave apart from 2 dt, a smooth power.
Grille GrilleRun() {
  Grille g(6, kSamples, kScales);
  for (int j = 1; j <= kScales; ++j) {
    const float period = static_cast<float>(1.0330436 * 2 * kDt * std::pow(2.0, (j - 1) / 4.0));
    for (int i = 1; i <= kSamples; ++i) {
      const double s = std::sin(6.283185307 * i / 5000.0) * std::cos(j / 7.0);
      g(1, i, j) = kDt * static_cast<float>(i);
      g(2, i, j) = 1.0f / period;
      g(3, i, j) = period;
      g(4, i, j) = static_cast<float>((1 + s) * (1 + s));
      g(5, i, j) = static_cast<float>(1 + s);
      g(6, i, j) = static_cast<float>(std::fmod(0.7 * i, 360.0) - 180.0);
    }
  }
  return g;
}

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

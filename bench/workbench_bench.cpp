// The two heavy steps of the workbench, each against a peer in the same run:
// - loading a text file of 1,000,000 numbers (both passes), against one
//   pass of a stream reader (`std::ifstream >> float`);
// - drawing 1,000,000 samples into a 1200 x 400 image surface, against the
//   one-segment-per-sample drawing that gives the same pixels.

#include <benchmark/benchmark.h>
#include <QGuiApplication>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "platform/image_surface.h"
#include "workbench/dessin_signal.h"
#include "workbench/lecture_texte.h"

namespace {

constexpr int kNombres = 1000000;

// Numbers as a user's file holds them: a noisy sine in a few formats, some
// per line, commas and blanks.
class FichierNombres {
 public:
  FichierNombres() {
    chemin_ = (std::filesystem::temp_directory_path() / "marv_workbench_bench.txt").string();
    std::mt19937 alea(7);
    std::normal_distribution<double> bruit(0.0, 0.1);
    std::string texte;
    char tampon[64];
    for (int i = 0; i < kNombres; ++i) {
      const double v = std::sin(i * 0.001) + bruit(alea);
      const char* format = i % 3 == 0 ? "%.7g" : (i % 3 == 1 ? "%.4f" : "%.5E");
      std::snprintf(tampon, sizeof tampon, format, v);
      texte += tampon;
      texte += i % 4 == 3 ? "\n" : ", ";
    }
    std::ofstream(chemin_, std::ios::binary) << texte;
    taille_ = texte.size();
  }
  ~FichierNombres() { std::filesystem::remove(chemin_); }
  const std::string& chemin() const { return chemin_; }
  size_t taille() const { return taille_; }

 private:
  std::string chemin_;
  size_t taille_ = 0;
};

const FichierNombres& Fichier() {
  static const FichierNombres f;
  return f;
}

void BM_ChargerFichierTexte(benchmark::State& state) {
  const FichierNombres& f = Fichier();
  for (auto _ : state) {
    auto r = ChargerFichierTexte(f.chemin());
    if (!std::holds_alternative<SignalTexte>(r)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(r);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * f.taille());
}
BENCHMARK(BM_ChargerFichierTexte)->Unit(benchmark::kMillisecond);

// Peer: one pass of a stream, commas skipped by hand.
void BM_FluxIfstream(benchmark::State& state) {
  const FichierNombres& f = Fichier();
  for (auto _ : state) {
    std::ifstream in(f.chemin());
    std::vector<float> v;
    v.reserve(kNombres);
    float x;
    while (in >> x) {
      v.push_back(x);
      if (in.peek() == ',') in.get();
    }
    if (v.size() != kNombres) state.SkipWithError("stream read failed");
    benchmark::DoNotOptimize(v.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * f.taille());
}
BENCHMARK(BM_FluxIfstream)->Unit(benchmark::kMillisecond);

std::vector<float> Serie() {
  std::vector<float> v(kNombres + 1);
  std::mt19937 alea(3);
  std::normal_distribution<float> bruit(0.0f, 0.2f);
  for (int i = 1; i <= kNombres; ++i) v[i] = static_cast<float>(std::sin(i * 1e-4)) + bruit(alea);
  return v;
}

void Preparer(ImageSurface& s, const std::vector<float>& v) {
  const Plage p = PlageDe(v.data(), kNombres);
  s.Clear();
  s.SetScale(1.0, p.max, kNombres, static_cast<double>(p.min) - p.max);
  s.SetForeColor(RGB(0, 0, 255));
}

void BM_TraceSerie(benchmark::State& state) {
  const std::vector<float> v = Serie();
  ImageSurface s(1200, 400);
  {
    // The envelope must give the pixels of the segment-by-segment drawing.
    ImageSurface reference(1200, 400);
    Preparer(reference, v);
    for (int i = 2; i <= kNombres; ++i) reference.Line(i - 1, v[i - 1], i, v[i]);
    Preparer(s, v);
    TraceSerie(s, v.data(), kNombres);
    if (s.image() != reference.image()) state.SkipWithError("pixels differ from the reference");
  }
  for (auto _ : state) {
    Preparer(s, v);
    TraceSerie(s, v.data(), kNombres);
    benchmark::DoNotOptimize(s.image().constBits());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kNombres);
}
BENCHMARK(BM_TraceSerie)->Unit(benchmark::kMillisecond);

// Peer: one segment per sample pair.
void BM_TraceSegmentParSegment(benchmark::State& state) {
  const std::vector<float> v = Serie();
  ImageSurface s(1200, 400);
  for (auto _ : state) {
    Preparer(s, v);
    for (int i = 2; i <= kNombres; ++i) s.Line(i - 1, v[i - 1], i, v[i]);
    benchmark::DoNotOptimize(s.image().constBits());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kNombres);
}
BENCHMARK(BM_TraceSegmentParSegment)->Unit(benchmark::kMillisecond);

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

// The spectrum and the band-cut filter of the workbench, each against peers
// in the same run:
// - "Fourier" on a selection of 65535 samples (NFFT 65536): selection,
//   mean removal, transform, scaling, extent and the drawing into a
//   1200 x 400 image surface; the computation and the drawing alone; and
//   as peers the bare forward transform of the program, of FFTW 3
//   (FFTW_MEASURE, planned outside the loop) and of KissFFT;
// - "Ok" after reading a filter file of 100 bands on that spectrum: the
//   file read and its cuts, the back transform with d = 1 and the window
//   (Finish); the back transform alone as the peer.
#include <benchmark/benchmark.h>
#include <fftw3.h>
#include <kiss_fft.h>
#include <QGuiApplication>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "fft/fft.h"
#include "platform/image_surface.h"
#include "workbench/filtre_cb_format.h"
#include "workbench/filtre_cb_lecture.h"
#include "workbench/reechantillonnage.h"
#include "workbench/spectre.h"
#include "workbench/spectre_retour.h"

namespace {

constexpr int kEchantillons = 65535;
constexpr int kNfft = 65536;
constexpr float kDt = 1.0f / 44100.0f;

WorkbenchState EtatSelectionne() {
  WorkbenchState etat;
  etat.SignalLu.resize(kEchantillons + 1);
  std::mt19937 alea(9);
  std::normal_distribution<float> bruit(0.0f, 0.1f);
  for (int i = 1; i <= kEchantillons; ++i) {
    etat.SignalLu[i] =
        static_cast<float>(std::sin(i * 0.05) + 0.3 * std::sin(i * 0.7)) + bruit(alea);
  }
  etat.Nreel = kEchantillons;
  etat.I1 = 1;
  etat.I2 = kEchantillons;
  return etat;
}

void BM_FourrierEtDessin(benchmark::State& state) {
  WorkbenchState etat = EtatSelectionne();
  ImageSurface s(1200, 400);
  for (auto _ : state) {
    if (Fourrier(etat, kDt, s).issue != IssueSpectre::Trace) state.SkipWithError("not drawn");
    benchmark::DoNotOptimize(s.image().constBits());
  }
}
BENCHMARK(BM_FourrierEtDessin)->Unit(benchmark::kMillisecond);

void BM_CalculeSpectre(benchmark::State& state) {
  WorkbenchState etat = EtatSelectionne();
  ImageSurface s(1200, 400);
  Fourrier(etat, kDt, s);
  for (auto _ : state) {
    CalculeSpectre(etat);
    benchmark::DoNotOptimize(etat.Spectre.data());
  }
}
BENCHMARK(BM_CalculeSpectre)->Unit(benchmark::kMillisecond);

void BM_DessineFFT(benchmark::State& state) {
  WorkbenchState etat = EtatSelectionne();
  ImageSurface s(1200, 400);
  Fourrier(etat, kDt, s);
  for (auto _ : state) {
    DessineFFT(s, etat, kDt);
    benchmark::DoNotOptimize(s.image().constBits());
  }
}
BENCHMARK(BM_DessineFFT)->Unit(benchmark::kMillisecond);

std::vector<Complexe> DonneesComplexes() {
  const WorkbenchState etat = EtatSelectionne();
  std::vector<Complexe> d(kNfft + 1);
  for (int i = 1; i <= kEchantillons; ++i) d[i].Re = etat.SignalLu[i];
  return d;
}

void BM_PairFftProgramme(benchmark::State& state) {
  const std::vector<Complexe> source = DonneesComplexes();
  std::vector<Complexe> d = source;
  std::vector<float> work(4 * kNfft + 16);
  FftInit(kNfft, work);
  for (auto _ : state) {
    state.PauseTiming();
    d = source;
    state.ResumeTiming();
    FftForward(kNfft, d, work);
    benchmark::DoNotOptimize(d.data());
  }
}
BENCHMARK(BM_PairFftProgramme)->Unit(benchmark::kMillisecond);

void BM_PairFftw(benchmark::State& state) {
  const std::vector<Complexe> source = DonneesComplexes();
  auto* buf = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * kNfft));
  fftwf_plan plan = fftwf_plan_dft_1d(kNfft, buf, buf, FFTW_FORWARD, FFTW_MEASURE);
  for (auto _ : state) {
    state.PauseTiming();
    for (int k = 0; k < kNfft; ++k) {
      buf[k][0] = source[k + 1].Re;
      buf[k][1] = source[k + 1].Im;
    }
    state.ResumeTiming();
    fftwf_execute(plan);
    benchmark::DoNotOptimize(buf);
  }
  fftwf_destroy_plan(plan);
  fftwf_free(buf);
}
BENCHMARK(BM_PairFftw)->Unit(benchmark::kMillisecond);

void BM_PairKissFft(benchmark::State& state) {
  const std::vector<Complexe> source = DonneesComplexes();
  kiss_fft_cfg cfg = kiss_fft_alloc(kNfft, 0, nullptr, nullptr);
  std::vector<kiss_fft_cpx> in(kNfft), out(kNfft);
  for (int k = 0; k < kNfft; ++k) in[k] = {source[k + 1].Re, source[k + 1].Im};
  for (auto _ : state) {
    kiss_fft(cfg, in.data(), out.data());
    benchmark::DoNotOptimize(out.data());
  }
  kiss_fft_free(cfg);
}
BENCHMARK(BM_PairKissFft)->Unit(benchmark::kMillisecond);

// A filter file of 100 bands spread over the spectrum, 20 Hz to 20 kHz.
class FichierCentBandes {
 public:
  FichierCentBandes() {
    chemin_ = (std::filesystem::temp_directory_path() / "marv_spectre_bench.fcb").string();
    std::ofstream f(chemin_, std::ios::binary);
    for (int b = 0; b < 100; ++b) {
      const float x = static_cast<float>(4.4 + b * 0.1);
      f << LigneFiltre(x, x + 0.02f);
    }
  }
  ~FichierCentBandes() { std::filesystem::remove(chemin_); }
  const std::string& chemin() const { return chemin_; }

 private:
  std::string chemin_;
};

void BM_OkAvecFiltre(benchmark::State& state) {
  const FichierCentBandes fichier;
  WorkbenchState spectre = EtatSelectionne();
  ImageSurface s(1200, 400);
  Fourrier(spectre, kDt, s);
  const ModeReechantillonnage mode{true, 1, 1.0};
  for (auto _ : state) {
    state.PauseTiming();
    WorkbenchState etat = spectre;
    state.ResumeTiming();
    if (LireFiltre(etat, fichier.chemin(), kDt)) state.SkipWithError("filter not read");
    BackFft(etat, 1.0);
    Finish(etat, mode, FenetreSpectrale::Cs2Hann);
    benchmark::DoNotOptimize(etat.Signal.data());
  }
}
BENCHMARK(BM_OkAvecFiltre)->Unit(benchmark::kMillisecond);

void BM_BackFftSeul(benchmark::State& state) {
  WorkbenchState spectre = EtatSelectionne();
  ImageSurface s(1200, 400);
  Fourrier(spectre, kDt, s);
  for (auto _ : state) {
    state.PauseTiming();
    WorkbenchState etat = spectre;
    state.ResumeTiming();
    BackFft(etat, 1.0);
    benchmark::DoNotOptimize(etat.SignalSecond.data());
  }
}
BENCHMARK(BM_BackFftSeul)->Unit(benchmark::kMillisecond);

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

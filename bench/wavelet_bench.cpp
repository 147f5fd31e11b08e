// The wavelet transform and the whole analysis run on 65535 samples (padded
// to 65536), 44 Morlet scales, against the FFTs they contain measured alone
// in the same run: one forward and 44 backward transforms of 65536 points.
// Outputs and working copies are allocated outside the timed loops, except
// where an allocation is part of what is measured (the run's grid).
//
// At the end the ratios are printed: transform / FFTs (target <= 1.3) and
// run / (1.3 x FFTs) (target <= 1.6).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/analyse.h"
#include "engine/complexe.h"
#include "engine/wavelet.h"
#include "fft/fft.h"

namespace {

constexpr int32_t kN = 65535;
constexpr int32_t kNpad = 65536;
constexpr int32_t kJ = 44;

std::vector<float> Chirp() {
  std::vector<float> y(kN + 1, 0.0f);
  for (int32_t i = 1; i <= kN; ++i) {
    double t = static_cast<double>(i) / kN;
    y[i] = static_cast<float>(std::sin(2 * 3.141592653589793 * (20 * t + 2000 * t * t)));
  }
  return y;
}

EntreeWavelet Entree(const std::vector<float>& y) {
  // The main window's defaults: dt 5e-6 s, start scale 2 dt, 4 sub-scales,
  // 11 octaves.
  return EntreeWavelet{kN, y, 5e-6f, 1e-5f, 0.25f, kJ, kNpad};
}

// The FFTs alone, each on data of the kind the transform feeds it: the
// forward one on the signal, the backward ones on a spectrum. Both inputs are
// copied in before each transform (the transform writes its input too).
void BmFfts(benchmark::State& state) {
  const std::vector<float> y = Chirp();
  std::vector<float> work(4 * size_t{kNpad} + 16);
  FftInit(kNpad, work);
  std::vector<Complexe> signal(kNpad + 1), spectre(kNpad + 1), data(kNpad + 1);
  for (int32_t i = 1; i <= kN; ++i) signal[i] = {y[i], 0.0f};
  spectre = signal;
  FftForward(kNpad, spectre, work);
  for (Complexe& c : spectre) c = {c.Re / kNpad, c.Im / kNpad};
  for (auto _ : state) {
    std::copy(signal.begin(), signal.end(), data.begin());
    FftForward(kNpad, data, work);
    for (int32_t j = 0; j < kJ; ++j) {
      std::copy(spectre.begin(), spectre.end(), data.begin());
      FftBackward(kNpad, data, work);
    }
    benchmark::DoNotOptimize(data.data());
    benchmark::ClobberMemory();
  }
}

void BmWavelet(benchmark::State& state) {
  const std::vector<float> y = Chirp();
  const EntreeWavelet in = Entree(y);
  TableauOndelette wave(kN, kJ);
  std::vector<float> scale(kJ + 1), period(kJ + 1), coi(kN + 1);
  SpectreWavelet spectre;
  std::vector<MessageMoteur> messages;
  for (auto _ : state) {
    int32_t mother = 0;
    float param = 6.0f;
    WAVELET(in, mother, param, wave, scale, period, coi, spectre, messages);
    benchmark::DoNotOptimize(&wave(1, 1));
    benchmark::ClobberMemory();
  }
  if (!messages.empty()) state.SkipWithError("the transform reported a failure");
}

EntreesAnalyse EntreesRun(const std::vector<float>& y) {
  EntreesAnalyse in;  // default texts, Morlet
  in.Signal = y;
  in.Nmax = kN;
  return in;
}

// Every run starts from an empty state, so the grid is allocated anew.
void BmAnalyseNouvelle(benchmark::State& state) {
  const std::vector<float> y = Chirp();
  const EntreesAnalyse in = EntreesRun(y);
  for (auto _ : state) {
    ResultatAnalyse r = Analyse(in, EtatAnalyse{});
    benchmark::DoNotOptimize(&r.etat.grille(4, 1, 1));
    if (r.erreur) state.SkipWithError("the run failed");
  }
}

// Each run receives the previous run's state, as the workbench passes it
// when an analysis is run again on a signal of the same length.
void BmAnalyseReprise(benchmark::State& state) {
  const std::vector<float> y = Chirp();
  const EntreesAnalyse in = EntreesRun(y);
  EtatAnalyse etat = Analyse(in, EtatAnalyse{}).etat;
  for (auto _ : state) {
    ResultatAnalyse r = Analyse(in, std::move(etat));
    benchmark::DoNotOptimize(&r.etat.grille(4, 1, 1));
    if (r.erreur) state.SkipWithError("the run failed");
    etat = std::move(r.etat);
  }
}

// Keeps the mean real time of every benchmark, by name.
class Releve : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        temps[run.benchmark_name()] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> temps;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("ffts_1_forward_44_backward", BmFfts)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("wavelet_morlet_44", BmWavelet)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("analyse_new_grid", BmAnalyseNouvelle)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("analyse_reused_grid", BmAnalyseReprise)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Releve releve;
  benchmark::RunSpecifiedBenchmarks(&releve);
  benchmark::Shutdown();

  const auto& t = releve.temps;
  auto it = t.find("ffts_1_forward_44_backward");
  if (it == t.end()) return 0;
  const double ffts = it->second;
  if (t.count("wavelet_morlet_44")) {
    std::printf("wavelet / ffts           = %.3f (target <= 1.3)\n",
                t.at("wavelet_morlet_44") / ffts);
  }
  for (const char* name : {"analyse_new_grid", "analyse_reused_grid"}) {
    if (t.count(name)) {
      std::printf("%-19s / (1.3 ffts) = %.3f (target <= 1.6)\n", name, t.at(name) / (1.3 * ffts));
    }
  }
  return 0;
}

// The wavelet transform and the whole analysis run on 65535 samples (padded
// to 65536), 44 Morlet scales, against the FFTs they contain measured alone
// in the same run: one forward and 44 backward transforms of 65536 points.
// Outputs and working copies are allocated outside the timed loops, except
// where an allocation is part of what is measured (the run's grid).
//
// At the end the ratios are printed: transform / FFTs (target <= 1.3) and
// run / (1.3 x FFTs) (target <= 1.6). --threads N (default 1) shares the
// scales of the run, and of a column-by-column transform, out among N
// threads; the FFTs alone stay on one.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "engine/analyse.h"
#include "engine/complexe.h"
#include "engine/wavelet.h"
#include "fft/fft.h"
#include "releve.h"

namespace {

constexpr int32_t kN = 65535;
constexpr int32_t kNpad = 65536;
constexpr int32_t kJ = 44;
int gThreads = 1;

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

// The same transform through its column interface, the columns copied
// into the coefficient array, the scales shared among gThreads threads.
void BmWaveletFils(benchmark::State& state) {
  const std::vector<float> y = Chirp();
  const EntreeWavelet in = Entree(y);
  TableauOndelette wave(kN, kJ);
  std::vector<float> scale(kJ + 1), period(kJ + 1), coi(kN + 1);
  SpectreWavelet spectre;
  std::vector<MessageMoteur> messages;
  auto copie = [&wave](int32_t j, std::span<const Complexe> column) {
    std::copy(column.begin() + 1, column.end(), wave.Colonne(j).begin() + 1);
  };
  for (auto _ : state) {
    int32_t mother = 0;
    float param = 6.0f;
    WaveletParColonnes(in, mother, param, copie, scale, period, coi, spectre, messages, gThreads);
    benchmark::DoNotOptimize(&wave(1, 1));
    benchmark::ClobberMemory();
  }
  if (!messages.empty()) state.SkipWithError("the transform reported a failure");
}

EntreesAnalyse EntreesRun(const std::vector<float>& y) {
  EntreesAnalyse in;  // default texts, Morlet
  in.Signal = y;
  in.Nmax = kN;
  in.threads = gThreads;
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

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::string(argv[i]) == "--threads" && i + 1 < argc) {
      gThreads = std::max(1, std::atoi(argv[++i]));
    } else {
      args.push_back(argv[i]);
    }
  }
  argc = static_cast<int>(args.size());
  argv = args.data();
  benchmark::RegisterBenchmark("ffts_1_forward_44_backward", BmFfts)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("wavelet_morlet_44", BmWavelet)->Unit(benchmark::kMillisecond);
  const std::string fils = "_threads_" + std::to_string(gThreads);
  benchmark::RegisterBenchmark(("wavelet_columns" + fils).c_str(), BmWaveletFils)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("analyse_new_grid" + fils).c_str(), BmAnalyseNouvelle)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("analyse_reused_grid" + fils).c_str(), BmAnalyseReprise)
      ->Unit(benchmark::kMillisecond);
  std::map<std::string, double> t;
  if (!MesureTout(argc, argv, t)) return 1;
  auto it = t.find("ffts_1_forward_44_backward");
  if (it == t.end()) return 0;
  const double ffts = it->second;
  for (const std::string& name : {std::string("wavelet_morlet_44"), "wavelet_columns" + fils}) {
    if (t.count(name)) {
      std::printf("%-30s / ffts        = %.3f (target <= 1.3)\n", name.c_str(), t.at(name) / ffts);
    }
  }
  for (const std::string& name : {"analyse_new_grid" + fils, "analyse_reused_grid" + fils}) {
    if (t.count(name)) {
      std::printf("%-30s / (1.3 ffts) = %.3f (target <= 1.6)\n", name.c_str(),
                  t.at(name) / (1.3 * ffts));
    }
  }
  return 0;
}

// The node variables of a run's grid (65535 samples, 44 scales) through each
// node kernel this processor runs, against the scalar one in the same run,
// and the rows of constant values written plainly and around the caches.
// Each iteration fills all 44 columns of one grid, so the rows leave the
// caches as they do in a run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/complexe.h"
#include "engine/ecriture_directe.h"
#include "engine/grille.h"
#include "engine/noeuds_noyaux.h"
#include "releve.h"

namespace {

constexpr int32_t kN = 65535;
constexpr int32_t kJ = 44;

// Coefficients of the magnitudes and angles of a run's column.
std::vector<Complexe> Colonne() {
  std::mt19937 gen(11);
  std::normal_distribution<float> d;
  std::vector<Complexe> w(kN + 1);
  for (Complexe& c : w) c = {d(gen), d(gen)};
  return w;
}

void BmNoyau(benchmark::State& state, const NoyauNoeuds* noyau) {
  const std::vector<Complexe> w = Colonne();
  Grille g(6, kN, kJ);
  for (auto _ : state) {
    for (int32_t j = 1; j <= kJ; ++j) {
      benchmark::DoNotOptimize(
          VariablesNoeuds(*noyau, w, kN, g.Row(4, j), g.Row(5, j), g.Row(6, j)));
    }
    benchmark::ClobberMemory();
  }
}

// The Time, Périod and Fréquencies rows of every column.
template <bool kDirect>
void BmLignesConstantes(benchmark::State& state) {
  std::vector<float> temps(kN + 1);
  for (int32_t i = 0; i <= kN; ++i) temps[i] = 5e-6f * static_cast<float>(i);
  Grille g(6, kN, kJ);
  for (auto _ : state) {
    for (int32_t j = 1; j <= kJ; ++j) {
      if constexpr (kDirect) {
        CopieDirecte(temps.data() + 1, kN, g.Row(1, j) + 1);
        RemplitDirect(g.Row(2, j) + 1, kN, 1.0f / j);
        RemplitDirect(g.Row(3, j) + 1, kN, static_cast<float>(j));
      } else {
        std::copy(temps.begin() + 1, temps.end(), g.Row(1, j) + 1);
        std::fill(g.Row(2, j) + 1, g.Row(2, j) + kN + 1, 1.0f / j);
        std::fill(g.Row(3, j) + 1, g.Row(3, j) + kN + 1, static_cast<float>(j));
      }
    }
    benchmark::ClobberMemory();
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const NoyauNoeuds& noyau : NoyauxNoeuds()) {
    benchmark::RegisterBenchmark((std::string("noeuds_") + noyau.nom).c_str(), BmNoyau, &noyau)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("lignes_constantes_plain", BmLignesConstantes<false>)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("lignes_constantes_direct", BmLignesConstantes<true>)
      ->Unit(benchmark::kMillisecond);
  std::map<std::string, double> t;
  if (!MesureTout(argc, argv, t)) return 1;
  if (t.count("noeuds_scalaire")) {
    for (const NoyauNoeuds& noyau : NoyauxNoeuds()) {
      const std::string name = std::string("noeuds_") + noyau.nom;
      if (t.count(name)) {
        std::printf("%-26s / noeuds_scalaire = %.3f\n", name.c_str(),
                    t.at(name) / t.at("noeuds_scalaire"));
      }
    }
  }
  if (t.count("lignes_constantes_plain") && t.count("lignes_constantes_direct")) {
    std::printf("lignes_constantes_direct / plain = %.3f\n",
                t.at("lignes_constantes_direct") / t.at("lignes_constantes_plain"));
  }
  return 0;
}

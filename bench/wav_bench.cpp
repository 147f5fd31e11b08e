// Loading a ten-minute 44.1 kHz stereo 16-bit WAV file (about 106 MB) from a
// temporary folder, against two peers in the same run: reading the same
// bytes with one fread (the floor any reader pays) and a reader that takes
// the samples one at a time from a stream.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "wav/caract_wave.h"
#include "wav/wave_octets.h"

namespace {

constexpr int kTaux = 44100;
constexpr int kSecondes = 600;

class FichierTemporaire {
 public:
  FichierTemporaire() {
    chemin_ = (std::filesystem::temp_directory_path() / "marv_wav_bench.wav").string();
    PlanWave p;
    p.channels = 2;
    p.sampleRate = kTaux;
    const size_t trames = size_t{kTaux} * kSecondes;
    p.donnees.resize(trames * 4);
    uint32_t x = 12345;
    for (auto& b : p.donnees) {
      x = x * 1664525u + 1013904223u;
      b = static_cast<uint8_t>(x >> 24);
    }
    const std::vector<uint8_t> o = ConstruireWave(p);
    std::ofstream f(chemin_, std::ios::binary);
    f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
    taille_ = o.size();
  }
  ~FichierTemporaire() { std::filesystem::remove(chemin_); }
  const std::string& chemin() const { return chemin_; }
  size_t taille() const { return taille_; }

 private:
  std::string chemin_;
  size_t taille_ = 0;
};

const FichierTemporaire& Fichier() {
  static const FichierTemporaire f;
  return f;
}

void BM_LireSignalWave(benchmark::State& state) {
  const auto choix = static_cast<ChoixCanal>(state.range(0));
  const FichierTemporaire& fichier = Fichier();  // written before the timing starts
  for (auto _ : state) {
    auto s = LireSignalWave(fichier.chemin(), choix);
    if (!s.ok()) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(s.valeur().SignalLu.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fichier.taille()));
}
BENCHMARK(BM_LireSignalWave)
    ->Arg(static_cast<int>(ChoixCanal::Option1))
    ->Arg(static_cast<int>(ChoixCanal::Option2))
    ->Arg(static_cast<int>(ChoixCanal::Option3))
    ->Unit(benchmark::kMillisecond);

void BM_Peer_FreadWholeFile(benchmark::State& state) {
  const FichierTemporaire& fichier = Fichier();  // written before the timing starts
  std::vector<uint8_t> tampon(fichier.taille());
  for (auto _ : state) {
    std::FILE* f = std::fopen(fichier.chemin().c_str(), "rb");
    const size_t lu = std::fread(tampon.data(), 1, tampon.size(), f);
    std::fclose(f);
    if (lu != tampon.size()) state.SkipWithError("short read");
    benchmark::DoNotOptimize(tampon.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fichier.taille()));
}
BENCHMARK(BM_Peer_FreadWholeFile)->Unit(benchmark::kMillisecond);

// Mixed stereo, one 16-bit read per sample from a buffered stream.
void BM_Peer_StreamSampleBySample(benchmark::State& state) {
  const FichierTemporaire& fichier = Fichier();  // written before the timing starts
  const size_t n = (fichier.taille() - 44) / 2;
  for (auto _ : state) {
    std::ifstream f(fichier.chemin(), std::ios::binary);
    f.seekg(44);
    std::vector<float> serie(n + 1);
    for (size_t k = 1; k <= n; ++k) {
      int16_t v = 0;
      f.read(reinterpret_cast<char*>(&v), 2);
      serie[k] = v;
    }
    benchmark::DoNotOptimize(serie.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fichier.taille()));
}
BENCHMARK(BM_Peer_StreamSampleBySample)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

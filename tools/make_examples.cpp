// Writes the example signals into a folder (examples/ of the source tree by
// default): text signals of one number per line, meant for the default
// sampling interval of 5e-6 s, and two small WAV files. Every value is
// computed from closed forms and a fixed-seed generator, so running it again
// gives the same bytes.
//
//   make_examples [folder]

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "wav/wave_octets.h"

namespace {

constexpr double kDt = 5e-6;
constexpr double kPi = std::numbers::pi;

// Uniform in [-1, 1) from the raw generator output, whose sequence the
// standard fixes, so the noise is the same with every library.
double Bruit(std::mt19937& gen) {
  return 2.0 * (static_cast<double>(gen()) / 4294967296.0) - 1.0;
}

bool EcrireTexte(const std::filesystem::path& chemin, const std::vector<double>& valeurs) {
  std::ofstream f(chemin);
  char ligne[32];
  for (double v : valeurs) {
    std::snprintf(ligne, sizeof ligne, "%.6f\n", v);
    f << ligne;
  }
  return static_cast<bool>(f);
}

bool EcrireOctets(const std::filesystem::path& chemin, const std::vector<uint8_t>& octets) {
  std::ofstream f(chemin, std::ios::binary);
  f.write(reinterpret_cast<const char*>(octets.data()),
          static_cast<std::streamsize>(octets.size()));
  return static_cast<bool>(f);
}

// Exponential chirp from 2 kHz to 40 kHz over 4096 samples: the frequency
// climbs at a constant rate on the logarithmic axis of the scalogram, inside
// the scales the default wavelet settings cover.
std::vector<double> Chirp() {
  const int n = 4096;
  const double f0 = 2000.0, f1 = 40000.0, duree = n * kDt;
  const double k = std::log(f1 / f0) / duree;
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) {
    const double t = i * kDt;
    v[i] = std::sin(2.0 * kPi * f0 * (std::exp(k * t) - 1.0) / k);
  }
  return v;
}

// 3 kHz and 20 kHz, far enough apart for a band cut to keep one alone, with
// a little uniform noise.
std::vector<double> DeuxTons() {
  std::mt19937 gen(20261210);
  std::vector<double> v(4096);
  for (size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) * kDt;
    v[i] = std::sin(2.0 * kPi * 3000.0 * t) + 0.5 * std::sin(2.0 * kPi * 20000.0 * t) +
           0.05 * Bruit(gen);
  }
  return v;
}

std::vector<double> Marche() {
  std::vector<double> v(1000, 0.0);
  for (size_t i = 500; i < v.size(); ++i) v[i] = 1.0;
  return v;
}

// 440 Hz, mono 16-bit, 8 kHz, one second.
std::vector<uint8_t> TonMono16() {
  const int taux = 8000;
  std::vector<int16_t> v(taux);
  for (int i = 0; i < taux; ++i) {
    v[i] = static_cast<int16_t>(std::lround(16000.0 * std::sin(2.0 * kPi * 440.0 * i / taux)));
  }
  PlanWave p;
  p.sampleRate = taux;
  p.donnees = OctetsPcm16(v);
  return ConstruireWave(p);
}

// 440 Hz on the left, 660 Hz on the right, stereo 8-bit, 8 kHz, half a second.
std::vector<uint8_t> TonsStereo8() {
  const int taux = 8000;
  PlanWave p;
  p.channels = 2;
  p.bitsPerSample = 8;
  p.sampleRate = taux;
  for (int i = 0; i < taux / 2; ++i) {
    for (double f : {440.0, 660.0}) {
      p.donnees.push_back(
          static_cast<uint8_t>(std::lround(128.0 + 100.0 * std::sin(2.0 * kPi * f * i / taux))));
    }
  }
  return ConstruireWave(p);
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path dossier = argc > 1 ? argv[1] : "examples";
  std::error_code ec;
  std::filesystem::create_directories(dossier, ec);
  const bool ok = EcrireTexte(dossier / "chirp.txt", Chirp()) &&
                  EcrireTexte(dossier / "two_tones.txt", DeuxTons()) &&
                  EcrireTexte(dossier / "step.txt", Marche()) &&
                  EcrireOctets(dossier / "tone_mono16.wav", TonMono16()) &&
                  EcrireOctets(dossier / "tones_stereo8.wav", TonsStereo8());
  if (!ok) {
    std::fprintf(stderr, "make_examples: cannot write into %s\n", dossier.string().c_str());
    return 1;
  }
  return 0;
}

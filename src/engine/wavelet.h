#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "engine/complexe.h"
#include "engine/message_moteur.h"

// Continuous wavelet transform by convolution in Fourier space: one forward
// FFT of the mean-removed, zero-padded signal, then per scale the product
// with the daughter wavelet and one backward FFT.

// Working capacity of the transform, in points of the padded signal.
inline constexpr int32_t kCapaciteWavelet = 120000;

// The normalised spectrum of the padded signal that a transform leaves
// behind: Spectre[1..npad] (sized 1..kCapaciteWavelet, the rest 0) and the
// range of its modulus.
struct SpectreWavelet {
  std::vector<Complexe> Spectre;
  float SpectreMin = 0.0f;
  float SpectreMax = 0.0f;
};

// Wavelet coefficients W(i, j), time i = 1..NI, scale j = 1..NJ, every
// element starting at 0; i fastest, so a scale is one contiguous column.
class TableauOndelette {
 public:
  TableauOndelette() = default;
  TableauOndelette(int32_t ni, int32_t nj)
      : ni_(ni), nj_(nj), values_(static_cast<size_t>(ni + 1) * (nj + 1)) {}

  int32_t NI() const { return ni_; }
  int32_t NJ() const { return nj_; }
  Complexe& operator()(int32_t i, int32_t j) { return values_[Index(i, j)]; }
  Complexe operator()(int32_t i, int32_t j) const { return values_[Index(i, j)]; }
  // Positions 0..NI of scale j.
  std::span<Complexe> Colonne(int32_t j) { return {&values_[Index(0, j)], size_t(ni_) + 1}; }

 private:
  size_t Index(int32_t i, int32_t j) const { return static_cast<size_t>(j) * (ni_ + 1) + i; }

  int32_t ni_ = 0;
  int32_t nj_ = 0;
  std::vector<Complexe> values_;
};

// The inputs of a transform call.
struct EntreeWavelet {
  int32_t n = 0;             // samples, y[1..n]
  std::span<const float> y;  // position 0 unused
  float dt = 0.0f;           // sampling interval, seconds
  float s0 = 0.0f;           // smallest scale, seconds
  float dj = 0.0f;           // scale step, octaves
  int32_t jtot = 0;          // number of scales
  int32_t npad = 0;          // padded length, >= n, even
};

// Receives scale j's coefficients column[1..n] as soon as they are computed.
using RecepteurColonne = std::function<void(int32_t j, std::span<const Complexe> column)>;

// The transform. mother: 0 Morlet, 1 Paul, 2 DOG, any other value becomes 0;
// param: the wavelet parameter, a negative one becomes the default; both are
// written back. Outputs: wave(1..n, 1..jtot), scale[1..jtot],
// period[1..jtot], coi[1..n] (position 0 unused), and the spectrum.
//
// npad < n appends kMessageNpad and returns with no output written. A
// run-time error (the capacity exceeded, an overflow, a division by zero, an
// output too small) appends kMessageCapacite (critical, "ARRET") and returns,
// the outputs keeping what was written: complete columns before the failing
// scale, and the spectrum as far as it got.
void WAVELET(const EntreeWavelet& in, int32_t& mother, float& param, TableauOndelette& wave,
             std::span<float> scale, std::span<float> period, std::span<float> coi,
             SpectreWavelet& spectre, std::vector<MessageMoteur>& messages);

// The same transform handing each column to `recepteur` instead of storing
// it; returns the number of complete columns (jtot, or the columns before a
// failing scale). threads > 1 shares the scales out among that many threads:
// `recepteur` is then called concurrently for different columns, and after a
// failure it may have received columns beyond the complete ones, which the
// caller discards; every other output is as with one thread.
int32_t WaveletParColonnes(const EntreeWavelet& in, int32_t& mother, float& param,
                           const RecepteurColonne& recepteur, std::span<float> scale,
                           std::span<float> period, std::span<float> coi, SpectreWavelet& spectre,
                           std::vector<MessageMoteur>& messages, int threads = 1);

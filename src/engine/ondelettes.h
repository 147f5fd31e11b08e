#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/complexe.h"

// The mother wavelets, in the order of the main window's list.
enum class Ondelette : int32_t { Morlet = 0, Paul = 1, Gauss = 2 };

struct OndeletteInfo {
  Ondelette ondelette;
  const char* libelle;         // list entry
  const char* texteParametre;  // what the parameter field is set to on selection
  float parametreDefaut;       // used when the given parameter is negative
};

inline constexpr std::array<OndeletteInfo, 3> kOndelettes = {{
    {Ondelette::Morlet, "Morlet", "6", 6.0f},
    {Ondelette::Paul, "Paul", "4", 4.0f},
    {Ondelette::Gauss, "Gauss", "2", 2.0f},
}};

// The Fourier transform of one scaled (daughter) wavelet on the wavenumber
// grid of a padded signal of n points, n a power of two >= 2.
//
// mother 0 is Morlet (parameter k0, used as is), 1 Paul (order m = the
// parameter truncated), 2 the derivative of a Gaussian (order m likewise).
// A negative param is replaced by the mother's default and written back.
// k[1..n] are the angular wavenumbers: 0, then (i-1) 2 pi/(n dt) up to
// i = n/2 + 1, then the negative mirror. On return daughter[1..n] holds the
// real daughter (imaginary parts 0; Morlet and Paul are 0 above n/2 + 1),
// period the equivalent Fourier period of the scale and coi the
// cone-of-influence factor. Position 0 of both arrays is not used.
// Failures (Paul of order 0 or >= 7, a Gaussian derivative of order >= 35,
// a power or exponential beyond the Single range) throw RunError.
void DaughterWavelet(int32_t n, float dt, int32_t mother, float& param, float scale,
                     std::span<const float> k, float& period, float& coi,
                     std::span<Complexe> daughter);

// The same, returning the last position that can be nonzero: the elements
// of daughter after it, which DaughterWavelet sets to 0, are not written.
int32_t DaughterWaveletEtendue(int32_t n, float dt, int32_t mother, float& param, float scale,
                               std::span<const float> k, float& period, float& coi,
                               std::span<Complexe> daughter);

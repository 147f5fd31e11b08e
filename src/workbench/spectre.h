#pragma once

#include <cstdint>

#include "platform/surface.h"
#include "workbench/spectre_dessin.h"
#include "workbench/workbench_state.h"

// The amplitude spectrum of the selection, the start of the band cuts. The
// steps of "Fourier", in order:
//   1. Lire_Data_Second of I1..I2 at full rate into SignalSecond (L values);
//   2. NFFT = the smallest power of two strictly above L;
//   3. Spectre(i) = SignalSecond(i) - mean for i = 1..L (the mean summed in
//      double), then (0, 0) up to NFFT;
//   4. forward FFT, every element divided by NFFT; SpectreMin and SpectreMax
//      the extent of the moduli over all NFFT elements;
//   5. DessineFFT (spectre_dessin.h).
// The spectral window does not enter the spectrum.

// The smallest power of two strictly above l (1000 gives 1024, 1024 gives
// 2048, 0 gives 1); RunError(Overflow) when it does not fit a Long.
int32_t LongueurFFT(int64_t l);

// Steps 2 to 4 on SignalSecond(1..NSecond).
void CalculeSpectre(WorkbenchState& etat);

// Steps 1 to 4: the spectrum of the selection, without its picture.
void SpectreSelection(WorkbenchState& etat);

// Every step, with dt the value of Text5. An invalid dt is refused before
// anything changes.
ResultatSpectre Fourrier(WorkbenchState& etat, float dt, Surface& surface);

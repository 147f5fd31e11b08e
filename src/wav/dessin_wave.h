#pragma once

#include <cstdint>

#include "platform/surface.h"
#include "wav/caract_wave.h"

// The waveform picture of the wave view: the series of a channel choice
// drawn in blue, sample k at x = k, on a vertical scale fixed by the sample
// width (8-bit 275 down to -25, 16-bit 35000 down to -35000).

struct EchelleVueWave {
  double top = 0.0;
  double height = 0.0;
};
EchelleVueWave EchelleVue(int16_t bitsPerSample);

// Clears the surface and sets its scale (left 0, width Nreel), then joins
// the samples in order, the first one set as a single point. When there are
// many samples per pixel column, each column gets one vertical stroke from
// the smallest to the largest value drawn in it, which is the picture the
// joined samples make at the cost of one line per column.
void DessineWave(Surface& surface, const SignalWave& signal, int16_t bitsPerSample);

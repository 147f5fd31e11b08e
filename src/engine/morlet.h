#pragma once

#include <cstdint>
#include <span>

#include "engine/complexe.h"

// The Morlet daughter on the positive half of the wavenumbers:
// daughter[i] = norm exp(e), e = -(x - k0)^2 / 2, x = scale k[i], for
// i = 1..half, x and e stored as Singles and the exponential evaluated in
// double (engine/exp_negatif.h), four wavenumbers at a time (in AVX2 code
// where the processor has it; the values are the same). Past the peak,
// once e is below `zero` (where norm exp(e) rounds to 0 in Single), the
// values are 0 from there on: they are written, as 0, only up to the end of
// the group being computed, and the exponent of the largest x is still
// checked. Returns the last position that can be nonzero. An x or e beyond
// the Single range throws RunError(Overflow).
int32_t MorletDemi(float norm, float k0, float scale, std::span<const float> k, int32_t half,
                   double zero, std::span<Complexe> daughter);

// The same in baseline x86-64 code whatever the processor, so that the tests
// can hold both code paths to the same values.
int32_t MorletDemiBase(float norm, float k0, float scale, std::span<const float> k, int32_t half,
                       double zero, std::span<Complexe> daughter);

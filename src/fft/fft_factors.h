#pragma once

#include <cstdint>
#include <vector>

// Factors of n in the order in which the transform applies them: trial
// factors 3, 4, 2, 5, 7, 9, 11, ... each taken as often as it divides, with
// any factor 2 moved to the front. Empty for n = 1.
std::vector<int32_t> FftFactorize(int32_t n);

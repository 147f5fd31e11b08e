#pragma once

#include <cstdint>

// One pass of the self-sorting transform for the factor p: the input holds
// CC(i, m, k), i < ido, m < p, k < l1, the output CH(i, k, j), j < p, each a
// complex value stored as two floats, first index fastest. The output gets
// the length-p DFT over m, the outputs j >= 1 multiplied by the twiddles of
// `wa` (ido pairs per j, one block after the other), conjugated forward.
// The radix 2, 3, 4 and 5 passes also run in place when l1 = 1.
namespace fft_detail {

template <bool kForward>
void Pass2(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa);
template <bool kForward>
void Pass3(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa);
template <bool kForward>
void Pass4(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa);
template <bool kForward>
void Pass5(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa);
// Any odd p; out of place only. The roots exp(2πi·r/p), r = 1..p-1, are the
// first pair of each twiddle block.
template <bool kForward>
void PassOdd(int32_t p, int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa);

}  // namespace fft_detail

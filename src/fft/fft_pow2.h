#pragma once

#include <cstdint>

namespace fft_detail {

// Whether the vectorised path for powers of two is built in (x86-64 with
// SSE2, the baseline of the platform).
bool HasPow2Path();

// The whole transform of a length n = 2^e >= 16 with its factors as the
// record stores them (a leading 2, then 4s). The passes between the first and the last keep their
// values in blocks of four complex values stored as four real parts then four imaginary parts; the
// first pass reads the interleaved data and the last writes them back interleaved, so `x` holds the
// result.
template <bool kForward>
void TransformPow2(int32_t n, int32_t nf, const float* factors, float* x, float* ch,
                   const float* wa);

}  // namespace fft_detail

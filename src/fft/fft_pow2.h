#pragma once

#include <cstdint>

namespace fft_detail {

// Whether the vectorised path for powers of two is built in (x86-64 with
// SSE2, the baseline of the platform).
bool HasPow2Path();

// The whole transform of a length n = 2^e >= 16 with its factors as the
// record stores them (a leading 2, then 4s). The passes between the first
// and the last keep their values in blocks of four complex values stored as
// four real parts then four imaginary parts; the first pass reads the
// interleaved data `x` and the last writes the first m values of the result,
// interleaved, to `dst` (x itself, or an area apart from x and ch).
//
// Only x[0..lv) is read (lv a multiple of 4): the values after it count as
// 0, and the passes skip what only zeros feed. The result has the same bits
// as the transform of the zero-padded data. x is work space throughout.
template <bool kForward>
void TransformPow2(int32_t n, int32_t nf, const float* factors, float* x, float* ch,
                   const float* wa, int64_t lv, float* dst, int64_t m);

}  // namespace fft_detail

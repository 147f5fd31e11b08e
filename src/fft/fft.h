#pragma once

#include <cstdint>
#include <span>

#include "engine/complexe.h"

// The program's only Fourier transform: self-sorting mixed-radix complex FFT
// of any length n >= 1, single precision, unscaled in both directions.
//
// Positions are 1-based: data[1..n] are transformed and no other element of
// `data` is touched (data[0] is storage that is never used). `work` holds at
// least 4n + 16 floats, work[1..4n+15] laid out as scratch (1..2n), twiddle
// table (2n+1..4n) and factor record (4n+1: n, 4n+2: nf, then the factors).
void FftInit(int32_t n, std::span<float> work);
void FftForward(int32_t n, std::span<Complexe> data, std::span<float> work);
void FftBackward(int32_t n, std::span<Complexe> data, std::span<float> work);

// FftBackward of data[1..n] whose elements after position `nonzero` are 0:
// those are not read (nor need they be written), and the passes skip what
// only zeros feed. The first m <= n elements of the result go to out[1..m];
// `out` is `data` itself or an array apart from both arguments. data[1..n]
// serves as work space. The result has the same bits as FftBackward of the
// zero-padded data.
void FftBackwardCreux(int32_t n, int32_t nonzero, std::span<Complexe> data, std::span<float> work,
                      std::span<Complexe> out, int32_t m);

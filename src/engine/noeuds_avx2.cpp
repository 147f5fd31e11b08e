// The node kernel on four lanes; this file alone is compiled for AVX2, and
// it runs only where the processor has it (engine/noeuds.cpp checks).
#if defined(__AVX2__)

#include <immintrin.h>

#include "engine/noeuds_noyau.h"
#include "engine/noeuds_noyaux.h"

namespace {

struct Avx2 {
  static constexpr int32_t kLargeur = 4;
  using D = __m256d;
  using F = __m128;
  static void Charge(const Complexe* w, D& re, D& im) {
    // re0 im0 .. re3 im3 -> re0..re3 | im0..im3
    const __m256 v = _mm256_permutevar8x32_ps(_mm256_loadu_ps(&w->Re),
                                              _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7));
    re = _mm256_cvtps_pd(_mm256_castps256_ps128(v));
    im = _mm256_cvtps_pd(_mm256_extractf128_ps(v, 1));
  }
  static D Racine(D s) { return _mm256_sqrt_pd(s); }
  static F VersF(D v) { return _mm256_cvtpd_ps(v); }
  static D VersD(F v) { return _mm256_cvtps_pd(v); }
  static void Stocke(float* p, F v) { _mm_storeu_ps(p, v); }
};

}  // namespace

bool NoeudsAvx2(const Complexe* w, int32_t count, float* puissance, float* amplitude,
                float* phase) {
  return Noyau<Avx2>(w, count, puissance, amplitude, phase);
}

#endif

// The node kernel on eight lanes; this file alone is compiled for AVX-512F,
// and it runs only where the processor has it (engine/noeuds.cpp checks).
#if defined(__AVX512F__)

// GCC 12's AVX-512 intrinsics start their results from a self-initialised
// "undefined" vector, which -Wuninitialized and -Wmaybe-uninitialized report
// wherever they are inlined.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop

#include "engine/noeuds_noyau.h"
#include "engine/noeuds_noyaux.h"

namespace {

struct Avx512 {
  static constexpr int32_t kLargeur = 8;
  using D = __m512d;
  using F = __m256;
  static void Charge(const Complexe* w, D& re, D& im) {
    // re0 im0 .. re7 im7 -> re0..re7 | im0..im7
    const __m512i ordre = _mm512_setr_epi32(0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15);
    const __m512 v = _mm512_permutexvar_ps(ordre, _mm512_loadu_ps(&w->Re));
    re = _mm512_cvtps_pd(_mm512_castps512_ps256(v));
    im = _mm512_cvtps_pd(_mm256_castpd_ps(_mm512_extractf64x4_pd(_mm512_castps_pd(v), 1)));
  }
  static D Racine(D s) { return _mm512_sqrt_pd(s); }
  static F VersF(D v) { return _mm512_cvtpd_ps(v); }
  static D VersD(F v) { return _mm512_cvtps_pd(v); }
  static void Stocke(float* p, F v) { _mm256_storeu_ps(p, v); }
};

}  // namespace

bool NoeudsAvx512(const Complexe* w, int32_t count, float* puissance, float* amplitude,
                  float* phase) {
  return Noyau<Avx512>(w, count, puissance, amplitude, phase);
}

#endif

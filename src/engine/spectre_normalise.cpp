#include "engine/spectre_normalise.h"

#include <algorithm>

#include "engine/complexes_et_divers.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

void UnParUn(std::span<Complexe> S, int32_t debut, int32_t fin, int32_t npad, float& min,
             float& max) {
  for (int32_t k = debut; k <= fin; ++k) {
    S[k] = CDivReel(S[k], npad);
    const float m = CModule(S[k]);
    if (k == 1) {
      min = m;
      max = m;
    } else {
      min = Min(min, m);
      max = Max(max, m);
    }
  }
}

}  // namespace

void NormaliseSpectre(std::span<Complexe> S, int32_t npad, float& min, float& max) {
  int32_t k = 1;
#if defined(__SSE2__)
  constexpr int32_t kBloc = 256;
  const __m128d d = _mm_set1_pd(static_cast<double>(npad));
  const __m128 exposant = _mm_castsi128_ps(_mm_set1_epi32(0x7f800000));
  alignas(16) float bloc[2 * kBloc];
  for (; npad > 0 && k + kBloc - 1 <= npad; k += kBloc) {
    __m128 hors = _mm_setzero_ps();
    __m128 mn = _mm_set1_ps(__builtin_inff());
    __m128 mx = _mm_set1_ps(-__builtin_inff());
    for (int32_t b = 0; b < kBloc; b += 2) {
      const __m128 v = _mm_loadu_ps(&S[k + b].Re);  // re0 im0 re1 im1
      const __m128 bas = _mm_cvtpd_ps(_mm_div_pd(_mm_cvtps_pd(v), d));
      const __m128 haut = _mm_cvtpd_ps(_mm_div_pd(_mm_cvtps_pd(_mm_movehl_ps(v, v)), d));
      const __m128 q = _mm_movelh_ps(bas, haut);
      _mm_store_ps(bloc + 2 * b, q);
      const __m128d re = _mm_cvtps_pd(_mm_shuffle_ps(q, q, _MM_SHUFFLE(2, 0, 2, 0)));
      const __m128d im = _mm_cvtps_pd(_mm_shuffle_ps(q, q, _MM_SHUFFLE(3, 1, 3, 1)));
      __m128 m = _mm_cvtpd_ps(_mm_sqrt_pd(_mm_add_pd(_mm_mul_pd(re, re), _mm_mul_pd(im, im))));
      m = _mm_movelh_ps(m, m);
      hors = _mm_or_ps(hors, _mm_or_ps(_mm_cmpeq_ps(_mm_and_ps(q, exposant), exposant),
                                       _mm_cmpeq_ps(_mm_and_ps(m, exposant), exposant)));
      mn = _mm_min_ps(mn, m);
      mx = _mm_max_ps(mx, m);
    }
    if (_mm_movemask_ps(hors)) break;  // the block again, one by one, up to the failure
    std::copy(bloc, bloc + 2 * kBloc, &S[k].Re);
    alignas(16) float lmn[4], lmx[4];
    _mm_store_ps(lmn, mn);
    _mm_store_ps(lmx, mx);
    const float bmin = std::min({lmn[0], lmn[1], lmn[2], lmn[3]});
    const float bmax = std::max({lmx[0], lmx[1], lmx[2], lmx[3]});
    min = k == 1 ? bmin : Min(min, bmin);
    max = k == 1 ? bmax : Max(max, bmax);
  }
#endif
  UnParUn(S, k, npad, npad, min, max);
}

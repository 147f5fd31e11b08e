#include "engine/morlet.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/complexes_et_divers.h"
#include "engine/exp_negatif.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

struct Valeur {
  float x, e, v;
};

// One wavenumber, exactly as the two-lane path computes it.
Valeur Un(float norm, float k0, float scale, float k) {
  const float x = scale * k;
  const double d = static_cast<double>(x) - k0;
  const float e = static_cast<float>(-(d * d) * 0.5);
  const float v = static_cast<float>(norm * ExpNegatif(e));
  return {x, e, v};
}

bool Fini(float v) {
  return std::isfinite(v);
}

#if defined(__SSE2__)
inline __m128d ExpNegatif2(__m128d e) {
  using namespace exp_negatif;
  const __m128d magique = _mm_set1_pd(kMagique);
  const __m128d t = _mm_add_pd(_mm_mul_pd(e, _mm_set1_pd(kLog2e)), magique);
  const __m128d n = _mm_sub_pd(t, magique);
  const __m128d r = _mm_sub_pd(_mm_sub_pd(e, _mm_mul_pd(n, _mm_set1_pd(kLn2Haut))),
                               _mm_mul_pd(n, _mm_set1_pd(kLn2Bas)));
  __m128d p = _mm_set1_pd(kC[13]);
  for (int i = 12; i >= 0; --i) p = _mm_add_pd(_mm_mul_pd(p, r), _mm_set1_pd(kC[i]));
  const __m128i bits = _mm_sub_epi64(_mm_castpd_si128(t), _mm_castpd_si128(magique));
  const __m128d echelle =
      _mm_castsi128_pd(_mm_slli_epi64(_mm_add_epi64(bits, _mm_set1_epi64x(1023)), 52));
  const __m128d garde = _mm_cmplt_pd(e, _mm_set1_pd(kLimite));
  return _mm_andnot_pd(garde, _mm_mul_pd(p, echelle));
}
#endif

// Zero from position i on, after checking the exponent of the largest x.
int32_t Arret(float norm, float k0, float scale, std::span<const float> k, int32_t half, int32_t i,
              std::span<Complexe> daughter) {
  const Valeur fin = Un(norm, k0, scale, k[half]);
  if (!Fini(fin.x) || !Fini(fin.e)) Depassement();
  std::fill(daughter.begin() + i, daughter.begin() + half + 1, Complexe{});
  return i - 1;
}

}  // namespace

int32_t MorletDemi(float norm, float k0, float scale, std::span<const float> k, int32_t half,
                   double zero, std::span<Complexe> daughter) {
  int32_t i = 1;
#if defined(__SSE2__)
  const __m128 scale4 = _mm_set1_ps(scale);
  const __m128d k0d = _mm_set1_pd(k0);
  const __m128d normd = _mm_set1_pd(norm);
  const __m128d zerod = _mm_set1_pd(zero);
  const __m128 exposant = _mm_castsi128_ps(_mm_set1_epi32(0x7f800000));
  for (; i + 1 <= half; i += 2) {
    double paire;  // k[i], k[i + 1]
    std::memcpy(&paire, &k[i], sizeof paire);
    const __m128 kx = _mm_castpd_ps(_mm_set_sd(paire));
    const __m128 x = _mm_mul_ps(scale4, kx);
    const __m128d xd = _mm_cvtps_pd(x);
    const __m128d d = _mm_sub_pd(xd, k0d);
    const __m128d moins = _mm_xor_pd(_mm_set1_pd(-0.0), _mm_mul_pd(d, d));
    const __m128 e = _mm_cvtpd_ps(_mm_mul_pd(moins, _mm_set1_pd(0.5)));
    const __m128d ed = _mm_cvtps_pd(e);
    const __m128 v = _mm_cvtpd_ps(_mm_mul_pd(normd, ExpNegatif2(ed)));
    const __m128 infini = _mm_or_ps(_mm_cmpeq_ps(_mm_and_ps(x, exposant), exposant),
                                    _mm_cmpeq_ps(_mm_and_ps(e, exposant), exposant));
    if (_mm_movemask_ps(infini) & 0x3) Depassement();
    _mm_storeu_ps(&daughter[i].Re, _mm_unpacklo_ps(v, _mm_setzero_ps()));
    const __m128d apres = _mm_and_pd(_mm_cmpgt_pd(xd, k0d), _mm_cmplt_pd(ed, zerod));
    const int arret = _mm_movemask_pd(apres);
    if (arret & 1) return Arret(norm, k0, scale, k, half, i, daughter);
    if (arret & 2) return Arret(norm, k0, scale, k, half, i + 1, daughter);
  }
#endif
  for (; i <= half; ++i) {
    const Valeur u = Un(norm, k0, scale, k[i]);
    if (!Fini(u.x) || !Fini(u.e)) Depassement();
    daughter[i] = Complexe{u.v, 0.0f};
    if (u.x > k0 && u.e < zero) return Arret(norm, k0, scale, k, half, i, daughter);
  }
  return half;
}

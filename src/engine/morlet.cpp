#include "engine/morlet.h"

#include <cmath>
#include <cstring>

#include "engine/complexes_et_divers.h"
#include "engine/exp_negatif.h"

#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
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
// ExpNegatif on every lane of a vector of doubles (two or four), operation
// for operation; VI is the integer vector of the same size. The vectors go
// by reference: the four-lane one exists only in AVX2 code.
template <class VD, class VI>
[[gnu::always_inline]] inline void ExpNegatifLanes(const VD& e, VD& resultat) {
  using namespace exp_negatif;
  const VD magique = VD{} + kMagique;
  const VD t = e * kLog2e + magique;
  const VD n = t - magique;
  const VD r = (e - n * kLn2Haut) - n * kLn2Bas;
  VD p = VD{} + kC[13];
  for (int i = 12; i >= 0; --i) p = p * r + kC[i];
  const VI bits = reinterpret_cast<VI>(t) - reinterpret_cast<VI>(magique);
  const VD echelle = reinterpret_cast<VD>((bits + 1023) << 52);
  const VI garde = e < kLimite;
  resultat = reinterpret_cast<VD>(~garde & reinterpret_cast<VI>(p * echelle));
}
#endif

// The values end before position `coupe`, once the exponent of the largest
// x is checked.
int32_t Arret(float norm, float k0, float scale, std::span<const float> k, int32_t half,
              int32_t coupe) {
  const Valeur fin = Un(norm, k0, scale, k[half]);
  if (!Fini(fin.x) || !Fini(fin.e)) Depassement();
  return coupe - 1;
}

#if defined(__x86_64__)
// The same steps as the two-lane loop, four wavenumbers at a time, from
// position i while four remain; i is left at the first position not done.
// Returns the last position that can be nonzero once the values are cut,
// -1 while they are not.
__attribute__((target("avx2"))) int32_t Quatre(float norm, float k0, float scale,
                                               std::span<const float> k, int32_t half, double zero,
                                               std::span<Complexe> daughter, int32_t& i) {
  const __m128 scale4 = _mm_set1_ps(scale);
  const __m256d k0d = _mm256_set1_pd(k0);
  const __m256d normd = _mm256_set1_pd(norm);
  const __m256d zerod = _mm256_set1_pd(zero);
  const __m128 exposant = _mm_castsi128_ps(_mm_set1_epi32(0x7f800000));
  for (; i + 3 <= half; i += 4) {
    const __m128 x = _mm_mul_ps(scale4, _mm_loadu_ps(&k[i]));
    const __m256d xd = _mm256_cvtps_pd(x);
    const __m256d d = _mm256_sub_pd(xd, k0d);
    const __m256d moins = _mm256_xor_pd(_mm256_set1_pd(-0.0), _mm256_mul_pd(d, d));
    const __m128 e = _mm256_cvtpd_ps(_mm256_mul_pd(moins, _mm256_set1_pd(0.5)));
    const __m256d ed = _mm256_cvtps_pd(e);

    __m256d exp;
    ExpNegatifLanes<__m256d, __m256i>(ed, exp);
    const __m128 v = _mm256_cvtpd_ps(_mm256_mul_pd(normd, exp));
    const __m128 infini = _mm_or_ps(_mm_cmpeq_ps(_mm_and_ps(x, exposant), exposant),
                                    _mm_cmpeq_ps(_mm_and_ps(e, exposant), exposant));
    if (_mm_movemask_ps(infini)) Depassement();
    _mm_storeu_ps(&daughter[i].Re, _mm_unpacklo_ps(v, _mm_setzero_ps()));
    _mm_storeu_ps(&daughter[i + 2].Re, _mm_unpackhi_ps(v, _mm_setzero_ps()));
    const __m256d apres =
        _mm256_and_pd(_mm256_cmp_pd(xd, k0d, _CMP_GT_OQ), _mm256_cmp_pd(ed, zerod, _CMP_LT_OQ));
    const int arret = _mm256_movemask_pd(apres);
    if (arret) return Arret(norm, k0, scale, k, half, i + __builtin_ctz(arret));
  }
  return -1;
}
#endif

}  // namespace

int32_t MorletDemi(float norm, float k0, float scale, std::span<const float> k, int32_t half,
                   double zero, std::span<Complexe> daughter) {
  int32_t i = 1;
#if defined(__x86_64__)
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) {
    const int32_t last = Quatre(norm, k0, scale, k, half, zero, daughter, i);
    if (last >= 0) return last;
  }
#endif
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
    __m128d exp;
    ExpNegatifLanes<__m128d, __m128i>(ed, exp);
    const __m128 v = _mm_cvtpd_ps(_mm_mul_pd(normd, exp));
    const __m128 infini = _mm_or_ps(_mm_cmpeq_ps(_mm_and_ps(x, exposant), exposant),
                                    _mm_cmpeq_ps(_mm_and_ps(e, exposant), exposant));
    if (_mm_movemask_ps(infini) & 0x3) Depassement();
    _mm_storeu_ps(&daughter[i].Re, _mm_unpacklo_ps(v, _mm_setzero_ps()));
    const __m128d apres = _mm_and_pd(_mm_cmpgt_pd(xd, k0d), _mm_cmplt_pd(ed, zerod));
    const int arret = _mm_movemask_pd(apres);
    if (arret) return Arret(norm, k0, scale, k, half, i + (arret & 1 ? 0 : 1));
  }
#endif
  for (; i <= half; ++i) {
    const Valeur u = Un(norm, k0, scale, k[i]);
    if (!Fini(u.x) || !Fini(u.e)) Depassement();
    daughter[i] = Complexe{u.v, 0.0f};
    if (u.x > k0 && u.e < zero) return Arret(norm, k0, scale, k, half, i);
  }
  return half;
}

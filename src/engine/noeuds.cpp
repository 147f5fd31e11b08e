#include "engine/noeuds.h"

#include <cfloat>
#include <cmath>

#include "engine/complexes_et_divers.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// One node, exactly as the two-node path computes it.
bool Noeud(Complexe w, float* puissance, float* amplitude, float* phase) {
  const float m = static_cast<float>(
      std::sqrt(static_cast<double>(w.Re) * w.Re + static_cast<double>(w.Im) * w.Im));
  const float p = static_cast<float>(static_cast<double>(m) * m);
  *puissance = p;
  *amplitude = m;
  *phase = static_cast<float>(static_cast<double>(CPhaseFinie(w.Im, w.Re)) * kDegresParRadian);
  return std::fabs(p) <= FLT_MAX;
}

#if defined(__SSE2__)

inline __m128d Sel(__m128d mask, __m128d a, __m128d b) {
  return _mm_or_pd(_mm_and_pd(mask, a), _mm_andnot_pd(mask, b));
}
inline __m128d C(double v) {
  return _mm_set1_pd(v);
}

// ArcTanQuotient on two lanes, operation for operation.
inline __m128d ArcTan2(__m128d y, __m128d x) {
  const __m128d signe = _mm_set1_pd(-0.0);
  const __m128d ay = _mm_andnot_pd(signe, y), ax = _mm_andnot_pd(signe, x);
  const __m128d big = _mm_cmpgt_pd(ay, _mm_mul_pd(C(2.41421356237309504880), ax));
  const __m128d mid = _mm_cmpgt_pd(ay, _mm_mul_pd(C(0.66), ax));
  const __m128d num = Sel(big, _mm_xor_pd(signe, ax), Sel(mid, _mm_sub_pd(ay, ax), ay));
  const __m128d den = Sel(big, ay, Sel(mid, _mm_add_pd(ay, ax), ax));
  const __m128d t = _mm_div_pd(num, den);
  const __m128d y0 =
      Sel(big, C(1.57079632679489661923), Sel(mid, C(0.78539816339744830962), C(0.0)));
  const __m128d more = Sel(big, C(6.123233995736765886130e-17),
                           Sel(mid, C(0.5 * 6.123233995736765886130e-17), C(0.0)));
  const __m128d z = _mm_mul_pd(t, t);
  __m128d p = C(-8.750608600031904122785e-1);
  p = _mm_add_pd(_mm_mul_pd(p, z), C(-1.615753718733365076637e1));
  p = _mm_add_pd(_mm_mul_pd(p, z), C(-7.500855792314704667340e1));
  p = _mm_add_pd(_mm_mul_pd(p, z), C(-1.228866684490136173410e2));
  p = _mm_add_pd(_mm_mul_pd(p, z), C(-6.485021904942025371773e1));
  __m128d q = _mm_add_pd(z, C(2.485846490142306297962e1));
  q = _mm_add_pd(_mm_mul_pd(q, z), C(1.650270098316988542046e2));
  q = _mm_add_pd(_mm_mul_pd(q, z), C(4.328810604912902668951e2));
  q = _mm_add_pd(_mm_mul_pd(q, z), C(4.853903996359136964868e2));
  q = _mm_add_pd(_mm_mul_pd(q, z), C(1.945506571482613964425e2));
  const __m128d frac = _mm_div_pd(_mm_mul_pd(z, p), q);
  const __m128d r = _mm_add_pd(y0, _mm_add_pd(_mm_add_pd(_mm_mul_pd(t, frac), t), more));
  const __m128d zero = _mm_setzero_pd();
  const __m128d neg = _mm_xor_pd(_mm_cmplt_pd(y, zero), _mm_cmplt_pd(x, zero));
  return Sel(neg, _mm_xor_pd(signe, r), r);
}

#endif

}  // namespace

bool VariablesNoeuds(std::span<const Complexe> w, int32_t n, float* puissance, float* amplitude,
                     float* phase) {
  bool fini = true;
  int32_t i = 1;
#if defined(__SSE2__)
  const __m128d pi = _mm_set1_pd(kPi);
  const __m128d zero = _mm_setzero_pd();
  const __m128 maxf = _mm_set1_ps(FLT_MAX);
  const __m128 signef = _mm_set1_ps(-0.0f);
  __m128 infini = _mm_setzero_ps();
  for (; i + 1 <= n; i += 2) {
    const __m128 v = _mm_loadu_ps(&w[i].Re);  // re0 im0 re1 im1
    const __m128d re = _mm_cvtps_pd(_mm_shuffle_ps(v, v, _MM_SHUFFLE(2, 0, 2, 0)));
    const __m128d im = _mm_cvtps_pd(_mm_shuffle_ps(v, v, _MM_SHUFFLE(3, 1, 3, 1)));

    const __m128d s = _mm_add_pd(_mm_mul_pd(re, re), _mm_mul_pd(im, im));
    const __m128 m = _mm_cvtpd_ps(_mm_sqrt_pd(s));
    const __m128d md = _mm_cvtps_pd(m);
    const __m128 p = _mm_cvtpd_ps(_mm_mul_pd(md, md));
    infini = _mm_or_ps(infini, _mm_cmpnle_ps(_mm_andnot_ps(signef, p), maxf));
    _mm_storel_pi(reinterpret_cast<__m64*>(puissance + i), p);
    _mm_storel_pi(reinterpret_cast<__m64*>(amplitude + i), m);

    const __m128d a = ArcTan2(im, re);
    __m128d ph = Sel(_mm_cmpgt_pd(re, zero), a,
                     Sel(_mm_cmpgt_pd(im, zero), _mm_add_pd(a, pi), _mm_sub_pd(a, pi)));
    const __m128d axe = Sel(_mm_cmpgt_pd(im, zero), _mm_set1_pd(kPi / 2),
                            Sel(_mm_cmplt_pd(im, zero), _mm_set1_pd(-kPi / 2), zero));
    ph = Sel(_mm_cmpeq_pd(re, zero), axe, ph);
    const __m128d phf = _mm_cvtps_pd(_mm_cvtpd_ps(ph));
    const __m128 deg = _mm_cvtpd_ps(_mm_mul_pd(phf, _mm_set1_pd(kDegresParRadian)));
    _mm_storel_pi(reinterpret_cast<__m64*>(phase + i), deg);
  }
  // Only the two lanes of each comparison that were stored matter.
  fini = (_mm_movemask_ps(infini) & 0x3) == 0;
#endif
  for (; i <= n; ++i) fini &= Noeud(w[i], puissance + i, amplitude + i, phase + i);
  return fini;
}

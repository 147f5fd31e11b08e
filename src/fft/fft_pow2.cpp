#include "fft/fft_pow2.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fft_detail {

#if defined(__SSE2__)

namespace {

// Four complex values: real parts and imaginary parts.
struct V4 {
  __m128 r;
  __m128 i;
};

inline V4 operator+(V4 a, V4 b) {
  return {_mm_add_ps(a.r, b.r), _mm_add_ps(a.i, b.i)};
}
inline V4 operator-(V4 a, V4 b) {
  return {_mm_sub_ps(a.r, b.r), _mm_sub_ps(a.i, b.i)};
}

// Complex index c (a multiple of 4) starts at float 2c in both layouts.
inline V4 LoadInterleaved(const float* p, int64_t c) {
  const __m128 a = _mm_loadu_ps(p + 2 * c);
  const __m128 b = _mm_loadu_ps(p + 2 * c + 4);
  return {_mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0)),
          _mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1))};
}

inline void StoreInterleaved(float* p, int64_t c, V4 v) {
  _mm_storeu_ps(p + 2 * c, _mm_unpacklo_ps(v.r, v.i));
  _mm_storeu_ps(p + 2 * c + 4, _mm_unpackhi_ps(v.r, v.i));
}

inline V4 LoadBlock(const float* p, int64_t c) {
  return {_mm_loadu_ps(p + 2 * c), _mm_loadu_ps(p + 2 * c + 4)};
}

inline void StoreBlock(float* p, int64_t c, V4 v) {
  _mm_storeu_ps(p + 2 * c, v.r);
  _mm_storeu_ps(p + 2 * c + 4, v.i);
}

template <bool kBlocked>
inline V4 Load(const float* p, int64_t c) {
  return kBlocked ? LoadBlock(p, c) : LoadInterleaved(p, c);
}

// The values at c, or zeros where c is past the `lv` meaningful values of
// the block: adding those zeros gives the same bits as the full transform of
// zero-padded data, signs of zeros included.
template <bool kBlocked>
inline V4 LoadBefore(const float* p, int64_t c, int64_t lv) {
  return c < lv ? Load<kBlocked>(p, c) : V4{_mm_setzero_ps(), _mm_setzero_ps()};
}

// Four values at complex index c, or those of them before m.
inline void StoreInterleavedBefore(float* p, int64_t c, V4 v, int64_t m) {
  if (c + 4 <= m) {
    StoreInterleaved(p, c, v);
  } else if (c < m) {
    alignas(16) float t[8];
    StoreInterleaved(t, 0, v);
    std::memcpy(p + 2 * c, t, sizeof(float) * 2 * static_cast<size_t>(m - c));
  }
}

// Times the twiddles t (cosines in t.r, sines in t.i) conjugated forward,
// as they are backward.
template <bool kForward>
inline V4 Twiddle(V4 a, V4 t) {
  const __m128 rc = _mm_mul_ps(a.r, t.r);
  const __m128 rs = _mm_mul_ps(a.r, t.i);
  const __m128 ic = _mm_mul_ps(a.i, t.r);
  const __m128 is = _mm_mul_ps(a.i, t.i);
  return kForward ? V4{_mm_add_ps(rc, is), _mm_sub_ps(ic, rs)}
                  : V4{_mm_sub_ps(rc, is), _mm_add_ps(ic, rs)};
}

// The same with the twiddles of four consecutive i read from the table,
// where they are interleaved pairs.
template <bool kForward>
inline V4 Twiddle(V4 a, const float* w) {
  return Twiddle<kForward>(a, LoadInterleaved(w, 0));
}

// The radix-4 butterfly; t1 and t3 carry the factor ∓i on a1 - a3.
template <bool kForward>
inline void Butterfly4(V4 a0, V4 a1, V4 a2, V4 a3, V4& t0, V4& t1, V4& t2, V4& t3) {
  const V4 s02 = a0 + a2;
  const V4 d02 = a0 - a2;
  const V4 s13 = a1 + a3;
  const V4 d13 = a1 - a3;
  t0 = s02 + s13;
  t2 = s02 - s13;
  const V4 plus = {_mm_add_ps(d02.r, d13.i), _mm_sub_ps(d02.i, d13.r)};   // d02 - i·d13
  const V4 minus = {_mm_sub_ps(d02.r, d13.i), _mm_add_ps(d02.i, d13.r)};  // d02 + i·d13
  t1 = kForward ? plus : minus;
  t3 = kForward ? minus : plus;
}

// Butterfly4(a0, 0, 0, 0) with only the operations whose result is not
// already known, bit for bit: adding +0 turns -0 into +0 and leaves
// everything else, subtracting +0 leaves everything.
template <bool kForward>
inline void Butterfly4Seul(V4 a0, V4& t0, V4& t1, V4& t2, V4& t3) {
  const __m128 zero = _mm_setzero_ps();
  const V4 z = {_mm_add_ps(a0.r, zero), _mm_add_ps(a0.i, zero)};
  t0 = z;
  t2 = z;
  const V4 plus = {z.r, a0.i};
  const V4 minus = {a0.r, z.i};
  t1 = kForward ? plus : minus;
  t3 = kForward ? minus : plus;
}

// The leading factor 2 (l1 = 1) and the first factor 4 (l1 = 2) in one
// pass over interleaved input, blocked output; ido = n/8 is the ido of the
// factor 4. Runs in place. Only the first lv input values are read, the
// others count as 0; the output blocks then hold min(lv, ido) values.
template <bool kForward>
void Pass2And4(int64_t ido, const float* cc, float* ch, const float* w2, const float* w4,
               int64_t lv) {
  const int64_t fin = std::min(ido, lv);
  for (int64_t i = 0; i < fin; i += 4) {
    V4 u[2][4];
    for (int64_t m = 0; m < 4; ++m) {
      const V4 a = LoadBefore<false>(cc, i + ido * m, lv);
      const V4 b = LoadBefore<false>(cc, i + ido * (m + 4), lv);
      u[0][m] = a + b;
      u[1][m] = Twiddle<kForward>(a - b, w2 + 2 * (i + ido * m));
    }
    for (int64_t k = 0; k < 2; ++k) {
      V4 t0, t1, t2, t3;
      Butterfly4<kForward>(u[k][0], u[k][1], u[k][2], u[k][3], t0, t1, t2, t3);
      StoreBlock(ch, i + ido * k, t0);
      StoreBlock(ch, i + ido * (k + 2), Twiddle<kForward>(t1, w4 + 2 * i));
      StoreBlock(ch, i + ido * (k + 4), Twiddle<kForward>(t2, w4 + 2 * ido + 2 * i));
      StoreBlock(ch, i + ido * (k + 6), Twiddle<kForward>(t3, w4 + 4 * ido + 2 * i));
    }
  }
}

// Two consecutive factors 4 (l1 and 4·l1) in one pass, interleaved or
// blocked input, blocked output; ido is the ido of the second, `w1` and `w2`
// their twiddles. Runs in place when l1 = 1.
template <bool kForward, bool kBlockedIn>
void Pass4And4(int64_t ido, int64_t l1, const float* cc, float* ch, const float* w1,
               const float* w2) {
  const int64_t ido1 = 4 * ido;
  const int64_t l1_second = 4 * l1;
  for (int64_t k = 0; k < l1; ++k) {
    const float* in = cc + 2 * ido1 * 4 * k;
    for (int64_t i = 0; i < ido; i += 4) {
      V4 u[4][4];  // [j][q]: output j of the first factor at i + ido·q
      for (int64_t q = 0; q < 4; ++q) {
        const int64_t i1 = i + ido * q;
        V4 t0, t1, t2, t3;
        Butterfly4<kForward>(Load<kBlockedIn>(in, i1), Load<kBlockedIn>(in, i1 + ido1),
                             Load<kBlockedIn>(in, i1 + 2 * ido1),
                             Load<kBlockedIn>(in, i1 + 3 * ido1), t0, t1, t2, t3);
        u[0][q] = t0;
        u[1][q] = Twiddle<kForward>(t1, w1 + 2 * i1);
        u[2][q] = Twiddle<kForward>(t2, w1 + 2 * ido1 + 2 * i1);
        u[3][q] = Twiddle<kForward>(t3, w1 + 4 * ido1 + 2 * i1);
      }
      for (int64_t j = 0; j < 4; ++j) {
        const int64_t k2 = k + l1 * j;
        V4 t0, t1, t2, t3;
        Butterfly4<kForward>(u[j][0], u[j][1], u[j][2], u[j][3], t0, t1, t2, t3);
        StoreBlock(ch, i + ido * k2, t0);
        StoreBlock(ch, i + ido * (k2 + l1_second), Twiddle<kForward>(t1, w2 + 2 * i));
        StoreBlock(ch, i + ido * (k2 + 2 * l1_second), Twiddle<kForward>(t2, w2 + 2 * ido + 2 * i));
        StoreBlock(ch, i + ido * (k2 + 3 * l1_second), Twiddle<kForward>(t3, w2 + 4 * ido + 2 * i));
      }
    }
  }
}

// Radix-4 pass with ido a multiple of 4: interleaved or blocked input,
// blocked output. Runs in place when l1 = 1. Only the first lv values of
// each input block of 4·ido are read, the others count as 0; the output
// blocks then hold min(lv, ido) values.
template <bool kForward, bool kBlockedIn>
void Pass4(int64_t ido, int64_t l1, const float* cc, float* ch, const float* wa, int64_t lv) {
  const float* w1 = wa;
  const float* w2 = wa + 2 * ido;
  const float* w3 = wa + 4 * ido;
  const int64_t fin = std::min(ido, lv);
  for (int64_t k = 0; k < l1; ++k) {
    const float* in = cc + 2 * ido * 4 * k;
    for (int64_t i = 0; i < fin; i += 4) {
      V4 t0, t1, t2, t3;
      if (lv <= ido) {
        Butterfly4Seul<kForward>(Load<kBlockedIn>(in, i), t0, t1, t2, t3);
      } else {
        Butterfly4<kForward>(Load<kBlockedIn>(in, i), LoadBefore<kBlockedIn>(in, i + ido, lv),
                             LoadBefore<kBlockedIn>(in, i + 2 * ido, lv),
                             LoadBefore<kBlockedIn>(in, i + 3 * ido, lv), t0, t1, t2, t3);
      }
      StoreBlock(ch, i + ido * k, t0);
      StoreBlock(ch, i + ido * (k + l1), Twiddle<kForward>(t1, w1 + 2 * i));
      StoreBlock(ch, i + ido * (k + 2 * l1), Twiddle<kForward>(t2, w2 + 2 * i));
      StoreBlock(ch, i + ido * (k + 3 * l1), Twiddle<kForward>(t3, w3 + 2 * i));
    }
  }
}

inline void Transpose(__m128& a, __m128& b, __m128& c, __m128& d) {
  const __m128 ab_lo = _mm_unpacklo_ps(a, b);  // a0 b0 a1 b1
  const __m128 ab_hi = _mm_unpackhi_ps(a, b);  // a2 b2 a3 b3
  const __m128 cd_lo = _mm_unpacklo_ps(c, d);
  const __m128 cd_hi = _mm_unpackhi_ps(c, d);
  a = _mm_movelh_ps(ab_lo, cd_lo);  // a0 b0 c0 d0
  b = _mm_movehl_ps(cd_lo, ab_lo);  // a1 b1 c1 d1
  c = _mm_movelh_ps(ab_hi, cd_hi);
  d = _mm_movehl_ps(cd_hi, ab_hi);
}

// Last radix-4 pass (ido = 1, l1 a multiple of 4): blocked input, where one
// block holds the four inputs of one k, interleaved output of the first m
// values; no twiddles.
template <bool kForward>
void Pass4Last(int64_t l1, const float* cc, float* ch, int64_t m) {
  for (int64_t k = 0; k < l1; k += 4) {
    V4 a0 = LoadBlock(cc, 4 * k);
    V4 a1 = LoadBlock(cc, 4 * k + 4);
    V4 a2 = LoadBlock(cc, 4 * k + 8);
    V4 a3 = LoadBlock(cc, 4 * k + 12);
    Transpose(a0.r, a1.r, a2.r, a3.r);
    Transpose(a0.i, a1.i, a2.i, a3.i);
    V4 t0, t1, t2, t3;
    Butterfly4<kForward>(a0, a1, a2, a3, t0, t1, t2, t3);
    StoreInterleavedBefore(ch, k, t0, m);
    StoreInterleavedBefore(ch, k + l1, t1, m);
    StoreInterleavedBefore(ch, k + 2 * l1, t2, m);
    StoreInterleavedBefore(ch, k + 3 * l1, t3, m);
  }
}

// The last two factors 4 (ido = 4, l1, then ido = 1, 4·l1) in one pass:
// blocked input, where the 16 complex values from 16k are the four blocks m
// of one k, interleaved output. Four consecutive k are done together so that
// the last butterfly runs across them; `wa` holds the twiddles of the first
// of the two factors, the same for every k.
template <bool kForward>
void Pass4Last2(int64_t l1, const float* cc, float* ch, const float* wa) {
  const int64_t l1_last = 4 * l1;
  const V4 w1 = LoadInterleaved(wa, 0);
  const V4 w2 = LoadInterleaved(wa, 4);
  const V4 w3 = LoadInterleaved(wa, 8);
  for (int64_t k0 = 0; k0 < l1; k0 += 4) {
    V4 u[4][4];  // [j][k - k0], lanes i
    for (int64_t kk = 0; kk < 4; ++kk) {
      const int64_t c = 16 * (k0 + kk);
      V4 t0, t1, t2, t3;
      Butterfly4<kForward>(LoadBlock(cc, c), LoadBlock(cc, c + 4), LoadBlock(cc, c + 8),
                           LoadBlock(cc, c + 12), t0, t1, t2, t3);
      u[0][kk] = t0;
      u[1][kk] = Twiddle<kForward>(t1, w1);
      u[2][kk] = Twiddle<kForward>(t2, w2);
      u[3][kk] = Twiddle<kForward>(t3, w3);
    }
    for (int64_t j = 0; j < 4; ++j) {
      V4* v = u[j];
      Transpose(v[0].r, v[1].r, v[2].r, v[3].r);  // now lanes k, one vector per i
      Transpose(v[0].i, v[1].i, v[2].i, v[3].i);
      V4 y0, y1, y2, y3;
      Butterfly4<kForward>(v[0], v[1], v[2], v[3], y0, y1, y2, y3);
      const int64_t c = k0 + l1 * j;
      StoreInterleaved(ch, c, y0);
      StoreInterleaved(ch, c + l1_last, y1);
      StoreInterleaved(ch, c + 2 * l1_last, y2);
      StoreInterleaved(ch, c + 3 * l1_last, y3);
    }
  }
}

}  // namespace

bool HasPow2Path() {
  return true;
}

template <bool kForward>
void TransformPow2(int32_t n, int32_t nf, const float* factors, float* x, float* ch,
                   const float* wa, int64_t lv, float* dst, int64_t m) {
  // Up to 4096 points the first two factors run as one pass, and so do the
  // last two when at least two factors follow the first pass. On longer
  // lengths the sixteen input or output streams of such a pass fall into the
  // same cache sets (their distances are multiples of 4 KiB) and cost more
  // than the pass saved; only the leading 2 and the first 4 are merged there.
  // The last pass reads the scratch area and writes the data; going back
  // from there, the first pass writes the scratch area when the pass count
  // is even and works in place otherwise.
  const bool leading_two = factors[0] < 3.0f;
  const bool short_length = n <= 4096;
  const bool merged = nf >= 3 && (leading_two || short_length);
  const int32_t after_first = merged ? nf - 2 : nf - 1;
  const bool merged_last = after_first >= 2 && short_length;
  const int32_t middle = merged_last ? after_first - 2 : after_first - 1;
  const int32_t passes =
      1 + (short_length ? (middle + 1) / 2 : middle) + (after_first >= 1 ? 1 : 0);
  // The merged passes of short lengths read every value: the zeros are
  // written out for them.
  if (short_length && lv < n) {
    std::memset(x + 2 * lv, 0, sizeof(float) * 2 * static_cast<size_t>(n - lv));
    lv = n;
  }
  float* out = passes % 2 == 0 ? ch : x;
  int64_t l1;
  int64_t iw;
  int32_t f;
  if (merged && leading_two) {
    const int64_t ido = n / 8;
    Pass2And4<kForward>(ido, x, out, wa, wa + n, lv);
    lv = std::min(lv, ido);
    l1 = 8;
    iw = n + 6 * ido;
    f = 2;
  } else if (merged) {
    const int64_t ido = n / 16;
    Pass4And4<kForward, false>(ido, 1, x, out, wa, wa + 24 * ido);
    l1 = 16;
    iw = 30 * ido;
    f = 2;
  } else {
    const int64_t ido = n / 4;
    Pass4<kForward, false>(ido, 1, x, out, wa, lv);
    lv = std::min(lv, ido);
    l1 = 4;
    iw = 6 * ido;
    f = 1;
  }
  const int32_t middle_end = merged_last ? nf - 2 : nf - 1;
  while (f < middle_end) {
    const float* in = out;
    out = out == ch ? x : ch;
    const int64_t ido = n / (4 * l1);
    if (short_length && f + 1 < middle_end) {
      Pass4And4<kForward, true>(ido / 4, l1, in, out, wa + iw, wa + iw + 6 * ido);
      iw += 6 * ido + 6 * (ido / 4);
      l1 *= 16;
      f += 2;
    } else {
      Pass4<kForward, true>(ido, l1, in, out, wa + iw, lv);
      lv = std::min(lv, ido);
      iw += 6 * ido;
      l1 *= 4;
      f += 1;
    }
  }
  if (merged_last) {
    Pass4Last2<kForward>(l1, ch, x, wa + iw);
    if (dst != x) std::memcpy(dst, x, sizeof(float) * 2 * static_cast<size_t>(m));
  } else {
    Pass4Last<kForward>(l1, ch, dst, m);
  }
}

#else

bool HasPow2Path() {
  return false;
}

template <bool kForward>
void TransformPow2(int32_t, int32_t, const float*, float*, float*, const float*, int64_t, float*,
                   int64_t) {}

#endif

template void TransformPow2<true>(int32_t, int32_t, const float*, float*, float*, const float*,
                                  int64_t, float*, int64_t);
template void TransformPow2<false>(int32_t, int32_t, const float*, float*, float*, const float*,
                                   int64_t, float*, int64_t);

}  // namespace fft_detail

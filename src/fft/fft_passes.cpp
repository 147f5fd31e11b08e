#include "fft/fft_passes.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fft_detail {
namespace {

// The butterflies are written once over a complex "lane" type: Cx holds one
// complex value, Cx2 (with SSE2) two adjacent ones as interleaved floats.
struct Cx {
  float r;
  float i;
};

inline Cx operator+(Cx a, Cx b) {
  return {a.r + b.r, a.i + b.i};
}
inline Cx operator-(Cx a, Cx b) {
  return {a.r - b.r, a.i - b.i};
}
inline Cx Scale(float s, Cx a) {
  return {s * a.r, s * a.i};
}
inline Cx TimesI(Cx a) {
  return {-a.i, a.r};
}

// Times the twiddle (c, s) at w: (c - i·s) forward, (c + i·s) backward.
template <bool kForward>
inline Cx Twiddle(Cx a, const float* w) {
  const float c = w[0];
  const float s = w[1];
  return kForward ? Cx{a.r * c + a.i * s, a.i * c - a.r * s}
                  : Cx{a.r * c - a.i * s, a.i * c + a.r * s};
}

inline void LoadLane(const float* p, int64_t c, Cx& a) {
  a = {p[2 * c], p[2 * c + 1]};
}
inline void StoreLane(float* p, int64_t c, Cx v) {
  p[2 * c] = v.r;
  p[2 * c + 1] = v.i;
}

#if defined(__SSE2__)
struct Cx2 {
  __m128 v;  // r0 i0 r1 i1
};

inline Cx2 operator+(Cx2 a, Cx2 b) {
  return {_mm_add_ps(a.v, b.v)};
}
inline Cx2 operator-(Cx2 a, Cx2 b) {
  return {_mm_sub_ps(a.v, b.v)};
}
inline Cx2 Scale(float s, Cx2 a) {
  return {_mm_mul_ps(_mm_set1_ps(s), a.v)};
}
inline __m128 Swap(__m128 v) {
  return _mm_shuffle_ps(v, v, _MM_SHUFFLE(2, 3, 0, 1));
}
inline Cx2 TimesI(Cx2 a) {
  const __m128 negate_re = _mm_castsi128_ps(_mm_set_epi32(0, INT32_MIN, 0, INT32_MIN));
  return {_mm_xor_ps(Swap(a.v), negate_re)};
}

template <bool kForward>
inline Cx2 Twiddle(Cx2 a, const float* w) {
  const __m128 t = _mm_loadu_ps(w);  // c0 s0 c1 s1
  const __m128 c = _mm_shuffle_ps(t, t, _MM_SHUFFLE(2, 2, 0, 0));
  const __m128 s = _mm_shuffle_ps(t, t, _MM_SHUFFLE(3, 3, 1, 1));
  // Forward (r·c + i·s, i·c - r·s), backward (r·c - i·s, i·c + r·s).
  const __m128 sign = kForward ? _mm_castsi128_ps(_mm_set_epi32(INT32_MIN, 0, INT32_MIN, 0))
                               : _mm_castsi128_ps(_mm_set_epi32(0, INT32_MIN, 0, INT32_MIN));
  const __m128 cross = _mm_mul_ps(Swap(a.v), _mm_xor_ps(s, sign));
  return {_mm_add_ps(_mm_mul_ps(a.v, c), cross)};
}

inline void LoadLane(const float* p, int64_t c, Cx2& a) {
  a = {_mm_loadu_ps(p + 2 * c)};
}
inline void StoreLane(float* p, int64_t c, Cx2 v) {
  _mm_storeu_ps(p + 2 * c, v.v);
}
// Complex values c and c + stride in one lane pair (the data need not be
// aligned to 8 bytes, hence the copies).
inline void LoadSpread(const float* p, int64_t c, int64_t stride, Cx2& a) {
  int64_t lo;
  int64_t hi;
  std::memcpy(&lo, p + 2 * c, sizeof lo);
  std::memcpy(&hi, p + 2 * (c + stride), sizeof hi);
  a = {_mm_castsi128_ps(_mm_set_epi64x(hi, lo))};
}
#endif

// In-place DFTs of the p values a[0..p-1] (exponent sign -1 forward).
template <bool kForward>
struct Radix2 {
  static constexpr int kP = 2;
  template <class L>
  static void Run(L* a) {
    const L s = a[0] + a[1];
    a[1] = a[0] - a[1];
    a[0] = s;
  }
};

template <bool kForward>
struct Radix3 {
  static constexpr int kP = 3;
  template <class L>
  static void Run(L* a) {
    constexpr float kTaur = -0.5f;
    constexpr float kTaui = kForward ? -0.8660254f : 0.8660254f;
    const L s = a[1] + a[2];
    const L c = a[0] + Scale(kTaur, s);
    const L d = TimesI(Scale(kTaui, a[1] - a[2]));
    a[0] = a[0] + s;
    a[1] = c + d;
    a[2] = c - d;
  }
};

template <bool kForward>
struct Radix4 {
  static constexpr int kP = 4;
  template <class L>
  static void Run(L* a) {
    const L s02 = a[0] + a[2];
    const L d02 = a[0] - a[2];
    const L s13 = a[1] + a[3];
    const L d13 = TimesI(a[1] - a[3]);  // +i·(a1 - a3)
    a[0] = s02 + s13;
    a[2] = s02 - s13;
    a[1] = kForward ? d02 - d13 : d02 + d13;
    a[3] = kForward ? d02 + d13 : d02 - d13;
  }
};

template <bool kForward>
struct Radix5 {
  static constexpr int kP = 5;
  template <class L>
  static void Run(L* a) {
    constexpr float kTr11 = 0.309017f;
    constexpr float kTr12 = -0.809017f;
    constexpr float kTi11 = kForward ? -0.95105654f : 0.95105654f;
    constexpr float kTi12 = kForward ? -0.58778524f : 0.58778524f;
    const L s1 = a[1] + a[4];
    const L d1 = a[1] - a[4];
    const L s2 = a[2] + a[3];
    const L d2 = a[2] - a[3];
    const L c2 = a[0] + Scale(kTr11, s1) + Scale(kTr12, s2);
    const L c3 = a[0] + Scale(kTr12, s1) + Scale(kTr11, s2);
    const L e2 = TimesI(Scale(kTi11, d1) + Scale(kTi12, d2));
    const L e3 = TimesI(Scale(kTi12, d1) - Scale(kTi11, d2));
    a[0] = a[0] + s1 + s2;
    a[1] = c2 + e2;
    a[2] = c3 + e3;
    a[3] = c3 - e3;
    a[4] = c2 - e2;
  }
};

// One butterfly at (i, k) for `L` lanes of consecutive i: loads, DFT,
// twiddles for j >= 1 unless `kTwiddle` is false (i = 0, where they are 1).
template <bool kForward, class R, class L, bool kTwiddle>
inline void Butterfly(int64_t i, int64_t k, int64_t ido, int64_t l1, const float* cc, float* ch,
                      const float* wa) {
  constexpr int kP = R::kP;
  L a[kP];
  for (int m = 0; m < kP; ++m) LoadLane(cc, i + ido * (m + kP * k), a[m]);
  R::Run(a);
  StoreLane(ch, i + ido * k, a[0]);
  for (int j = 1; j < kP; ++j) {
    const L t = kTwiddle ? Twiddle<kForward>(a[j], wa + (j - 1) * 2 * ido + 2 * i) : a[j];
    StoreLane(ch, i + ido * (k + l1 * j), t);
  }
}

template <bool kForward, class R>
void RadixPass(int64_t ido, int64_t l1, const float* cc, float* ch, const float* wa) {
  constexpr int kP = R::kP;
  if (ido == 1) {
    // No twiddles; the lanes run over k, whose outputs are adjacent.
    int64_t k = 0;
#if defined(__SSE2__)
    for (; k + 1 < l1; k += 2) {
      Cx2 a[kP];
      for (int m = 0; m < kP; ++m) LoadSpread(cc, m + kP * k, kP, a[m]);
      R::Run(a);
      for (int j = 0; j < kP; ++j) StoreLane(ch, k + l1 * j, a[j]);
    }
#endif
    for (; k < l1; ++k) Butterfly<kForward, R, Cx, false>(0, k, 1, l1, cc, ch, wa);
    return;
  }
  for (int64_t k = 0; k < l1; ++k) {
    int64_t i = 0;
#if defined(__SSE2__)
    for (; i + 1 < ido; i += 2) Butterfly<kForward, R, Cx2, true>(i, k, ido, l1, cc, ch, wa);
#endif
    for (; i < ido; ++i) Butterfly<kForward, R, Cx, true>(i, k, ido, l1, cc, ch, wa);
  }
}

}  // namespace

template <bool kForward>
void Pass2(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  RadixPass<kForward, Radix2<kForward>>(ido, l1, cc, ch, wa);
}

template <bool kForward>
void Pass3(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  RadixPass<kForward, Radix3<kForward>>(ido, l1, cc, ch, wa);
}

template <bool kForward>
void Pass4(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  RadixPass<kForward, Radix4<kForward>>(ido, l1, cc, ch, wa);
}

template <bool kForward>
void Pass5(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  RadixPass<kForward, Radix5<kForward>>(ido, l1, cc, ch, wa);
}

template <bool kForward>
void PassOdd(int32_t p, int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  const int64_t block = 2 * int64_t{ido};  // floats per twiddle block
  const int32_t half = (p - 1) / 2;
  for (int64_t k = 0; k < l1; ++k) {
    const float* in = cc + 2 * ido * (p * k);
    for (int64_t i = 0; i < ido; ++i) {
      Cx a0;
      LoadLane(in, i, a0);
      Cx sum = a0;
      for (int32_t m = 1; m < p; ++m) {
        Cx xm;
        LoadLane(in, i + ido * m, xm);
        sum = sum + xm;
      }
      StoreLane(ch, i + ido * k, sum);
      for (int32_t j = 1; j <= half; ++j) {
        Cx a = a0;            // a0 + sum over m of cos(2π·mj/p)·(x_m + x_{p-m})
        Cx b = {0.0f, 0.0f};  // sum over m of sin(2π·mj/p)·(x_m - x_{p-m})
        int32_t r = 0;
        for (int32_t m = 1; m <= half; ++m) {
          r += j;
          if (r >= p) r -= p;
          const float* root = wa + (r - 1) * block;
          Cx xm;
          Cx xn;
          LoadLane(in, i + ido * m, xm);
          LoadLane(in, i + ido * (p - m), xn);
          a = a + Scale(root[0], xm + xn);
          b = b + Scale(root[1], xm - xn);
        }
        // Forward t(j) = a - i·b and t(p-j) = a + i·b; backward the reverse.
        const Cx b_i = TimesI(b);
        Cx tj = kForward ? a - b_i : a + b_i;
        Cx tn = kForward ? a + b_i : a - b_i;
        if (i > 0) {
          tj = Twiddle<kForward>(tj, wa + (j - 1) * block + 2 * i);
          tn = Twiddle<kForward>(tn, wa + (p - j - 1) * block + 2 * i);
        }
        StoreLane(ch, i + ido * (k + l1 * j), tj);
        StoreLane(ch, i + ido * (k + l1 * (p - j)), tn);
      }
    }
  }
}

template void Pass2<true>(int32_t, int32_t, const float*, float*, const float*);
template void Pass2<false>(int32_t, int32_t, const float*, float*, const float*);
template void Pass3<true>(int32_t, int32_t, const float*, float*, const float*);
template void Pass3<false>(int32_t, int32_t, const float*, float*, const float*);
template void Pass4<true>(int32_t, int32_t, const float*, float*, const float*);
template void Pass4<false>(int32_t, int32_t, const float*, float*, const float*);
template void Pass5<true>(int32_t, int32_t, const float*, float*, const float*);
template void Pass5<false>(int32_t, int32_t, const float*, float*, const float*);
template void PassOdd<true>(int32_t, int32_t, int32_t, const float*, float*, const float*);
template void PassOdd<false>(int32_t, int32_t, int32_t, const float*, float*, const float*);

}  // namespace fft_detail

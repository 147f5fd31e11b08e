#include "fft/fft_passes.h"

namespace fft_detail {
namespace {

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

// Multiplies by -i forward (exponent sign -1) and by +i backward.
template <bool kForward>
inline Cx RotateQuarter(Cx a) {
  return kForward ? Cx{a.i, -a.r} : Cx{-a.i, a.r};
}

// Applies the twiddle (c, s): times (c - i·s) forward, times (c + i·s) backward.
template <bool kForward>
inline Cx Twiddle(Cx a, const float* w) {
  const float c = w[0];
  const float s = w[1];
  return kForward ? Cx{a.r * c + a.i * s, a.i * c - a.r * s}
                  : Cx{a.r * c - a.i * s, a.i * c + a.r * s};
}

inline Cx Load(const float* p, int64_t index) {
  return {p[2 * index], p[2 * index + 1]};
}
inline void Store(float* p, int64_t index, Cx v) {
  p[2 * index] = v.r;
  p[2 * index + 1] = v.i;
}

}  // namespace

template <bool kForward>
void Pass2(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  for (int64_t k = 0; k < l1; ++k) {
    for (int64_t i = 0; i < ido; ++i) {
      const Cx a0 = Load(cc, i + ido * (2 * k));
      const Cx a1 = Load(cc, i + ido * (2 * k + 1));
      Store(ch, i + ido * k, a0 + a1);
      Store(ch, i + ido * (k + l1), Twiddle<kForward>(a0 - a1, wa + 2 * i));
    }
  }
}

template <bool kForward>
void Pass3(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  constexpr float kTaur = -0.5f;
  constexpr float kTaui = kForward ? -0.8660254f : 0.8660254f;
  const float* w1 = wa;
  const float* w2 = wa + 2 * ido;
  for (int64_t k = 0; k < l1; ++k) {
    for (int64_t i = 0; i < ido; ++i) {
      const Cx a0 = Load(cc, i + ido * (3 * k));
      const Cx a1 = Load(cc, i + ido * (3 * k + 1));
      const Cx a2 = Load(cc, i + ido * (3 * k + 2));
      const Cx s = a1 + a2;
      const Cx c = a0 + Scale(kTaur, s);
      const Cx d = Scale(kTaui, a1 - a2);
      const Cx d_i = {-d.i, d.r};  // i·d
      Store(ch, i + ido * k, a0 + s);
      Store(ch, i + ido * (k + l1), Twiddle<kForward>(c + d_i, w1 + 2 * i));
      Store(ch, i + ido * (k + 2 * l1), Twiddle<kForward>(c - d_i, w2 + 2 * i));
    }
  }
}

template <bool kForward>
void Pass4(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  const float* w1 = wa;
  const float* w2 = wa + 2 * ido;
  const float* w3 = wa + 4 * ido;
  for (int64_t k = 0; k < l1; ++k) {
    for (int64_t i = 0; i < ido; ++i) {
      const Cx a0 = Load(cc, i + ido * (4 * k));
      const Cx a1 = Load(cc, i + ido * (4 * k + 1));
      const Cx a2 = Load(cc, i + ido * (4 * k + 2));
      const Cx a3 = Load(cc, i + ido * (4 * k + 3));
      const Cx s02 = a0 + a2;
      const Cx d02 = a0 - a2;
      const Cx s13 = a1 + a3;
      const Cx d13 = RotateQuarter<kForward>(a1 - a3);
      Store(ch, i + ido * k, s02 + s13);
      Store(ch, i + ido * (k + l1), Twiddle<kForward>(d02 + d13, w1 + 2 * i));
      Store(ch, i + ido * (k + 2 * l1), Twiddle<kForward>(s02 - s13, w2 + 2 * i));
      Store(ch, i + ido * (k + 3 * l1), Twiddle<kForward>(d02 - d13, w3 + 2 * i));
    }
  }
}

template <bool kForward>
void Pass5(int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  constexpr float kTr11 = 0.309017f;
  constexpr float kTr12 = -0.809017f;
  constexpr float kTi11 = kForward ? -0.95105654f : 0.95105654f;
  constexpr float kTi12 = kForward ? -0.58778524f : 0.58778524f;
  const float* w1 = wa;
  const float* w2 = wa + 2 * ido;
  const float* w3 = wa + 4 * ido;
  const float* w4 = wa + 6 * ido;
  for (int64_t k = 0; k < l1; ++k) {
    for (int64_t i = 0; i < ido; ++i) {
      const Cx a0 = Load(cc, i + ido * (5 * k));
      const Cx a1 = Load(cc, i + ido * (5 * k + 1));
      const Cx a2 = Load(cc, i + ido * (5 * k + 2));
      const Cx a3 = Load(cc, i + ido * (5 * k + 3));
      const Cx a4 = Load(cc, i + ido * (5 * k + 4));
      const Cx s1 = a1 + a4;
      const Cx d1 = a1 - a4;
      const Cx s2 = a2 + a3;
      const Cx d2 = a2 - a3;
      const Cx c2 = a0 + Scale(kTr11, s1) + Scale(kTr12, s2);
      const Cx c3 = a0 + Scale(kTr12, s1) + Scale(kTr11, s2);
      const Cx e2 = Scale(kTi11, d1) + Scale(kTi12, d2);
      const Cx e3 = Scale(kTi12, d1) - Scale(kTi11, d2);
      const Cx e2_i = {-e2.i, e2.r};  // i·e2
      const Cx e3_i = {-e3.i, e3.r};
      Store(ch, i + ido * k, a0 + s1 + s2);
      Store(ch, i + ido * (k + l1), Twiddle<kForward>(c2 + e2_i, w1 + 2 * i));
      Store(ch, i + ido * (k + 2 * l1), Twiddle<kForward>(c3 + e3_i, w2 + 2 * i));
      Store(ch, i + ido * (k + 3 * l1), Twiddle<kForward>(c3 - e3_i, w3 + 2 * i));
      Store(ch, i + ido * (k + 4 * l1), Twiddle<kForward>(c2 - e2_i, w4 + 2 * i));
    }
  }
}

template <bool kForward>
void PassOdd(int32_t p, int32_t ido, int32_t l1, const float* cc, float* ch, const float* wa) {
  const int64_t block = 2 * int64_t{ido};  // floats per twiddle block
  const int32_t half = (p - 1) / 2;
  for (int64_t k = 0; k < l1; ++k) {
    const float* in = cc + 2 * ido * (p * k);
    for (int64_t i = 0; i < ido; ++i) {
      const Cx a0 = Load(in, i);
      Cx sum = a0;
      for (int32_t m = 1; m < p; ++m) sum = sum + Load(in, i + ido * m);
      Store(ch, i + ido * k, sum);
      for (int32_t j = 1; j <= half; ++j) {
        Cx a = a0;            // a0 + sum over m of cos(2π·mj/p)·(x_m + x_{p-m})
        Cx b = {0.0f, 0.0f};  // sum over m of sin(2π·mj/p)·(x_m - x_{p-m})
        int32_t r = 0;
        for (int32_t m = 1; m <= half; ++m) {
          r += j;
          if (r >= p) r -= p;
          const float* root = wa + (r - 1) * block;
          const Cx xm = Load(in, i + ido * m);
          const Cx xn = Load(in, i + ido * (p - m));
          a = a + Scale(root[0], xm + xn);
          b = b + Scale(root[1], xm - xn);
        }
        // Forward t(j) = a - i·b and t(p-j) = a + i·b; backward the reverse.
        const Cx b_i = {-b.i, b.r};
        Cx tj = kForward ? a - b_i : a + b_i;
        Cx tn = kForward ? a + b_i : a - b_i;
        if (i > 0) {
          tj = Twiddle<kForward>(tj, wa + (j - 1) * block + 2 * i);
          tn = Twiddle<kForward>(tn, wa + (p - j - 1) * block + 2 * i);
        }
        Store(ch, i + ido * (k + l1 * j), tj);
        Store(ch, i + ido * (k + l1 * (p - j)), tn);
      }
    }
  }
}

#define FFT_INSTANTIATE(kForward)                                                      \
  template void Pass2<kForward>(int32_t, int32_t, const float*, float*, const float*); \
  template void Pass3<kForward>(int32_t, int32_t, const float*, float*, const float*); \
  template void Pass4<kForward>(int32_t, int32_t, const float*, float*, const float*); \
  template void Pass5<kForward>(int32_t, int32_t, const float*, float*, const float*); \
  template void PassOdd<kForward>(int32_t, int32_t, int32_t, const float*, float*, const float*);
FFT_INSTANTIATE(true)
FFT_INSTANTIATE(false)
#undef FFT_INSTANTIATE

}  // namespace fft_detail

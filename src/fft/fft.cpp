#include "fft/fft.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <vector>

#include "fft/fft_factors.h"
#include "fft/fft_passes.h"
#include "fft/fft_pow2.h"

namespace {

// Work array layout (1-based positions): scratch 1..2n, twiddles 2n+1..4n,
// factor record from 4n+1 (n, nf, then the factors).
float* Scratch(float* work) {
  return work + 1;
}
float* Twiddles(float* work, int64_t n) {
  return work + 2 * n + 1;
}
float* Record(float* work, int64_t n) {
  return work + 4 * n + 1;
}

// The record holds small positive integers stored as floats.
int32_t ReadCount(float stored) {
  return static_cast<int32_t>(stored + 0.5f);
}

// Lengths that the vectorised power-of-two path transforms.
bool ParPuissanceDeDeux(int32_t n) {
  return n >= 16 && (n & (n - 1)) == 0 && fft_detail::HasPow2Path();
}

// Runs the pass for the factor p (in == out only for the radix 2 to 5
// passes with l1 = 1).
template <bool kForward>
void RunPass(int32_t p, int32_t ido, int32_t l1, const float* in, float* out, const float* wa) {
  using namespace fft_detail;
  switch (p) {
    case 2:
      Pass2<kForward>(ido, l1, in, out, wa);
      break;
    case 3:
      Pass3<kForward>(ido, l1, in, out, wa);
      break;
    case 4:
      Pass4<kForward>(ido, l1, in, out, wa);
      break;
    case 5:
      Pass5<kForward>(ido, l1, in, out, wa);
      break;
    default:
      PassOdd<kForward>(p, ido, l1, in, out, wa);
      break;
  }
}

template <bool kForward>
void Transform(int32_t n, std::span<Complexe> data, std::span<float> work) {
  if (n <= 1) return;
  float* w = work.data();
  const float* record = Record(w, n);
  const int32_t nf = ReadCount(record[1]);
  const float* factors = record + 2;

  // The data are transformed where they lie: the passes alternate between
  // the data and the scratch area. With an odd number of passes the first
  // one runs in place (it has l1 = 1), so the last one lands in the data;
  // only an odd first factor above 5, whose pass needs a separate output,
  // leaves the result in the scratch area, to be copied back.
  static_assert(sizeof(Complexe) == 2 * sizeof(float));
  float* x = &data[1].Re;
  float* ch = Scratch(w);
  const float* wa = Twiddles(w, n);
  if (ParPuissanceDeDeux(n)) {
    fft_detail::TransformPow2<kForward>(n, nf, factors, x, ch, wa, n, x, n);
    return;
  }
  if (n <= 5) {
    // One factor, the length itself, with l1 = ido = 1: in place, no twiddles.
    RunPass<kForward>(n, 1, 1, x, x, wa);
    return;
  }
  float* cur = x;
  float* other = ch;
  int32_t l1 = 1;
  int64_t iw = 0;
  for (int32_t f = 0; f < nf; ++f) {
    const int32_t p = ReadCount(factors[f]);
    const int32_t ido = n / (l1 * p);
    const bool in_place = f == 0 && nf % 2 == 1 && p <= 5;
    if (in_place) {
      RunPass<kForward>(p, ido, l1, cur, cur, wa + iw);
    } else {
      RunPass<kForward>(p, ido, l1, cur, other, wa + iw);
      std::swap(cur, other);
    }
    l1 *= p;
    iw += int64_t{p - 1} * 2 * ido;
  }
  if (cur != x) std::memcpy(x, cur, sizeof(float) * 2 * static_cast<size_t>(n));
}

// The twiddle table and factor record of the last length initialised: a
// sine and a cosine per point cost far more than copying them, and the
// wavelet transform initialises the same length on every run.
struct DerniereTable {
  std::mutex verrou;
  int32_t n = 0;
  std::vector<float> valeurs;  // work[2n+1 .. end of the record]
};

DerniereTable& Memoire() {
  static DerniereTable table;
  return table;
}

}  // namespace

void FftInit(int32_t n, std::span<float> work) {
  if (n <= 1) return;
  float* w = work.data();
  DerniereTable& memoire = Memoire();
  {
    std::lock_guard<std::mutex> garde(memoire.verrou);
    if (memoire.n == n) {
      std::copy(memoire.valeurs.begin(), memoire.valeurs.end(), Twiddles(w, n));
      return;
    }
  }
  const std::vector<int32_t> factors = FftFactorize(n);
  float* record = Record(w, n);
  record[0] = static_cast<float>(n);
  record[1] = static_cast<float>(factors.size());
  for (size_t f = 0; f < factors.size(); ++f) record[2 + f] = static_cast<float>(factors[f]);

  // Twiddles: for each factor p (with l1 and ido) and j = 1..p-1, ido pairs
  // (cos, sin)(f·j·l1·2π/n), f = 0..ido-1; for p > 5 the f = 0 pair holds the
  // root (cos, sin)(2πj/p) that the odd pass needs. The arguments are formed
  // in single precision, the functions evaluated in double.
  float* wa = Twiddles(w, n) - 1;  // 1-based
  const double pi = 4.0 * std::atan(1.0);
  const float argh = static_cast<float>(2.0 * pi / n);
  int64_t i = 2;
  int64_t l1 = 1;
  for (const int32_t p : factors) {
    int64_t ld = 0;
    const int64_t ido = n / (l1 * p);
    for (int32_t j = 1; j < p; ++j) {
      const int64_t i1 = i;
      wa[i - 1] = 1.0f;
      wa[i] = 0.0f;
      ld += l1;
      const float argld = static_cast<float>(ld) * argh;
      for (int64_t f = 1; f <= ido; ++f) {
        i += 2;
        const float arg = static_cast<float>(f) * argld;
        wa[i - 1] = static_cast<float>(std::cos(static_cast<double>(arg)));
        wa[i] = static_cast<float>(std::sin(static_cast<double>(arg)));
      }
      if (p > 5) {
        wa[i1 - 1] = wa[i - 1];
        wa[i1] = wa[i];
      }
    }
    l1 *= p;
  }
  std::lock_guard<std::mutex> garde(memoire.verrou);
  memoire.n = n;
  memoire.valeurs.assign(Twiddles(w, n), record + 2 + factors.size());
}

void FftForward(int32_t n, std::span<Complexe> data, std::span<float> work) {
  Transform<true>(n, data, work);
}

void FftBackward(int32_t n, std::span<Complexe> data, std::span<float> work) {
  Transform<false>(n, data, work);
}

void FftBackwardCreux(int32_t n, int32_t nonzero, std::span<Complexe> data, std::span<float> work,
                      std::span<Complexe> out, int32_t m) {
  nonzero = std::clamp(nonzero, 0, n);
  float* x = &data[1].Re;
  float* dst = &out[1].Re;
  if (ParPuissanceDeDeux(n)) {
    // The passes read whole blocks of four values: the zeros up to the next
    // block are written out.
    const int32_t lv = std::min(n, (nonzero + 3) / 4 * 4);
    std::fill(data.begin() + nonzero + 1, data.begin() + lv + 1, Complexe{});
    float* w = work.data();
    const float* record = Record(w, n);
    fft_detail::TransformPow2<false>(n, ReadCount(record[1]), record + 2, x, Scratch(w),
                                     Twiddles(w, n), lv, dst, m);
    return;
  }
  std::fill(data.begin() + nonzero + 1, data.begin() + n + 1, Complexe{});
  Transform<false>(n, data, work);
  if (dst != x) std::memmove(dst, x, sizeof(float) * 2 * static_cast<size_t>(m));
}

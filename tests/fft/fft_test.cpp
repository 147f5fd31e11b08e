#include "fft/fft.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <random>
#include <vector>

#include "fft/fft_factors.h"

namespace {

using ::testing::ElementsAreArray;

constexpr double kPi = 3.14159265358979323846;
constexpr float kSentinel = 12345.625f;

// Lengths covering every pass: powers of two (radix 4 with and without a
// leading 2, below and above 16 where the vectorised path starts, 32 and 64
// where its first two factors are first merged into one pass, 128 and 256
// where its last two are too, 4096 and 65536 on either side of the length
// where merging stops), 3, 5, the
// odd pass alone (7, 1009), after a 2 (14), several odd passes in a row
// (3465 = 3·3·5·7·11) and a long mixed length.
const int32_t kLengths[] = {1,  2,   3,   4,   5,    6,    7,    8,    14,   16,    25,   32,
                            64, 120, 128, 256, 1000, 1009, 2048, 3465, 4096, 44100, 65536};

// A 1-based data array with sentinels in element 0 and in three elements
// past n.
struct Signal {
  explicit Signal(int32_t n) : n(n), data(n + 4) {
    data[0] = {kSentinel, -kSentinel};
    for (int32_t k = n + 1; k < n + 4; ++k) data[k] = {kSentinel + k, -kSentinel};
  }
  void ExpectSentinelsIntact() const {
    EXPECT_EQ(data[0].Re, kSentinel);
    EXPECT_EQ(data[0].Im, -kSentinel);
    for (int32_t k = n + 1; k < n + 4; ++k) {
      EXPECT_EQ(data[k].Re, kSentinel + k) << "element " << k;
      EXPECT_EQ(data[k].Im, -kSentinel) << "element " << k;
    }
  }
  int32_t n;
  std::vector<Complexe> data;
};

// A work array of 4n + 16 floats plus three sentinels past its end.
std::vector<float> MakeWork(int32_t n) {
  return std::vector<float>(4 * size_t(n) + 19, kSentinel);
}

void FillRandom(Signal& s, uint32_t seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
  for (int32_t k = 1; k <= s.n; ++k) s.data[k] = {dist(gen), dist(gen)};
}

// Direct DFT in double of x(1..n) at the bins j (1-based), exponent sign
// `sign`; the angle is reduced exactly through (j-1)(k-1) mod n.
std::vector<std::complex<double>> DirectDft(const std::vector<Complexe>& x, int32_t n,
                                            const std::vector<int32_t>& bins, int sign) {
  std::vector<std::complex<double>> root(n);
  for (int32_t r = 0; r < n; ++r) root[r] = std::polar(1.0, sign * 2.0 * kPi * r / n);
  std::vector<std::complex<double>> out;
  for (const int32_t j : bins) {
    std::complex<double> sum = 0.0;
    for (int32_t k = 1; k <= n; ++k) {
      const int64_t r = (int64_t{j - 1} * (k - 1)) % n;
      sum += std::complex<double>(x[k].Re, x[k].Im) * root[r];
    }
    out.push_back(sum);
  }
  return out;
}

// Every bin for short lengths; for long ones a fixed set (both ends, the
// middle, and random bins), which keeps the direct DFT affordable.
std::vector<int32_t> BinsToCheck(int32_t n) {
  std::vector<int32_t> bins;
  if (n <= 4096) {
    for (int32_t j = 1; j <= n; ++j) bins.push_back(j);
    return bins;
  }
  bins = {1, 2, 3, n / 2, n / 2 + 1, n / 2 + 2, n - 1, n};
  std::mt19937 gen(7);
  std::uniform_int_distribution<int32_t> dist(1, n);
  for (int b = 0; b < 120; ++b) bins.push_back(dist(gen));
  return bins;
}

// Relative error tolerance: single-precision rounding grows with the number
// of passes, i.e. with log2(n). Measured errors stay below 5e-7.
double Tolerance(int32_t n) {
  return 1e-6 * std::max(1.0, std::log2(double(n)));
}

// Root-mean-square error over the checked bins, relative to the RMS of the
// reference spectrum (Parseval: sqrt(n) times the RMS of the input).
double RelativeError(const std::vector<Complexe>& got, const std::vector<int32_t>& bins,
                     const std::vector<std::complex<double>>& want, double input_norm2) {
  double err2 = 0.0;
  for (size_t b = 0; b < bins.size(); ++b) {
    err2 += std::norm(std::complex<double>(got[bins[b]].Re, got[bins[b]].Im) - want[b]);
  }
  const double rms_err = std::sqrt(err2 / bins.size());
  const double rms_spectrum = std::sqrt(input_norm2);  // sqrt(n·|x|²/n)
  return rms_err / rms_spectrum;
}

double Norm2(const std::vector<Complexe>& x, int32_t n) {
  double s = 0.0;
  for (int32_t k = 1; k <= n; ++k) s += double(x[k].Re) * x[k].Re + double(x[k].Im) * x[k].Im;
  return s;
}

class FftLengthTest : public ::testing::TestWithParam<int32_t> {
 protected:
  void SetUp() override {
    n_ = GetParam();
    work_ = MakeWork(n_);
    FftInit(n_, work_);
  }
  // Everything from the twiddle table on, which the transforms only read.
  std::vector<float> TableAndRecord() const {
    return {work_.begin() + 2 * size_t(n_) + 1, work_.end()};
  }
  int32_t n_ = 0;
  std::vector<float> work_;
};

TEST_P(FftLengthTest, ForwardAndBackwardMatchDirectDft) {
  for (const int sign : {-1, +1}) {
    SCOPED_TRACE(sign < 0 ? "forward" : "backward");
    Signal s(n_);
    FillRandom(s, 1000u + n_);
    const std::vector<int32_t> bins = BinsToCheck(n_);
    const auto want = DirectDft(s.data, n_, bins, sign);
    const double norm2 = Norm2(s.data, n_);
    const std::vector<float> table = TableAndRecord();
    if (sign < 0) {
      FftForward(n_, s.data, work_);
    } else {
      FftBackward(n_, s.data, work_);
    }
    EXPECT_LE(RelativeError(s.data, bins, want, norm2), Tolerance(n_));
    s.ExpectSentinelsIntact();
    EXPECT_EQ(work_[0], kSentinel);
    EXPECT_TRUE(TableAndRecord() == table) << "the transform changed the table or record";
  }
}

TEST_P(FftLengthTest, BackwardAfterForwardGivesNTimesTheInput) {
  Signal s(n_);
  FillRandom(s, 2000u + n_);
  const std::vector<Complexe> input = s.data;
  FftForward(n_, s.data, work_);
  FftBackward(n_, s.data, work_);
  double err2 = 0.0;
  for (int32_t k = 1; k <= n_; ++k) {
    err2 += std::norm(std::complex<double>(s.data[k].Re, s.data[k].Im) -
                      double(n_) * std::complex<double>(input[k].Re, input[k].Im));
  }
  EXPECT_LE(std::sqrt(err2 / Norm2(input, n_)) / n_, 2 * Tolerance(n_));
  s.ExpectSentinelsIntact();
}

TEST_P(FftLengthTest, ClosedFormInputs) {
  const double tol = Tolerance(n_);
  {
    SCOPED_TRACE("unit impulse gives all ones");
    Signal s(n_);
    s.data[1] = {1.0f, 0.0f};
    FftForward(n_, s.data, work_);
    for (int32_t j = 1; j <= n_; ++j) {
      ASSERT_NEAR(s.data[j].Re, 1.0, tol) << "bin " << j;
      ASSERT_NEAR(s.data[j].Im, 0.0, tol) << "bin " << j;
    }
    s.ExpectSentinelsIntact();
  }
  {
    SCOPED_TRACE("constant gives n at position 1");
    Signal s(n_);
    for (int32_t k = 1; k <= n_; ++k) s.data[k] = {1.0f, 0.0f};
    FftForward(n_, s.data, work_);
    for (int32_t j = 1; j <= n_; ++j) {
      ASSERT_NEAR(s.data[j].Re, j == 1 ? n_ : 0.0, tol * n_) << "bin " << j;
      ASSERT_NEAR(s.data[j].Im, 0.0, tol * n_) << "bin " << j;
    }
  }
  {
    SCOPED_TRACE("exp(+2πi(k-1)/n) gives n at position 2");
    Signal s(n_);
    for (int32_t k = 1; k <= n_; ++k) {
      const double a = 2.0 * kPi * (k - 1) / n_;
      s.data[k] = {float(std::cos(a)), float(std::sin(a))};
    }
    FftForward(n_, s.data, work_);
    const int32_t peak = n_ == 1 ? 1 : 2;
    for (int32_t j = 1; j <= n_; ++j) {
      ASSERT_NEAR(s.data[j].Re, j == peak ? n_ : 0.0, tol * n_) << "bin " << j;
      ASSERT_NEAR(s.data[j].Im, 0.0, tol * n_) << "bin " << j;
    }
  }
}

// The record and the twiddle table, checked against their closed forms.
TEST_P(FftLengthTest, InitFillsRecordAndTwiddleTable) {
  if (n_ == 1) {
    EXPECT_THAT(work_, ::testing::Each(kSentinel)) << "nothing to prepare for n = 1";
    return;
  }
  const std::vector<int32_t> factors = FftFactorize(n_);
  const size_t n = n_;
  EXPECT_EQ(work_[4 * n + 1], float(n_));
  ASSERT_EQ(work_[4 * n + 2], float(factors.size()));
  for (size_t f = 0; f < factors.size(); ++f) EXPECT_EQ(work_[4 * n + 3 + f], float(factors[f]));
  // Init touches neither the scratch area nor anything past the record.
  for (size_t pos = 0; pos <= 2 * n; ++pos) ASSERT_EQ(work_[pos], kSentinel) << "position " << pos;
  for (size_t pos = 4 * n + 3 + factors.size(); pos < work_.size(); ++pos) {
    ASSERT_EQ(work_[pos], kSentinel) << "position " << pos;
  }
  const float* wa = &work_[2 * n + 1];
  int64_t l1 = 1;
  size_t pair = 0;
  for (const int32_t p : factors) {
    const int64_t ido = n_ / (l1 * p);
    for (int32_t j = 1; j < p; ++j) {
      for (int64_t f = 0; f < ido; ++f, ++pair) {
        const double a = f == 0 && p > 5 ? 2.0 * kPi * j / p : 2.0 * kPi * f * j * l1 / n_;
        // The argument is formed in single precision: its rounding error
        // grows with its size.
        const double tol = 1e-6 + 2e-7 * a;
        ASSERT_NEAR(wa[2 * pair], std::cos(a), tol) << "p " << p << " j " << j << " f " << f;
        ASSERT_NEAR(wa[2 * pair + 1], std::sin(a), tol) << "p " << p << " j " << j << " f " << f;
      }
    }
    l1 *= p;
  }
  EXPECT_EQ(pair, n - 1);
}

INSTANTIATE_TEST_SUITE_P(Lengths, FftLengthTest, ::testing::ValuesIn(kLengths));

struct FactorCase {
  int32_t n;
  std::vector<int32_t> factors;
};

TEST(FftFactorizeTest, OrderPutsTwoFirstThenTrialOrder) {
  const FactorCase cases[] = {
      {1, {}},
      {2, {2}},
      {4, {4}},
      {6, {2, 3}},
      {7, {7}},
      {14, {2, 7}},
      {25, {5, 5}},
      {120, {2, 3, 4, 5}},
      {1009, {1009}},
      {2048, {2, 4, 4, 4, 4, 4}},
      {3465, {3, 3, 5, 7, 11}},
      {44100, {3, 3, 4, 5, 5, 7, 7}},
      {65536, {4, 4, 4, 4, 4, 4, 4, 4}},
      {118098, {2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
  };
  for (const FactorCase& c : cases) {
    EXPECT_THAT(FftFactorize(c.n), ElementsAreArray(c.factors)) << "n = " << c.n;
  }
}

TEST(FftLengthOneTest, LengthOneIsIdentity) {
  std::vector<float> work(20, kSentinel);
  FftInit(1, work);
  EXPECT_THAT(work, ::testing::Each(kSentinel));
  Signal s(1);
  s.data[1] = {0.25f, -3.5f};
  FftForward(1, s.data, work);
  EXPECT_EQ(s.data[1].Re, 0.25f);
  EXPECT_EQ(s.data[1].Im, -3.5f);
  FftBackward(1, s.data, work);
  EXPECT_EQ(s.data[1].Re, 0.25f);
  EXPECT_EQ(s.data[1].Im, -3.5f);
  s.ExpectSentinelsIntact();
  EXPECT_THAT(work, ::testing::Each(kSentinel));
}

// One work array serves any number of transforms of its length, and several
// arrays of different lengths do not interfere.
TEST(FftReuseTest, SameWorkArrayServesRepeatedTransforms) {
  const int32_t n = 120;
  std::vector<float> work = MakeWork(n);
  std::vector<float> other = MakeWork(1000);
  FftInit(n, work);
  FftInit(1000, other);
  Signal first(n);
  FillRandom(first, 5);
  Signal second = first;
  FftForward(n, first.data, work);
  Signal unrelated(1000);
  FillRandom(unrelated, 6);
  FftForward(1000, unrelated.data, other);
  FftForward(n, second.data, work);
  for (int32_t j = 1; j <= n; ++j) {
    EXPECT_EQ(first.data[j].Re, second.data[j].Re);
    EXPECT_EQ(first.data[j].Im, second.data[j].Im);
  }
}

// The backward transform of data that is zero after a prefix gives the bits
// of the full transform of the zero-padded data, into the data or another
// array, for every split of the passes: prefixes inside the first block,
// across a pass's streams, at block edges, the whole length; lengths with
// and without a leading 2, short (merged passes) and long, and a mixed
// length (no vectorised path). Values past the prefix are garbage that must
// not be read; zeros of either sign check that signs of zero are kept too.
TEST(FftBackwardCreuxTest, SameBitsAsTheFullTransformOfPaddedData) {
  struct Cas {
    int32_t n;
    std::vector<int32_t> nonzero;
  };
  const Cas cases[] = {
      {16, {0, 1, 4, 5, 16}},
      {4096, {1, 7, 1025, 2049, 4095}},
      {8192, {1, 3, 4, 5, 31, 1024, 1025, 2049, 4097, 8192}},
      {65536, {1, 62, 257, 4096, 4097, 16385, 32769, 65535, 65536}},
      {131072, {2, 300, 16384, 65537}},
      {1000, {1, 501, 1000}},
  };
  for (const Cas& c : cases) {
    const int32_t n = c.n;
    std::vector<float> work = MakeWork(n);
    FftInit(n, work);
    for (const int32_t nonzero : c.nonzero) {
      for (const bool zeros : {false, true}) {
        // Values, or zeros of both signs only: then every result is a zero
        // whose sign shows each addition.
        Signal full(n);
        FillRandom(full, static_cast<uint32_t>(nonzero));
        for (int32_t k = 1; k <= nonzero; k += 7) full.data[k].Im = -0.0f;
        if (zeros) {
          for (int32_t k = 1; k <= n; ++k) {
            full.data[k] = {std::copysign(0.0f, full.data[k].Re),
                            std::copysign(0.0f, full.data[k].Im)};
          }
        }
        Signal sparse = full;
        for (int32_t k = nonzero + 1; k <= n; ++k) {
          full.data[k] = {};
          sparse.data[k] = {std::nanf(""), 1e30f};
        }
        FftBackward(n, full.data, work);
        for (const int32_t m : {n, n - 1}) {
          for (const bool inPlace : {true, false}) {
            Signal data = sparse;
            Signal apart(n);
            Signal& out = inPlace ? data : apart;
            FftBackwardCreux(n, nonzero, data.data, work, out.data, m);
            for (int32_t k = 1; k <= m; ++k) {
              ASSERT_EQ(std::signbit(out.data[k].Re), std::signbit(full.data[k].Re))
                  << n << " " << nonzero << " " << k;
              ASSERT_EQ(out.data[k].Re, full.data[k].Re) << n << " " << nonzero << " " << k;
              ASSERT_EQ(out.data[k].Im, full.data[k].Im) << n << " " << nonzero << " " << k;
              ASSERT_EQ(std::signbit(out.data[k].Im), std::signbit(full.data[k].Im))
                  << n << " " << nonzero << " " << k;
            }
            if (!inPlace && m < n) {
              EXPECT_EQ(apart.data[n].Re, 0.0f) << "wrote past m";
            }
            data.ExpectSentinelsIntact();
            apart.ExpectSentinelsIntact();
          }
        }
      }
    }
  }
}

}  // namespace

#include "engine/ondelettes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/complexes_et_divers.h"
#include "engine/morlet.h"
#include "engine/run_error.h"

// Every intermediate that the formulas name (the common factor, the norm, the
// product x = scale k, the exponent) is stored as a Single, checked; the
// exponentials, powers and roots are evaluated in double and the daughter
// value is rounded to Single when stored.

namespace {

// Fix(): truncation toward zero into a Long.
int32_t FixLong(float value) {
  double t = std::trunc(static_cast<double>(value));
  if (!(t >= std::numeric_limits<int32_t>::min() && t <= std::numeric_limits<int32_t>::max())) {
    Depassement();
  }
  return static_cast<int32_t>(t);
}

int32_t MulLong(int32_t a, int32_t b) {
  int32_t r;
  if (__builtin_mul_overflow(a, b, &r)) Depassement();
  return r;
}

int32_t SubLong(int32_t a, int32_t b) {
  int32_t r;
  if (__builtin_sub_overflow(a, b, &r)) Depassement();
  return r;
}

float Verifie(float value) {
  if (!std::isfinite(value)) Depassement();
  return value;
}

// The product x = scale k(i), stored as a Single.
float Produit(float scale, float k) {
  return Verifie(scale * k);
}

}  // namespace

void DaughterWavelet(int32_t n, float dt, int32_t mother, float& param, float scale,
                     std::span<const float> k, float& period, float& coi,
                     std::span<Complexe> daughter) {
  const int32_t last =
      DaughterWaveletEtendue(n, dt, mother, param, scale, k, period, coi, daughter);
  std::fill(daughter.begin() + last + 1, daughter.begin() + n + 1, Complexe{});
}

int32_t DaughterWaveletEtendue(int32_t n, float dt, int32_t mother, float& param, float scale,
                               std::span<const float> k, float& period, float& coi,
                               std::span<Complexe> daughter) {
  if (mother < 0 || mother > 2) {
    throw RunError(RunErrorKind::InvalidArgument, "Invalid procedure call");
  }
  if (n < 2 || k.size() < static_cast<size_t>(n) + 1 ||
      daughter.size() < static_cast<size_t>(n) + 1) {
    throw RunError(RunErrorKind::BadIndex, "Subscript out of range");
  }
  if (param < 0.0f) param = kOndelettes[static_cast<size_t>(mother)].parametreDefaut;
  if (dt == 0.0f) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");

  const float A = VersSingle(std::sqrt(2.0 * kPi * scale / dt));
  const int32_t half = n / 2 + 1;
  int32_t last = half;
  float F;

  if (mother == 0) {
    const float k0 = param;
    const float norm = VersSingle(std::pow(static_cast<double>(kPi), -0.25) * A);
    // Past the peak (x > k0) the exponent only decreases; once it is so low
    // that norm exp(e) rounds to 0 in Single, every later value is 0.
    double zero = -std::numeric_limits<double>::infinity();
    if (norm > 0.0f) zero = -150.0 * std::log(2.0) - std::log(static_cast<double>(norm)) - 1.0;
    last = MorletDemi(norm, k0, scale, k, half, zero, daughter);
    F = VersSingle(4.0 * kPi / (k0 + std::sqrt(2.0 + static_cast<double>(k0) * k0)));
    coi = VersSingle(F / std::sqrt(2.0));
  } else if (mother == 1) {
    const int32_t m = FixLong(param);
    const int32_t produit = MulLong(m, Factorielle(SubLong(MulLong(2, m), 1)));
    if (produit == 0) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");
    const float norm = VersSingle(A * std::pow(2.0, m) / std::sqrt(static_cast<double>(produit)));
    for (int32_t i = 1; i <= half; ++i) {
      float x = Produit(scale, k[i]);
      float e = Verifie(-x);
      daughter[i] = Complexe{
          VersSingle(norm * std::pow(static_cast<double>(x), m) * std::exp(static_cast<double>(e))),
          0.0f};
    }
    F = VersSingle(4.0 * kPi / (2.0 * m + 1.0));
    coi = VersSingle(F * std::sqrt(2.0));
  } else {
    const int32_t m = FixLong(param);
    const float g = FGamma(static_cast<float>(m) + 0.5f);
    if (g == 0.0f) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");
    float norm = VersSingle(A * std::sqrt(1.0 / g));
    norm = VersSingle(-static_cast<double>(norm) * CReel(CPuissance(Complexe{0.0f, 1.0f}, m)));
    for (int32_t i = 1; i <= n; ++i) {
      float x = Produit(scale, k[i]);
      float e = VersSingle(-(static_cast<double>(x) * x) / 2.0);
      daughter[i] = Complexe{
          VersSingle(norm * std::pow(static_cast<double>(x), m) * std::exp(static_cast<double>(e))),
          0.0f};
    }
    last = n;
    F = VersSingle(2.0 * kPi * std::sqrt(2.0 / (2.0 * m + 1.0)));
    coi = VersSingle(F / std::sqrt(2.0));
  }
  period = VersSingle(static_cast<double>(F) * scale);
  return last;
}

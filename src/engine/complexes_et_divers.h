#pragma once

#include <cmath>
#include <cstdint>

#include "engine/complexe.h"

// ComplexesEtDivers: value-level operations shared by the wavelet engine and
// the workbench. Every result is a Single; intermediate products and sums are
// carried in double and rounded to Single when stored. A value that does not
// fit a Single when stored throws RunError(Overflow); a division by zero
// throws RunError(DivisionByZero); a bad table index RunError(BadIndex).

// Rounds a double to Single, throwing RunError(Overflow) when the result is
// not finite.
float VersSingle(double value);

// a*b: Re = a.Re*b.Re - b.Im*a.Im, Im = a.Im*b.Re + b.Im*a.Re.
Complexe CMul(Complexe a, Complexe b);
// sqrt(Re^2 + Im^2), the sum formed in double.
float CModule(Complexe z);
inline float CReel(Complexe z) {
  return z.Re;
}
inline float CImag(Complexe z) {
  return z.Im;
}
inline Complexe CDeReel(float x) {
  return Complexe{x, 0.0f};
}
// (re, im) with im converted to Single; (re, 0) when im is omitted.
Complexe CComplexe(float re, double im = 0.0);
// (Re/d, Im/d), each division in double.
Complexe CDivReel(Complexe z, double d);
// An accumulator seeded with 1 + 1i multiplied by z, k times in a row with
// CMul: the result is (1 + i) z^k, and 1 + 1i for k <= 0.
Complexe CPuissance(Complexe z, int32_t k);
// The angle of x + iy in radians, in [-pi, pi): arctan(y/x) for x > 0,
// arctan(y/x) + pi for x <= 0 and y > 0, arctan(y/x) - pi for x <= 0 and
// y <= 0 (the negative real axis gives -pi). On the imaginary axis (x = 0),
// where y/x does not exist, it gives pi/2 for y > 0, -pi/2 for y < 0 and 0
// at the origin.
float CPhase(float y, float x);

// The program's pi: 4 arctan 1 rounded to Single.
inline constexpr float kPi = 3.14159274f;

// CPhase for finite y and x, whose result then always fits: no check, so
// that loops over many coefficients stay free of branches that throw.
inline float CPhaseFinie(float y, float x) {
  if (x == 0) return y > 0 ? kPi / 2 : (y < 0 ? -kPi / 2 : 0.0f);
  double a = std::atan(static_cast<double>(y) / x);
  if (x > 0) return static_cast<float>(a);
  return static_cast<float>(y > 0 ? a + kPi : a - kPi);
}

// a if a < b, otherwise b.
template <typename A, typename B>
constexpr auto Min(A a, B b) {
  using R = decltype(a + b);
  return a < b ? static_cast<R>(a) : static_cast<R>(b);
}
// b if a < b, otherwise a.
template <typename A, typename B>
constexpr auto Max(A a, B b) {
  using R = decltype(a + b);
  return a < b ? static_cast<R>(b) : static_cast<R>(a);
}

// 1*2*...*k in 32-bit arithmetic; 1 for k < 1; 13! and above overflow.
int32_t Factorielle(int32_t k);

// Gamma function in single precision: rational approximation below 15,
// asymptotic series from 15 to 1000; 0 at the poles, from 1000 on, and where
// exp would leave the double range. Overflow of the Single result throws.
float FGamma(float a);

// Integer machine constants, index 1..10: integer radix, bits and largest
// value; floating radix; Single mantissa digits, smallest and largest
// exponents; the same three for Double.
int32_t ConstMachine(int32_t i);

// 0.99999 ln(b) e with b the floating radix and e the largest Double
// exponent for l = 0, the smallest one minus 1 otherwise (709.7756 for l = 0).
float LimiteExp(int32_t l);

// Real machine constants in the radix b = 2: for i <= 1 the Double precision
// unit b^(1 - 53) = 2^-52; for i = 2 the Double unit roundoff 2^-53; for
// i = 3 the smallest normal Single 2^-126; for i >= 4 the largest Single.
float ReelMachine(int32_t i);

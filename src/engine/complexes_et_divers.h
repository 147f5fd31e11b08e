#pragma once

#include <cmath>
#include <cstdint>

#include "engine/complexe.h"

// ComplexesEtDivers: value-level operations shared by the wavelet engine and
// the workbench. Every result is a Single; intermediate products and sums are
// carried in double and rounded to Single when stored. A value that does not
// fit a Single when stored throws RunError(Overflow); a division by zero
// throws RunError(DivisionByZero); a bad table index RunError(BadIndex).

// Throws RunError(Overflow): a value that does not fit its type.
[[noreturn]] void Depassement();

// Rounds a double to Single, throwing RunError(Overflow) when the result is
// not finite.
inline float VersSingle(double value) {
  const float f = static_cast<float>(value);
  if (!std::isfinite(f)) Depassement();
  return f;
}

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

// arctan(y/x) for x != 0, in double: the quotient reduced to |t| <= 0.66
// (t = y/x, (|q| - 1)/(|q| + 1) or -1/|q|), then a rational approximation.
// Written without branches so that loops over many coefficients vectorise
// it operation for operation (engine/noeuds.h) with identical results.
inline double ArcTanQuotient(double y, double x) {
  constexpr double T3P8 = 2.41421356237309504880;  // tan(3 pi/8)
  constexpr double PIO2 = 1.57079632679489661923, PIO4 = 0.78539816339744830962;
  constexpr double MOREBITS = 6.123233995736765886130e-17;
  constexpr double P0 = -8.750608600031904122785e-1, P1 = -1.615753718733365076637e1,
                   P2 = -7.500855792314704667340e1, P3 = -1.228866684490136173410e2,
                   P4 = -6.485021904942025371773e1;
  constexpr double Q0 = 2.485846490142306297962e1, Q1 = 1.650270098316988542046e2,
                   Q2 = 4.328810604912902668951e2, Q3 = 4.853903996359136964868e2,
                   Q4 = 1.945506571482613964425e2;
  const double ay = std::fabs(y), ax = std::fabs(x);
  const bool big = ay > T3P8 * ax;
  const bool mid = ay > 0.66 * ax;
  const double num = big ? -ax : (mid ? ay - ax : ay);
  const double den = big ? ay : (mid ? ay + ax : ax);
  const double t = num / den;
  const double y0 = big ? PIO2 : (mid ? PIO4 : 0.0);
  const double more = big ? MOREBITS : (mid ? 0.5 * MOREBITS : 0.0);
  const double z = t * t;
  const double p = (((P0 * z + P1) * z + P2) * z + P3) * z + P4;
  const double q = ((((z + Q0) * z + Q1) * z + Q2) * z + Q3) * z + Q4;
  const double r = y0 + ((t * (z * p / q) + t) + more);
  return (y < 0) != (x < 0) ? -r : r;
}

// CPhase for finite y and x, whose result then always fits: no check, so
// that loops over many coefficients stay free of branches that throw.
inline float CPhaseFinie(float y, float x) {
  if (x == 0) return y > 0 ? kPi / 2 : (y < 0 ? -kPi / 2 : 0.0f);
  const double a = ArcTanQuotient(y, x);
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

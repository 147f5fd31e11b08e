#pragma once

#include <bit>
#include <cstdint>

// exp(e) in double for e <= 0: e = n ln 2 + r, |r| <= ln 2 / 2, exp(r) by its
// Taylor series to degree 13 (truncation below 1e-17), scaled by 2^n; 0
// below -708, where the result is no longer a normal double (a Single times
// it rounds to 0 anyway). Written without branches so that the two-lane
// version (engine/morlet.cpp) repeats it operation for operation.
namespace exp_negatif {
inline constexpr double kLog2e = 1.4426950408889634;
inline constexpr double kLn2Haut = 6.93147180369123816490e-01;  // low bits zero: n kLn2Haut exact
inline constexpr double kLn2Bas = 1.90821492927058770002e-10;
inline constexpr double kMagique = 6755399441055744.0;  // 1.5 2^52: rounds to an integer
inline constexpr double kLimite = -708.0;
inline constexpr double kC[14] = {1.0,
                                  1.0,
                                  1.0 / 2,
                                  1.0 / 6,
                                  1.0 / 24,
                                  1.0 / 120,
                                  1.0 / 720,
                                  1.0 / 5040,
                                  1.0 / 40320,
                                  1.0 / 362880,
                                  1.0 / 3628800,
                                  1.0 / 39916800,
                                  1.0 / 479001600,
                                  1.0 / 6227020800.0};
}  // namespace exp_negatif

inline double ExpNegatif(double e) {
  using namespace exp_negatif;
  const double t = e * kLog2e + kMagique;
  const double n = t - kMagique;
  const double r = (e - n * kLn2Haut) - n * kLn2Bas;
  double p = kC[13];
  for (int i = 12; i >= 0; --i) p = p * r + kC[i];
  // n in two's complement, wrapping (harmlessly) far below the limit.
  const uint64_t bits = std::bit_cast<uint64_t>(t) - std::bit_cast<uint64_t>(kMagique);
  const double echelle = std::bit_cast<double>((bits + 1023) << 52);
  return e < kLimite ? 0.0 : p * echelle;
}

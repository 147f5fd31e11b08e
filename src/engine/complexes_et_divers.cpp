#include "engine/complexes_et_divers.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <string>

#include "engine/run_error.h"

namespace {

// A Single result of float arithmetic, checked when stored.
float Verifie(float value) {
  if (!std::isfinite(value)) Depassement();
  return value;
}

}  // namespace

void Depassement() {
  throw RunError(RunErrorKind::Overflow, "Overflow");
}

Complexe CMul(Complexe a, Complexe b) {
  double re = static_cast<double>(a.Re) * b.Re - static_cast<double>(b.Im) * a.Im;
  double im = static_cast<double>(a.Im) * b.Re + static_cast<double>(b.Im) * a.Re;
  return Complexe{VersSingle(re), VersSingle(im)};
}

float CModule(Complexe z) {
  double s = static_cast<double>(z.Re) * z.Re + static_cast<double>(z.Im) * z.Im;
  return VersSingle(std::sqrt(s));
}

Complexe CComplexe(float re, double im) {
  return Complexe{re, VersSingle(im)};
}

Complexe CDivReel(Complexe z, double d) {
  if (d == 0.0) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");
  return Complexe{VersSingle(z.Re / d), VersSingle(z.Im / d)};
}

Complexe CPuissance(Complexe z, int32_t k) {
  Complexe acc{1.0f, 1.0f};
  for (int32_t i = 1; i <= k; ++i) acc = CMul(acc, z);
  return acc;
}

float CPhase(float y, float x) {
  return Verifie(CPhaseFinie(y, x));
}

int32_t Factorielle(int32_t k) {
  int32_t f = 1;
  for (int32_t i = 2; i <= k; ++i) {
    if (__builtin_mul_overflow(f, i, &f)) throw RunError(RunErrorKind::Overflow, "Overflow");
  }
  return f;
}

float FGamma(float a) {
  static constexpr float P[7] = {0.00053963729f, 0.0026193927f, 0.020449366f, 0.073098108f,
                                 0.27964863f,    0.55341387f,   1.0f};
  static constexpr float Q[7] = {
      -0.000832979206704073f, 0.004700595f, 0.022521114f, -0.17045896931336f,
      -0.056790276197494f,    1.1306295f,   1.0f};
  constexpr float d = 0.41893855f;
  constexpr float r1 = 0.00082075637f, r2 = -0.000595156336428591f, r3 = 0.0007936507f,
                  r4 = -0.00277777777770481f, r5 = 0.083333336f;
  constexpr float pi = 3.1415927f;

  if (std::fabs(a) < 15.0f) {
    float t = 1.0f;
    float x = a;
    int32_t m = static_cast<int32_t>(std::trunc(a)) - 1;
    if (m >= 0) {
      for (int32_t i = 0; i < m; ++i) {
        x = x - 1.0f;
        t = x * t;
      }
      x = x - 1.0f;
    } else {
      t = a;
      if (a <= 0.0f) {
        for (int32_t i = 0; i < -m - 1; ++i) {
          x = x + 1.0f;
          t = x * t;
        }
        x = (x + 0.5f) + 0.5f;
        t = x * t;
        if (t == 0.0f) return 0.0f;
      }
      // Within about 1e-30 of zero or of a negative integer Gamma is 1/t
      // to Single precision; 0 where that is not representable.
      if (std::fabs(t) < 1e-30f) {
        double inv = 1.0 / t;
        return std::fabs(inv) <= FLT_MAX ? static_cast<float>(inv) : 0.0f;
      }
    }
    float top = P[0];
    float bot = Q[0];
    for (int i = 1; i < 7; ++i) {
      top = P[i] + x * top;
      bot = Q[i] + x * bot;
    }
    float g = top / bot;
    return a >= 1.0f ? Verifie(g * t) : Verifie(g / t);
  }

  if (std::fabs(a) >= 1000.0f) return 0.0f;
  float x;
  float s = 0.0f;
  if (a > 0.0f) {
    x = a;
  } else {
    x = -a;
    float n = std::nearbyint(x);  // ties to even in the default rounding mode
    float t = x - n;
    if (t > 0.9f) t = 1.0f - t;
    s = static_cast<float>(std::sin(static_cast<double>(pi * t))) / pi;
    if (std::fmod(n, 2.0f) == 0.0f) s = -s;
    if (s == 0.0f) return 0.0f;
  }
  float t = 1.0f / (x * x);
  float g = ((((r1 * t + r2) * t + r3) * t + r4) * t + r5) / x;
  g = (d + g) + (x - 0.5f) * (static_cast<float>(std::log(static_cast<double>(x))) - 1.0f);
  if (g > 0.99999f * LimiteExp(0)) return 0.0f;
  float gamma = VersSingle(std::exp(static_cast<double>(g)));
  if (a < 0.0f) gamma = Verifie(Verifie(1.0f / Verifie(gamma * s)) / x);
  return gamma;
}

int32_t ConstMachine(int32_t i) {
  static constexpr std::array<int32_t, 10> table = {2,    31,  2147483647, 2,     24,
                                                    -125, 128, 53,         -1021, 1024};
  if (i < 1 || i > 10) {
    throw RunError(RunErrorKind::BadIndex, "Subscript out of range: " + std::to_string(i));
  }
  return table[static_cast<size_t>(i - 1)];
}

float LimiteExp(int32_t l) {
  int32_t b = ConstMachine(4);
  int32_t e = l == 0 ? ConstMachine(10) : ConstMachine(9) - 1;
  float lnb;
  switch (b) {
    case 2:
      lnb = 0.6931472f;
      break;
    case 8:
      lnb = 2.0794415f;
      break;
    case 16:
      lnb = 2.7725887f;
      break;
    default:
      lnb = static_cast<float>(std::log(static_cast<double>(b)));
  }
  return VersSingle(0.99999 * lnb * e);
}

float ReelMachine(int32_t i) {
  double b = ConstMachine(4);
  if (i <= 1) return VersSingle(std::pow(b, 1 - ConstMachine(8)));
  if (i == 2) return VersSingle(std::pow(b, -ConstMachine(8)));
  if (i == 3) return VersSingle(std::pow(b, ConstMachine(6) - 1));
  return FLT_MAX;
}

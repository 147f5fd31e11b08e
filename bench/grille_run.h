#pragma once

#include <cmath>

#include "engine/grille.h"

// The grid of a long analysis run shared by the plot benchmarks: 65535
// samples, 44 scales.
namespace grille_run {

inline constexpr int kSamples = 65535;
inline constexpr int kScales = 44;
inline constexpr float kDt = 5e-6f;

// Time i * dt, scales a quarter octave apart from 2 dt, a smooth power.
inline Grille GrilleRun() {
  Grille g(6, kSamples, kScales);
  for (int j = 1; j <= kScales; ++j) {
    const float period = static_cast<float>(1.0330436 * 2 * kDt * std::pow(2.0, (j - 1) / 4.0));
    for (int i = 1; i <= kSamples; ++i) {
      const double s = std::sin(6.283185307 * i / 5000.0) * std::cos(j / 7.0);
      g(1, i, j) = kDt * static_cast<float>(i);
      g(2, i, j) = 1.0f / period;
      g(3, i, j) = period;
      g(4, i, j) = static_cast<float>((1 + s) * (1 + s));
      g(5, i, j) = static_cast<float>(1 + s);
      g(6, i, j) = static_cast<float>(std::fmod(0.7 * i, 360.0) - 180.0);
    }
  }
  return g;
}

}  // namespace grille_run

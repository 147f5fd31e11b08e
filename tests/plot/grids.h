#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "engine/grille.h"

// Grids shaped like those of an analysis run: variable 1 time (i * dt),
// 2 frequency (geometric in j, rising), 3 period, 4 a smooth positive power,
// 5 its square root, 6 a phase in [-180, 180).
inline Grille GrilleAnalyse(int ni, int nj, float dt = 0.5f) {
  Grille g(6, ni, nj);
  for (int j = 1; j <= nj; ++j) {
    const float period = static_cast<float>(dt * 4 * std::pow(2.0, -(j - 1) / 4.0) * 64);
    for (int i = 1; i <= ni; ++i) {
      const float power = static_cast<float>(1.5 + std::sin(0.05 * i) * std::cos(0.3 * j));
      g(1, i, j) = dt * static_cast<float>(i);
      g(2, i, j) = 1.0f / period;
      g(3, i, j) = period;
      g(4, i, j) = power;
      g(5, i, j) = std::sqrt(power);
      g(6, i, j) = static_cast<float>(std::fmod(7.0 * i + 13.0 * j, 360.0) - 180.0);
    }
  }
  return g;
}

inline std::vector<std::string> NomsAnalyse() {
  return {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"};
}

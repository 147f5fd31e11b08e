#include "workbench/plage.h"

#include <algorithm>
#include <cmath>
#include <limits>

Plage PlageNonVide(Plage p) {
  if (p.max > p.min) return p;
  const double v = p.min;
  const double h = std::max(std::fabs(v) / 2.0, 1.0);
  const double top = std::numeric_limits<float>::max();
  return {static_cast<float>(std::max(v - h, -top)), static_cast<float>(std::min(v + h, top))};
}

Plage PlageDe(const float* values1, int n) {
  Plage p{values1[1], values1[1]};
  for (int i = 2; i <= n; ++i) {
    p.min = std::min(p.min, values1[i]);
    p.max = std::max(p.max, values1[i]);
  }
  return PlageNonVide(p);
}

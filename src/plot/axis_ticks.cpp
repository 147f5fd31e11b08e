#include "plot/axis_ticks.h"

#include <cmath>

#include "engine/number_format.h"

std::vector<double> BoucleComptee(double start, double end, double step) {
  std::vector<double> values;
  if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(start) || !std::isfinite(end)) {
    return values;
  }
  for (double k = start; k <= end && static_cast<int>(values.size()) < kTicsMax; k += step) {
    values.push_back(k);
  }
  return values;
}

namespace {

struct AxeTics {
  float min;
  float max;
  float d;
  float major;
  float tic;
  float base;
  const std::string& format;
};

AxisTicks Ticks(const AxeTics& a, bool withSteps) {
  AxisTicks t;
  const double epsilon = static_cast<double>(a.d) / 100000;
  if (withSteps) t.steps = BoucleComptee(a.min, a.max, a.major);
  for (double k : BoucleComptee(a.min, a.max - epsilon, a.major)) {
    if (a.base != 1.0f) {
      for (int m = 2; m <= 9; ++m) t.minor.push_back(k + std::log10(m) * a.major);
    } else {
      t.minor.push_back(k);
    }
  }
  for (double k : BoucleComptee(a.min, a.max + epsilon, a.tic * a.major)) {
    const double value = a.base != 1.0f ? std::pow(static_cast<double>(a.base), k) : k;
    t.labelled.push_back({k, FormatNombre(value, a.format)});
  }
  return t;
}

}  // namespace

AxisTicks TicksX(const PlotModel& m) {
  return Ticks({m.XMin, m.XMax, m.DX, m.XMajor, m.XTic, m.XBase, m.XFormat}, true);
}

AxisTicks TicksY(const PlotModel& m) {
  return Ticks({m.YMin, m.YMax, m.DY, m.YMajor, m.YTic, m.YBase, m.YFormat}, false);
}

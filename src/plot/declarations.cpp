#include "plot/declarations.h"

#include <cmath>
#include <cstdint>
#include <limits>

float LogBase(double base, double x) {
  if (base == 1.0) return static_cast<float>(x);
  return static_cast<float>(std::log(x) / std::log(base));
}

float PuisBase(double base, double x) {
  if (base == 1.0) return static_cast<float>(x);
  return static_cast<float>(std::pow(base, x));
}

int ExposantBorne(int sens, double base, double x) {
  const int kMax = std::numeric_limits<int16_t>::max();
  const int kMin = std::numeric_limits<int16_t>::min();
  if (!(base > 1.0) || !std::isfinite(base) || !(x > 0.0) || !std::isfinite(x)) {
    return sens == 0 ? 0 : 1;
  }
  if (x >= 1.0) {
    int k = 1;
    while (k < kMax && std::pow(base, k) < x) ++k;
    return sens == 0 ? k - 1 : k;
  }
  int k = -1;
  while (k > kMin + 1 && std::pow(base, k) > x) --k;
  return sens == -1 ? k + 1 : k;
}

namespace {

// One axis of the model, so that X and Y share one implementation.
struct Axe {
  int& var;
  float& min;
  float& max;
  float& major;
  float& tic;
  std::string& format;
  float& zoom1;
  float& zoom2;
  float& base;
};

Axe AxeX(PlotModel& m) {
  return {m.VarX, m.XMin, m.XMax, m.XMajor, m.XTic, m.XFormat, m.ZoomX1, m.ZoomX2, m.XBase};
}
Axe AxeY(PlotModel& m) {
  return {m.VarY, m.YMin, m.YMax, m.YMajor, m.YTic, m.YFormat, m.ZoomY1, m.ZoomY2, m.YBase};
}

void CalageLog(const PlotModel& m, Axe a) {
  a.min = static_cast<float>(ExposantBorne(0, a.base, m.MinDe(a.var)));
  a.max = static_cast<float>(ExposantBorne(-1, a.base, m.MaxDe(a.var)));
  a.major = 1.0f;
  a.tic = 1.0f;
}

void CalageLin(const PlotModel& m, Axe a) {
  a.min = m.MinDe(a.var);
  a.max = m.MaxDe(a.var);
  a.zoom1 = a.min;
  a.zoom2 = a.max;
  a.tic = 5.0f;
  a.major = static_cast<float>(0.02 * (a.max - a.min));
  a.format = "#.##E+##";
}

}  // namespace

void CalageLogX(PlotModel& m) {
  CalageLog(m, AxeX(m));
}
void CalageLogY(PlotModel& m) {
  CalageLog(m, AxeY(m));
}
void CalageLinX(PlotModel& m) {
  CalageLin(m, AxeX(m));
}
void CalageLinY(PlotModel& m) {
  CalageLin(m, AxeY(m));
}

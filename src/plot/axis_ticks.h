#pragma once

#include <string>
#include <vector>

#include "plot/plot_model.h"

// The ticks of one axis, in world units along that axis.
struct LabelledTick {
  double position = 0.0;
  std::string label;
};

struct AxisTicks {
  // Minor ticks at every step from the minimum to the maximum (X axis only).
  std::vector<double> steps;
  // Minor ticks of the second pass: on a logarithmic axis the eight
  // sub-ticks k + log10(m) * spacing, m = 2..9, of every step k; on a linear
  // axis one tick at every step.
  std::vector<double> minor;
  // Labelled ticks with their exact label text.
  std::vector<LabelledTick> labelled;
};

// The counter values of a counted loop with a real counter (start, then
// repeated additions of the step while the counter does not exceed the end).
// A step that is not positive or not finite, or an end or start that is not
// finite, gives no value; at most kTicsMax values are produced, so
// inconsistent axis settings can never hang a redraw.
inline constexpr int kTicsMax = 10000;
std::vector<double> BoucleComptee(double start, double end, double step);

AxisTicks TicksX(const PlotModel& m);
AxisTicks TicksY(const PlotModel& m);

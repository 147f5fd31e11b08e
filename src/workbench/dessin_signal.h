#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"
#include "workbench/plage.h"
#include "workbench/workbench_state.h"

// Drawing a 1-based series v(1..n) in a picture: the surface is cleared,
// its scale is left 1, width n, top plage.max, height plage.min - plage.max
// (y grows upwards, sample i at x = i), and the series is drawn in pure blue,
// plain copy, solid 1-pixel pen, as the segments (i - 1, v(i - 1)) to
// (i, v(i)). Nothing is drawn for n < 2; n = 0 only clears.
void DessineSerie(Surface& surface, const std::vector<float>& v, int32_t n, Plage plage);

// SignalLu(1..Nreel) in LuMin..LuMax.
void DessineSignalLu(Surface& surface, const WorkbenchState& etat);
// Signal(1..Nmax) in SignalMin..SignalMax, as DiversFiltres left it.
void DessineSignal(Surface& surface, const WorkbenchState& etat);

// The segments alone, on the surface's current scale and pen. With more
// samples than pixel columns, the samples that fall in one column are drawn
// as one vertical line from their smallest to their largest value, and the
// step to the next column as the very segment between its two samples: the
// pixels are those of the segment-by-segment drawing, in at most two lines
// per column. The current point ends at (n, v(n)).
void TraceSerie(Surface& surface, const float* v1, int32_t n);

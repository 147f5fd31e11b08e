#pragma once

#include "platform/surface.h"
#include "plot/plot_model.h"

// Network n traced as the plot window traces each network: its table entry
// copied into IsoReseau, IsoVar, IsoMin, IsoMax and IsoPas, its colour
// (couleur), lines 2 pixels wide, labels in 3 points not bold, then
// Traceiso. A network that is not in the table draws nothing.
void TraceReseau(PlotModel& m, int n, Surface& s);

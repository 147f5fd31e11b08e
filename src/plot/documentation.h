#pragma once

#include "platform/surface.h"
#include "plot/colour_scale_state.h"
#include "plot/plot_model.h"

// Frame, ticks, tick labels, axis titles, diagram title and laboratory name,
// in black, in the plot's world coordinates. Sets TitreReseau to the diagram
// title of the current mode. Leaves the font bold, size 8.
void TraceDocMollier(PlotModel& m, Surface& s);

// The colour legend in its own box (x 0..20, y 100 at the top to 0): 20
// boxes from the minimum of the colour-map variable (bottom) to its maximum,
// each with its value.
void Slegende(const PlotModel& m, const ColourScale& scale, Surface& legend);

// Colour level of legend box k (1..20): 1 for the first, NbCouleurs for the
// last, equally spaced between (always within 1..200).
int NiveauLegende(int k, int nbCouleurs);

// Dragging the legend box: the pointer at (x, y) in legend units, the press
// anchors (legSourisX, legSourisY) in legend units, the box at (legLeft,
// legTop) in plot world units, and the plot's ranges dx, dy. Gives the box's
// new top-left corner.
struct PositionLegende {
  double left = 0.0;
  double top = 0.0;
};
PositionLegende DeplacementLegende(double x, double y, double legSourisX, double legSourisY,
                                   double legLeft, double legTop, double dx, double dy);

// The press on the legend box and the moves with a button held, on the model.
void SaisitLegende(PlotModel& m, double x, double y);
void DeplaceLegende(PlotModel& m, double x, double y);

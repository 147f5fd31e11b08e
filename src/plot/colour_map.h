#pragma once

#include "engine/grille.h"
#include "platform/surface.h"
#include "plot/colour_scale_state.h"
#include "plot/plot_model.h"

// The colour map: every grid cell (i, j)..(i + 1, j + 1) whose two diagonal
// corners lie inside the visible window (data units, bounds included) is
// painted as one filled box in the colour of the level of its mean, cells in
// the order j outer, i inner, later cells over earlier ones. Cancels the
// mouse modes first and draws the legend afterwards (when a legend surface is
// given).
//
// Colorier writes straight into the raster when the surface has one, with a
// result identical pixel for pixel to ColorierParBoites, which paints every
// cell through FilledBox (and serves any surface).
void Colorier(PlotModel& m, const ColourScale& scale, Surface& plot, Surface* legend);
void ColorierParBoites(PlotModel& m, const ColourScale& scale, Surface& plot, Surface* legend);

// Mean of variable v over the four corners of cell (i, j).
float MoyenneCellule(const Grille& g, int v, int i, int j);

// Colour level of a cell mean: the variable's minimum maps to 1, its maximum
// to nbCouleurs, rounded to the nearest level (halves to even). A constant
// variable (vmin = vmax) gives level 1 without dividing; the result always
// lies in 1..max(nbCouleurs, 1) and within 1..200.
int NiveauCellule(float mean, float vmin, float vmax, int nbCouleurs);

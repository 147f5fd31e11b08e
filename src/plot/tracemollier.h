#pragma once

#include "platform/surface.h"
#include "plot/colour_scale_state.h"
#include "plot/curves.h"
#include "plot/plot_model.h"

// The full redraw of the plot window, in this order: clear; widen an empty
// axis range by 10; the world window (frame [XMin, XMax] x [YMin, YMax] with
// margins for labels and curves); the legend box placed at the top-left
// corner inside the frame; frame, ticks and titles; the colour map and its
// legend, or the names of the iso-level networks; frame, ticks and titles
// again on top; the signal and spectrum curves.
//
// `legend` is the legend box's own surface (none: no legend is drawn). A
// world window that is empty or not finite (NaN or infinite axis ends, a
// range too large to widen) leaves the picture cleared.
void Tracemollier(PlotModel& m, const ColourScale& scale, const CurveInputs& curves, Surface& plot,
                  Surface* legend);

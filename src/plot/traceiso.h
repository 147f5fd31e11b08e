#pragma once

#include <vector>

#include "platform/surface.h"
#include "plot/plot_model.h"

// The iso lines of the network being traced (IsoReseau, with IsoVar, IsoMin,
// IsoMax and IsoPas copied from its table entry), cell by cell: cells i outer
// and j inner, in each cell its levels in their loop order (see Niveaux).
// A level crosses an edge only strictly between its end values; a cell
// crossed on two edges gets one segment, on four edges two (E3-E4 then
// E1-E2, unlabelled). A segment is kept only when both ends lie in the
// visible window in data units, bounds included. A kept single segment is
// labelled where it meets the placed, non-vertical injector, if that point
// lies on both (bounding boxes, bounds included).
//
// An index that does not exist (network, variable) gives no line.

// One segment in drawing order, ends in data units; the label, when there
// is one, is printed at (xe, ye) in data units right after the line.
struct TraitIso {
  float x1 = 0.0f;
  float y1 = 0.0f;
  float x2 = 0.0f;
  float y2 = 0.0f;
  float niveau = 0.0f;
  bool etiquette = false;
  float xe = 0.0f;
  float ye = 0.0f;

  bool operator==(const TraitIso&) const = default;
};

std::vector<TraitIso> TraitsIso(const PlotModel& m);

// Draws the same segments in world units (LogBase of each axis) with the
// surface's line in the drawing colour, each label formatted with the
// network's ReseauFormat at the label point in the current font. The lines
// between two labels reach the surface as one batch (Surface::Lines).
void Traceiso(const PlotModel& m, Surface& s);

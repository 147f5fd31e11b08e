#pragma once

#include <array>
#include <string>

#include "plot/plot_model.h"

// What the plot window does with the mouse, on the model alone: the read-outs,
// the cross-hair and rubber-band lines, the zoom and the label injector of the
// documentation mode. Every (x, y) is a world point of the plot's user scale.

inline constexpr const char* kZInconnu = "   Z: inconnu";

// "X:" and the data value under the pointer on X, "  Y:" and the one on Y,
// both as "0.00E+00".
std::string LectureCoordonnees(const PlotModel& m, double x, double y);

// The value read-out of a release: the mean of the painted variable (or of
// the variable of the only network) over the corners of the first cell
// (j outer, i inner) whose diagonal corners enclose the point, bounds
// included; kZInconnu in zoom mode, with no colour map and not exactly one
// network, or outside every cell.
std::string LectureValeur(const PlotModel& m, double x, double y);

// A straight overlay line in world units.
struct Trait {
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

// The four overlay lines Line1..Line4 and whether they show.
struct Traits {
  std::array<Trait, 4> lignes;
  bool visibles = true;
};

// The cross-hair at the pointer: Line1 vertical from the top of the frame to
// the bottom of the picture, Line2 horizontal from the left of the picture to
// the right of the frame, Line3 and Line4 parked on the left and top edges.
// Hidden while the pointer lies right of or above the frame.
Traits Reticule(const PlotModel& m, double x, double y);

// The sides of the rectangle with corners (x1, y1) and (x2, y2).
Traits Rectangle(double x1, double y1, double x2, double y2);

// Mode changes: zoom on (documentation off), documentation on for network
// `reseau` (zoom off), or no mode.
void EntreZoom(PlotModel& m);
void EntreDocumentation(PlotModel& m, int reseau);
void AnnuleMode(PlotModel& m);

// True when `reseau` is a network of the table.
bool ReseauExiste(const PlotModel& m, int reseau);

// Zoom: the press stores the first corner, a drag the second; the release
// leaves zoom mode and takes the rectangle between the two corners (a click
// without drag keeps the second corner of the previous zoom), ordered, and
// widened to whole exponents on a logarithmic axis.
void DebutZoom(PlotModel& m, double x, double y);
void TireZoom(PlotModel& m, double x, double y);
void AppliqueZoom(PlotModel& m);

// Label injector of network ReseauDoc, stored in data units. The press sets
// its first end, a drag or the release its second; a release at the first
// end sends the second to the top-right corner of the frame, and the release
// marks the injector as placed. Nothing happens for a network that does not
// exist.
void DebutInjecteur(PlotModel& m, double x, double y);
void TireInjecteur(PlotModel& m, double x, double y);
void FinInjecteur(PlotModel& m, double x, double y);

// The stored injector of ReseauDoc in world units; false when there is no
// such network or an end has no finite world coordinate (a value not
// positive on a logarithmic axis).
bool InjecteurMonde(const PlotModel& m, Trait& out);

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "contours.h"
#include "engine/analyse.h"
#include "engine/message_moteur.h"
#include "platform/image_surface.h"
#include "plot/colour_scale_state.h"
#include "plot/curves.h"
#include "plot/plot_model.h"

// Stage 5: the plot window's picture of a run, drawn by the window's own
// plot code on an image (a QGuiApplication must exist for the text).

// The model as the plot window loads a grid (power over time and a base-2
// logarithmic frequency axis), with each contour as a network; the message
// of the first contour that cannot be one.
std::optional<MessageMoteur> PrepareModele(PlotModel& m, const EtatAnalyse& run,
                                           const std::vector<Contour>& contours);

// The colour scale that the plot window's colour dialog loads and accepts.
ColourScale EchelleParDefaut();

// The full redraw of the window (Tracemollier) on `image`, with its size,
// then the networks traced over the map, then the legend box shown over
// the picture at its place, as the window saves it with the legend shown.
void DessineImage(PlotModel& m, const ColourScale& echelle, const CurveInputs& courbes,
                  ImageSurface& image);

#pragma once

#include "platform/surface.h"
#include "plot/plot_model.h"

// The plot window's picture.

// Its size in pixels when the window has its default size.
inline constexpr int kLargeurImageDefaut = 982;
inline constexpr int kHauteurImageDefaut = 657;

// The colour legend's own box, drawn apart (Slegende) and shown over the
// picture: its size in pixels, and the pixel of the picture, of world scale
// s, where its top-left corner goes (LegendeLeft, LegendeTop, as the last
// redraw placed it or a drag moved it).
inline constexpr int kLegendeLargeur = 80;
inline constexpr int kLegendeHauteur = 260;

struct PixelLegende {
  int x = 0;
  int y = 0;
};
PixelLegende PlaceLegende(const PlotModel& m, const WorldScale& s);

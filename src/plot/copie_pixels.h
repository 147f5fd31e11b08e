#pragma once

#include "platform/surface.h"

// Copies every pixel of `source` into `cible` with its top-left corner at
// pixel (x, y) of `cible`, clipped to `cible`: the picture of a window with a
// box shown over it. False (nothing copied) when either surface has no
// raster.
bool CopiePixels(Surface& source, Surface& cible, int x, int y);

#include "plot/copie_pixels.h"

#include <algorithm>
#include <cstring>

bool CopiePixels(Surface& source, Surface& cible, int x, int y) {
  PixelBuffer de, vers;
  if (!source.Pixels(de) || !cible.Pixels(vers)) return false;
  const int x0 = std::max(0, x), x1 = std::min(vers.width, x + de.width);
  const int y0 = std::max(0, y), y1 = std::min(vers.height, y + de.height);
  if (x0 >= x1) return true;
  for (int py = y0; py < y1; ++py) {
    const uint32_t* ligne = de.bits + static_cast<size_t>(py - y) * de.stride + (x0 - x);
    std::memcpy(vers.bits + static_cast<size_t>(py) * vers.stride + x0, ligne,
                static_cast<size_t>(x1 - x0) * sizeof(uint32_t));
  }
  return true;
}

#include "plot/image_plot.h"

PixelLegende PlaceLegende(const PlotModel& m, const WorldScale& s) {
  return {static_cast<int>(s.PixelX(m.LegendeLeft)), static_cast<int>(s.PixelY(m.LegendeTop))};
}

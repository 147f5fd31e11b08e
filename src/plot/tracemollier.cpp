#include "plot/tracemollier.h"

#include <cmath>

#include "plot/colour_map.h"
#include "plot/documentation.h"
#include "plot/trace_reseau.h"

namespace {

void ElargitSiVide(float min, float& max, float& major) {
  if (min == max) {
    max = max + 10;
    major = (max - min) / 100;
  }
}

// The network names, each in its network's colour, down the top-left corner
// of the frame, each followed by its iso lines.
void TraceReseaux(PlotModel& m, Surface& s) {
  for (int n = 1; n <= m.NbReseaux && n < static_cast<int>(m.NomReseau.size()); ++n) {
    m.IsoReseau = n;
    couleur(m.IsoReseau, s);
    s.SetTextPosition(m.XMin + m.DX / 30.0, m.YMax - n * static_cast<double>(m.DY) / 20);
    s.Print(m.NomReseau[n]);
    TraceReseau(m, n, s);
  }
}

}  // namespace

void Tracemollier(PlotModel& m, const ColourScale& scale, const CurveInputs& curves, Surface& plot,
                  Surface* legend) {
  plot.Clear();
  plot.SetForeColor(RGB(0, 0, 0));
  plot.SetDrawWidth(1);
  plot.SetDrawStyle(LineStyle::Solid);
  plot.SetDrawMode(DrawMode::Copy);

  ElargitSiVide(m.XMin, m.XMax, m.XMajor);
  ElargitSiVide(m.YMin, m.YMax, m.YMajor);
  m.DX = m.XMax - m.XMin;
  m.DY = m.YMax - m.YMin;
  const double dx = m.DX, dy = m.DY;
  if (!std::isfinite(m.XMin) || !std::isfinite(m.YMax) || !std::isfinite(dx) ||
      !std::isfinite(dy) || dx == 0 || dy == 0) {
    return;
  }
  plot.SetScale(m.XMin - 0.25 * dx, m.YMax + 0.1 * dy, 1.35 * dx, -1.35 * dy);
  m.LegendeTop = static_cast<float>(m.YMax - 0.05 * dy);
  m.LegendeLeft = static_cast<float>(m.XMin + 0.05 * dx);

  TraceDocMollier(m, plot);
  if (m.VarCouleur == 0) {
    TraceReseaux(m, plot);
  } else {
    Colorier(m, scale, plot, legend);
  }
  TraceDocMollier(m, plot);
  TraceSignal(m, curves, plot);
  TraceFFT(m, curves, plot);
}

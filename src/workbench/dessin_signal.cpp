#include "workbench/dessin_signal.h"

#include <algorithm>
#include <cmath>

void TraceSerie(Surface& surface, const float* v1, int32_t n) {
  if (n < 2) return;
  const WorldScale scale = surface.Scale();
  if (n <= scale.pixelWidth) {
    for (int32_t i = 2; i <= n; ++i) surface.Line(i - 1, v1[i - 1], i, v1[i]);
    return;
  }
  // The column rule of the surface: floor of the pixel coordinate.
  auto colonne = [&scale](int32_t i) { return std::floor(scale.PixelX(i)); };
  int32_t debut = 1;
  double c = colonne(debut);
  while (debut <= n) {
    int32_t fin = debut;
    float bas = v1[debut], haut = v1[debut];
    double suivante = 0.0;
    while (fin < n && (suivante = colonne(fin + 1)) == c) {
      ++fin;
      bas = std::min(bas, v1[fin]);
      haut = std::max(haut, v1[fin]);
    }
    // Within one column the segments are vertical runs that chain end to
    // end, so together they cover exactly the rows from bas to haut.
    if (fin > debut) surface.Line(debut, bas, debut, haut);
    if (fin == n) {
      if (fin > debut) surface.Line(n, v1[n], n, v1[n]);  // current point, no new pixel
      break;
    }
    surface.Line(fin, v1[fin], fin + 1, v1[fin + 1]);
    debut = fin + 1;
    c = suivante;
  }
}

void DessineSerie(Surface& surface, const std::vector<float>& v, int32_t n, Plage plage) {
  surface.Clear();
  n = std::clamp<int32_t>(n, 0, static_cast<int32_t>(v.size()) - 1);
  if (n < 1) return;
  surface.SetScale(1.0, plage.max, n, static_cast<double>(plage.min) - plage.max);
  surface.SetForeColor(RGB(0, 0, 255));
  surface.SetDrawMode(DrawMode::Copy);
  surface.SetDrawWidth(1);
  surface.SetDrawStyle(LineStyle::Solid);
  TraceSerie(surface, v.data(), n);
}

void DessineSignalLu(Surface& surface, const WorkbenchState& etat) {
  DessineSerie(surface, etat.SignalLu, etat.Nreel, {etat.LuMin, etat.LuMax});
}

void DessineSignal(Surface& surface, const WorkbenchState& etat) {
  DessineSerie(surface, etat.Signal, etat.Nmax, {etat.SignalMin, etat.SignalMax});
}

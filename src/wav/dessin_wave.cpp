#include "wav/dessin_wave.h"

#include <algorithm>
#include <cmath>

namespace {

// Above this many samples per pixel column the column strokes are drawn.
constexpr int64_t kEchantillonsParColonne = 4;

}  // namespace

EchelleVueWave EchelleVue(int16_t bitsPerSample) {
  if (bitsPerSample == 8) return {275.0, -300.0};
  return {35000.0, -70000.0};
}

void DessineWave(Surface& surface, const SignalWave& signal, int16_t bitsPerSample) {
  const EchelleVueWave e = EchelleVue(bitsPerSample);
  const int64_t n = signal.Nreel;
  const std::vector<float>& y = signal.SignalLu;
  surface.SetForeColor(RGB(0, 0, 255));
  surface.Clear();
  // An empty series still gets a drawable scale.
  surface.SetScale(0.0, e.top, static_cast<double>(std::max<int64_t>(n, 1)), e.height);
  if (n == 0) return;

  const WorldScale s = surface.Scale();
  if (n <= kEchantillonsParColonne * s.pixelWidth) {
    surface.PSet(1.0, y[1]);
    for (int64_t k = 2; k <= n; ++k) surface.LineTo(static_cast<double>(k), y[k]);
    return;
  }
  const auto colonneDe = [&s](int64_t k) {
    return static_cast<int64_t>(std::floor(s.PixelX(static_cast<double>(k))));
  };
  const auto trait = [&](int64_t colonne, float bas, float haut) {
    const double x = s.WorldX(static_cast<double>(colonne) + 0.5);
    surface.Line(x, bas, x, haut);
  };
  int64_t colonne = colonneDe(1);
  float bas = y[1], haut = y[1];
  for (int64_t k = 2; k <= n; ++k) {
    const int64_t c = colonneDe(k);
    if (c != colonne) {
      trait(colonne, bas, haut);
      colonne = c;
      // The segment from the previous sample enters this column.
      bas = haut = y[k - 1];
    }
    bas = std::min(bas, y[k]);
    haut = std::max(haut, y[k]);
  }
  trait(colonne, bas, haut);
}

#include "workbench/fenetres.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "workbench/plage.h"

const char* Legende(FenetreSpectrale fenetre) {
  for (const LegendeFenetre& l : kLegendesFenetres) {
    if (l.fenetre == fenetre) return l.legende;
  }
  return "";
}

std::optional<double> PoidsFenetre(FenetreSpectrale fenetre, int32_t i, int32_t nmax) {
  const double pi = 4.0 * std::atan(1.0);
  const double t = static_cast<double>(i - 1) / nmax;
  switch (fenetre) {
    case FenetreSpectrale::Hamming:
      return 0.54 - 0.54 * std::cos(2.0 * pi * t);
    case FenetreSpectrale::Blackman:
      return 0.42 - 0.5 * std::cos(2.0 * pi * t) + 0.08 * std::cos(4.0 * pi * t);
    case FenetreSpectrale::None:
      return 1.0;
    case FenetreSpectrale::Cs2Hann:
      return 0.5 - 0.5 * std::cos(2.0 * pi * t);
    case FenetreSpectrale::BartlettMod: {
      const double haut = std::sin(pi * (2.0 * t - 1.0));
      const double bas = 2.0 * pi * std::sin(t - 0.5);
      if (bas == 0.0) return std::nullopt;
      return haut * haut / (bas * bas);
    }
    case FenetreSpectrale::Cs3BHarrisMin:
      return 0.42323 - 0.49755 * std::cos(2.0 * pi * t) + 0.07922 * std::cos(4.0 * pi * t);
  }
  return 1.0;
}

void DiversFiltres(WorkbenchState& etat, FenetreSpectrale fenetre) {
  const int32_t n = etat.Nmax;
  const double plafond = std::numeric_limits<float>::max();
  etat.Signal.assign(static_cast<size_t>(std::max(n, 0)) + 1, 0.0f);
  if (n < 1) return;
  double w = 0.0;
  for (int32_t i = 1; i <= n; ++i) {
    if (std::optional<double> p = PoidsFenetre(fenetre, i, n)) w = *p;
    const double v = w * etat.SignalSecond[i];
    etat.Signal[i] = static_cast<float>(std::clamp(v, -plafond, plafond));
  }
  const Plage p = PlageDe(etat.Signal.data(), n);
  etat.SignalMin = p.min;
  etat.SignalMax = p.max;
}

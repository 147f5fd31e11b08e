#include "plot/niveaux.h"

#include <cmath>

namespace {

bool Bornes(float min, float max) {
  return std::isfinite(min) && std::isfinite(max);
}

std::vector<float> Arithmetique(float min, float max, float pas) {
  std::vector<float> niveaux;
  if (!Bornes(min, max) || std::isnan(pas)) return niveaux;
  const bool descend = pas < 0.0f;
  float l = min;
  while (static_cast<int>(niveaux.size()) < kNiveauxMax && (descend ? l >= max : l <= max)) {
    niveaux.push_back(l);
    const float suivant = l + pas;
    if (suivant == l) break;
    l = suivant;
  }
  return niveaux;
}

std::vector<float> Geometrique(float min, float max, float facteur) {
  std::vector<float> niveaux;
  if (!Bornes(min, max) || std::isnan(facteur)) return niveaux;
  float l = min;
  while (static_cast<int>(niveaux.size()) < kNiveauxMax && l <= max) {
    niveaux.push_back(l);
    const float suivant = l * facteur;
    if (suivant == l) break;
    l = suivant;
  }
  return niveaux;
}

}  // namespace

std::vector<float> Niveaux(int progression, float min, float max, float pas,
                           std::span<const float> table) {
  switch (progression) {
    case 1:
      return Arithmetique(min, max, pas);
    case 2:
      return Geometrique(min, max, pas);
    case 3: {
      std::vector<float> niveaux;
      for (float l : table) {
        if (!std::isnan(l)) niveaux.push_back(l);
      }
      return niveaux;
    }
    default:
      return {};
  }
}

#pragma once

#include <array>
#include <cstdint>

#include "platform/surface.h"

// The colour scale shared by the colour dialog (which builds it) and the plot
// window (which paints its colour map and legend with it). Level k (1..200)
// is (Rouge[k], Vert[k], Bleu[k]); element 0 is unused. NbCouleurs is the
// number of levels in use, 0 until the dialog is accepted for the first time.
inline constexpr int kNiveauxMax = 200;

struct ColourScale {
  std::array<int16_t, kNiveauxMax + 1> Rouge{};
  std::array<int16_t, kNiveauxMax + 1> Vert{};
  std::array<int16_t, kNiveauxMax + 1> Bleu{};
  int16_t NbCouleurs = 0;

  // The display colour of level k; k is brought into 1..200 first so that no
  // caller can read outside the arrays.
  Couleur Niveau(int k) const {
    if (k < 1) k = 1;
    if (k > kNiveauxMax) k = kNiveauxMax;
    return RGB(Rouge[k] & 0xFF, Vert[k] & 0xFF, Bleu[k] & 0xFF);
  }
};

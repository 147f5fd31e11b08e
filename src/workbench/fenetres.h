#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "workbench/workbench_state.h"

// The spectral windows applied to the working signal, in the order of the
// "Window" frame. Every window is the periodic form, t = (i - 1) / Nmax, so
// the cosine windows are 0 at i = 1 and not at i = Nmax:
//   Cs3BHarrisMin  0.42323 - 0.49755 cos(2 pi t) + 0.07922 cos(4 pi t)
//   BartlettMod    sin^2(pi (2t - 1)) / (2 pi sin(t - 0.5))^2  (no pi inside
//                  the sine of the denominator; at t = 0.5 the quotient is
//                  0/0 and the sample takes the weight of the one before)
//   Cs2Hann        0.5 - 0.5 cos(2 pi t)
//   Hamming        0.54 - 0.54 cos(2 pi t)  (0.54 for both terms)
//   Blackman       0.42 - 0.5 cos(2 pi t) + 0.08 cos(4 pi t)
//   None           1
enum class FenetreSpectrale { Cs3BHarrisMin, BartlettMod, Cs2Hann, Hamming, Blackman, None };

struct LegendeFenetre {
  FenetreSpectrale fenetre;
  const char* legende;
};
inline constexpr std::array<LegendeFenetre, 6> kLegendesFenetres = {{
    {FenetreSpectrale::Cs3BHarrisMin, "Cs3-BHarris-Min"},
    {FenetreSpectrale::BartlettMod, "Bartlett-Mod"},
    {FenetreSpectrale::Cs2Hann, "Cs2-Hann"},
    {FenetreSpectrale::Hamming, "Hamming"},
    {FenetreSpectrale::Blackman, "Blackman"},
    {FenetreSpectrale::None, "None"},
}};
inline constexpr FenetreSpectrale kFenetreInitiale = FenetreSpectrale::None;

const char* Legende(FenetreSpectrale fenetre);

// The weight of sample i (1..nmax); empty where the formula has no value
// (BartlettMod at t = 0.5).
std::optional<double> PoidsFenetre(FenetreSpectrale fenetre, int32_t i, int32_t nmax);

// Signal(i) = weight x SignalSecond(i) for i = 1..Nmax, computed in double
// and stored as a Single (a product beyond the Single range is stored as the
// largest Single of its sign), then SignalMin and SignalMax, made non-empty
// (plage.h). Always recomputed from SignalSecond, so applying a window twice
// is applying it once. Needs Nmax <= NSecond; Nmax = 0 leaves Signal empty
// and its range as it was.
void DiversFiltres(WorkbenchState& etat, FenetreSpectrale fenetre);

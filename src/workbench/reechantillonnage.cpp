#include "workbench/reechantillonnage.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "engine/number_text.h"
#include "engine/run_error.h"

LecturePas LirePas(std::string_view texte) {
  const double v = LireNombre(texte);
  if (v >= 32767.5) return {false, 0};
  if (v < -32768.5) return {true, 0};
  return {true, VersInteger(v)};
}

int16_t PasApresPerteFocus(int16_t pas) {
  return pas < 1 ? int16_t{2} : pas;
}

bool DiviseurAccepte(std::string_view texte) {
  return LireNombre(texte) >= 1.0;
}

namespace {

int64_t Longueur(int32_t i1, int32_t i2) {
  return static_cast<int64_t>(i2) - i1 + 1;
}

// L / d rounded, halves to even; empty for a divisor that is not positive
// or a count beyond a Long.
std::optional<int32_t> CompteFourier(int64_t l, double d) {
  if (!(d > 0.0)) return std::nullopt;
  try {
    return VersLong(static_cast<double>(l) / d);
  } catch (const RunError&) {
    return std::nullopt;
  }
}

std::optional<int32_t> CompteDecime(int64_t l, int32_t pas) {
  if (pas < 1) return std::nullopt;
  const int64_t n = l / pas;
  if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(n);
}

}  // namespace

std::optional<CompteSecond> CombienNSECOND(int32_t i1, int32_t i2,
                                           const ModeReechantillonnage& mode) {
  const int64_t l = Longueur(i1, i2);
  if (mode.fourier) {
    std::optional<int32_t> affiche = CompteFourier(l, mode.diviseur);
    if (!affiche || l > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return CompteSecond{static_cast<int32_t>(l), *affiche};
  }
  std::optional<int32_t> n = CompteDecime(l, mode.pas);
  if (!n) return std::nullopt;
  return CompteSecond{*n, *n};
}

std::optional<int32_t> CombienN(int32_t i1, int32_t i2, const ModeReechantillonnage& mode) {
  const int64_t l = Longueur(i1, i2);
  return mode.fourier ? CompteFourier(l, mode.diviseur) : CompteDecime(l, mode.pas);
}

SignalSecondaire Lire_Data_Second(const std::vector<float>& signalLu, int32_t i1, int32_t i2,
                                  int32_t k, bool moyenne) {
  SignalSecondaire r;
  // Only samples that exist take part.
  const int64_t premier = std::max<int64_t>(i1, 1);
  const int64_t dernier = std::min<int64_t>(i2, static_cast<int64_t>(signalLu.size()) - 1);
  if (k < 1 || dernier < premier) return r;
  const int64_t n = (dernier - premier + 1) / k;
  if (n == 0) return r;
  r.NSecond = static_cast<int32_t>(n);
  r.SignalSecond.assign(static_cast<size_t>(n) + 1, 0.0f);
  const float* lu = signalLu.data();
  for (int64_t g = 1; g <= n; ++g) {
    const int64_t fin = premier + g * k - 1;  // last sample of group g
    if (moyenne) {
      double s = 0.0;
      for (int64_t i = fin - k + 1; i <= fin; ++i) s += lu[i];
      r.SignalSecond[g] = static_cast<float>(s / k);
    } else {
      r.SignalSecond[g] = lu[fin];
    }
  }
  const auto [mini, maxi] = std::minmax_element(r.SignalSecond.begin() + 1, r.SignalSecond.end());
  r.SecondMin = *mini;
  r.SecondMax = *maxi;
  return r;
}

bool Finish(WorkbenchState& etat, const ModeReechantillonnage& mode, FenetreSpectrale fenetre) {
  if (std::optional<int32_t> n = CombienN(etat.I1, etat.I2, mode)) etat.Nmax = *n;
  etat.Nmax = std::clamp(etat.Nmax, 0, etat.NSecond);
  DiversFiltres(etat, fenetre);
  return etat.Nmax > 0;
}

bool Reechantillonner(WorkbenchState& etat, const ModeReechantillonnage& mode, int32_t k,
                      FenetreSpectrale fenetre) {
  SignalSecondaire second =
      Lire_Data_Second(etat.SignalLu, etat.I1, etat.I2, mode.fourier ? 1 : k, etat.Moyenne);
  etat.SignalSecond = std::move(second.SignalSecond);
  etat.NSecond = second.NSecond;
  if (etat.NSecond > 0) {
    etat.SecondMin = second.SecondMin;
    etat.SecondMax = second.SecondMax;
  }
  return Finish(etat, mode, fenetre);
}

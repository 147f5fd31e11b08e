#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "workbench/fenetres.h"
#include "workbench/workbench_state.h"

// Resampling of the selection I1..I2 of SignalLu into SignalSecond (one
// sample every k, or the mean of each group of k), then the working signal
// Signal = window x SignalSecond(1..Nmax). In the Fourier mode the selection
// stays at full rate here; the reduction by the divisor d is done later in
// the frequency domain, and only the counts know of d.

// The message shown when a step cannot be stored in an Integer; the previous
// step stays.
inline constexpr const char* kMessagePasTropGrand = "Le pas ne peut dépasser 32767";
inline constexpr const char* kTitrePas = "Data Filtres";

// The step typed in Text7: its value rounded, halves to even. A value above
// 32767 is refused (accepte false); one below -32768 reads as 0, a step
// below 1 like any other.
struct LecturePas {
  bool accepte = true;
  int16_t pas = 0;
};
LecturePas LirePas(std::string_view texte);

// Text7 losing the focus: a step below 1 becomes 2 (not 1).
int16_t PasApresPerteFocus(int16_t pas);

// Text6 losing the focus: a divisor that is not at least 1 is replaced by 1.
bool DiviseurAccepte(std::string_view texte);

struct ModeReechantillonnage {
  bool fourier = false;   // OptFourrier selected
  int32_t pas = 1;        // Pas
  double diviseur = 1.0;  // value of Text6
};

// CombienNSECOND, with L = i2 - i1 + 1: NSecond = L \ pas and the count
// shown in Label13 is NSecond; in the Fourier mode NSecond = L and the count
// shown is L / d rounded, halves to even. Empty when it cannot be computed
// (a step below 1, a divisor that is not positive, a count beyond a Long):
// the caller keeps the previous NSecond and Label13.
struct CompteSecond {
  int32_t NSecond = 0;
  int32_t affiche = 0;
};
std::optional<CompteSecond> CombienNSECOND(int32_t i1, int32_t i2,
                                           const ModeReechantillonnage& mode);

// CombienN: Nmax = L \ pas, or L / d rounded in the Fourier mode; empty (the
// previous Nmax stays) on the same failures.
std::optional<int32_t> CombienN(int32_t i1, int32_t i2, const ModeReechantillonnage& mode);

// Lire_Data_Second: the samples i1..i2 of signalLu (1-based) in groups of
// k >= 1; each whole group gives its last sample or, with moyenne, its mean
// (summed in double); a last incomplete group is dropped. NSecond = L \ k;
// a selection shorter than k gives NSecond = 0 and no samples. SecondMin and
// SecondMax are the extremes of the result.
struct SignalSecondaire {
  std::vector<float> SignalSecond = std::vector<float>(1);
  int32_t NSecond = 0;
  float SecondMin = 0.0f;
  float SecondMax = 0.0f;
};
SignalSecondaire Lire_Data_Second(const std::vector<float>& signalLu, int32_t i1, int32_t i2,
                                  int32_t k, bool moyenne);

// Finish without its drawing: Nmax from CombienN (the previous one when it
// fails), never more than NSecond; Signal = SignalSecond(1..Nmax) under the
// window (DiversFiltres). False when Nmax = 0: there is no working signal to
// draw, and the caller keeps the previous picture and hides Wavelet.
bool Finish(WorkbenchState& etat, const ModeReechantillonnage& mode, FenetreSpectrale fenetre);

// What Tout, the second selection click and Draw run after CombienNSECOND:
// Lire_Data_Second of I1..I2 with step k (the value of Text7; 1 in the
// Fourier mode) and Moyenne into the state (SecondMin and SecondMax stay when
// there is no sample), then Finish. Returns Finish's answer; draw Signal
// when it is true.
bool Reechantillonner(WorkbenchState& etat, const ModeReechantillonnage& mode, int32_t k,
                      FenetreSpectrale fenetre);

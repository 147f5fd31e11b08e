#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/complexe.h"
#include "engine/message_moteur.h"
#include "options.h"
#include "workbench/workbench_state.h"

// Stages 2 and 3: from the loaded signal to the working signal (Signal,
// Nmax) that the analysis receives, as the main window builds it.
//   2. the selection: --select, or "Totalité";
//   3. either the thinning or averaging by the step (Text7), or the Fourier
//      mode: the spectrum of the whole selection at full rate ("Fourier"),
//      the bands of the filter file cut from it ("Lire Filtre CB"), then
//      "Ok": back to time with the number of points divided by d;
//   then the spectral window.

// The amplitude spectrum of the selection as the workbench's Fourier
// display shows it once the cuts are made: element j = 1..NFFT / 2 at the
// frequency j / (dt NFFT) Hz, amplitude |Spectre(j)|.
struct SpectreFourier {
  std::vector<Complexe> Spectre;  // 1..NFFT, element 0 unused
  int32_t NFFT = 0;
  float dt = 0.0f;
};

struct SignalTravail {
  std::optional<SpectreFourier> fourier;  // when --fourier asks for it
  std::optional<MessageMoteur> echec;
};

// text5 is the sampling interval field.
SignalTravail ConstruitSignalTravail(const OptionsBatch& o, const std::string& text5,
                                     WorkbenchState& etat);

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/grille.h"
#include "engine/message_moteur.h"
#include "engine/wavelet.h"

// The wavelet analysis run: reads the parameters from the main window's
// texts, derives the scale set and the padded length, runs the transform on
// the working signal and turns its coefficients into the six plot variables
// of the grid.

// What the run reads from the main window and the workbench.
struct EntreesAnalyse {
  std::string Text1 = "6";      // wavelet parameter
  std::string Text2 = "2";      // start scale, in sampling intervals
  std::string Text3 = "4";      // sub-scales per octave
  std::string Text4 = "11";     // octaves
  std::string Text5 = "5.E-6";  // sampling interval of the file, seconds
  std::string Text6 = "1";      // Fourier resampling divisor
  std::string Text7 = " 1";     // resampling step
  bool OptionFourrierOff = true;
  int32_t list1Index = 0;         // mother wavelet; -1 when none is selected
  std::span<const float> Signal;  // Signal[1..Nmax], position 0 unused
  int32_t Nmax = 0;
  // Threads sharing the scales out (the results do not depend on it).
  int threads = 1;
};

// The state a run replaces. Where a run fails it keeps what was written so
// far: what it had not reached yet stays as the previous run left it.
struct EtatAnalyse {
  float Dt = 0.0f;
  float EchelleDepart = 0.0f;
  int32_t SousEchelles = 0;
  float Dj = 0.0f;
  int32_t NbEchelles = 0;
  int32_t NFFT = 0;
  // Variables 1..6 ("Time", "Fréquencies", "Périod", "Power spectrum",
  // "Amplitude", "Phase") over nodes i = 1..Nmax, j = 1..NbEchelles.
  Grille grille;
  std::vector<std::string> NomVar;  // 0..6, element 0 empty
  SpectreWavelet spectre;
};

struct ResultatAnalyse {
  EtatAnalyse etat;
  std::vector<MessageMoteur> messages;  // in the order they were raised
  bool erreur = false;                  // the run ended with kMessageErreurAnalyse
  bool nomVarEcrits = false;            // NomVar was set (only at the very end)
};

// Runs the analysis from the previous state `precedent` (moved in).
ResultatAnalyse Analyse(const EntreesAnalyse& in, EtatAnalyse precedent);

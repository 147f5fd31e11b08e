#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/complexe.h"
#include "wav/caract_wave.h"

// The workbench state: one signal at a time, from its loading to the working
// signal the wavelet analysis receives. The main window owns one and hands it
// to the functions of this folder. Signal arrays are 1-based: element 0 is
// storage that is never used, so an array of N samples has size N + 1.
//
// The steps, in order:
//   1. loading (lecture_texte.h, or the WAV reader): SignalLu, Nreel, LuMin, LuMax;
//   2. selection (selection.h): I1, I2;
//   3. resampling (reechantillonnage.h): SignalSecond, NSecond, then Nmax;
//   4. spectral window (fenetres.h): Signal = window x SignalSecond(1..Nmax);
//   5. drawing (dessin_signal.h): SignalLu or Signal through a Surface.
struct WorkbenchState {
  // The samples as read, in file order; Nreel = 0 when no signal is loaded.
  std::vector<float> SignalLu = std::vector<float>(1);
  int32_t Nreel = 0;
  std::string NomFichier;
  // Vertical range of the drawing of SignalLu; never empty once loaded.
  float LuMax = 0.0f;
  float LuMin = 0.0f;

  // Selection, I1 <= I2 once made, both within 1..Nreel.
  int32_t I1 = 0;
  int32_t I2 = 0;
  int16_t Pas = 0;       // resampling step k
  bool Moyenne = false;  // average each group of Pas samples instead of keeping one

  // The selection after resampling.
  std::vector<float> SignalSecond = std::vector<float>(1);
  int32_t NSecond = 0;
  float SecondMax = 0.0f;
  float SecondMin = 0.0f;

  // The working signal: the spectral window times SignalSecond(1..Nmax).
  std::vector<float> Signal = std::vector<float>(1);
  int32_t Nmax = 0;
  // Vertical range of the drawing of Signal; never empty once built.
  float SignalMax = 0.0f;
  float SignalMin = 0.0f;

  float Dt = 0.0f;  // sampling interval in seconds

  std::vector<Complexe> Spectre = std::vector<Complexe>(1);
  int32_t NFFT = 0;
  float SpectreMin = 0.0f;
  float SpectreMax = 0.0f;
  bool SpectreAffiche = false;

  // Mouse-click protocol on the picture.
  bool SelectionActive = false;
  bool CoupureActive = false;
  bool PremierPoint = false;

  // Band being cut, base-2 logarithms of frequencies in Hz.
  float F1 = 0.0f;
  float F2 = 0.0f;
  bool EnregFiltre = false;

  // WAV source.
  bool ModeWave = false;
  int16_t PasCanal = 0;
  std::string NomWave;
  WaveEntete Entete;
  int32_t OctetsApresEntete = 0;
};

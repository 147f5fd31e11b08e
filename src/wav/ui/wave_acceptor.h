#pragma once

#include <string>

#include "wav/caract_wave.h"

// What the WAV header dialog asks of the window that opened it (the main
// window): to load the file with the chosen channels, or to give it up.
class WaveAcceptor {
 public:
  virtual ~WaveAcceptor() = default;
  // "Accepte": the dialog is already hidden. The acceptor reads the samples
  // (LireSignalWave), shows a failure's message, or installs the series.
  virtual void AccepteWave(const std::string& chemin, ChoixCanal choix) = 0;
  // "Cancel": back to no signal; the dialog closes right after.
  virtual void CancelWave() = 0;
};

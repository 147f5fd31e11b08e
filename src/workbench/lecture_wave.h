#pragma once

#include <optional>
#include <string>

#include "wav/caract_wave.h"
#include "workbench/workbench_state.h"

// Takes a loaded WAV series into the state, as "Accepte" of the header
// dialog does: SignalLu, Nreel, the fixed drawing range of the sample width,
// ModeWave, PasCanal, NomWave and NomFichier (both the path), the header and
// the bytes after it. A series without any sample is refused with the read
// error, since there is nothing to draw (a picture scale cannot have a zero
// width); the state is then unchanged.
std::optional<ErreurWave> InstallerSignalWave(WorkbenchState& etat, SignalWave signal,
                                              const FichierWave& fichier,
                                              const std::string& chemin);

#include "workbench/lecture_wave.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

std::optional<ErreurWave> InstallerSignalWave(WorkbenchState& etat, SignalWave signal,
                                              const FichierWave& fichier,
                                              const std::string& chemin) {
  if (signal.Nreel == 0) return ErreurLectureWave();
  etat.SignalLu = std::move(signal.SignalLu);
  etat.Nreel = signal.Nreel;
  etat.LuMax = signal.plage.LuMax;
  etat.LuMin = signal.plage.LuMin;
  etat.ModeWave = true;
  etat.PasCanal = static_cast<int16_t>(signal.PasCanal);
  etat.NomWave = chemin;
  etat.NomFichier = chemin;
  etat.Entete = fichier.entete;
  etat.OctetsApresEntete = static_cast<int32_t>(
      std::min<int64_t>(fichier.octetsApresEntete, std::numeric_limits<int32_t>::max()));
  return std::nullopt;
}

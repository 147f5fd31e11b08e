#pragma once

#include <fstream>
#include <optional>
#include <string>

#include "workbench/spectre_message.h"
#include "workbench/workbench_state.h"

// Recording the bands being cut into a filter file, from
// "1) Enregistrer Filtre" to "Fin Enregistre". Every band is flushed to the
// file as soon as it is cut, so that a crash or a forgotten "Fin Enregistre"
// loses nothing; the file is closed when the recording ends, when the window
// leaves the Fourier mode and when the recorder goes (the program ends).

inline constexpr const char* kErreurOuverture = " Erreur d'ouverture ";
inline constexpr const char* kTitreOuverture = "Ouverture";
inline constexpr const char* kErreurEcriture = " Erreur d'écriture ";
inline constexpr const char* kTitreEcriture = "Ecriture";

class EnregistreurFiltre {
 public:
  // Opens the file for writing, replacing its contents; any file being
  // recorded is closed first. The message when it cannot be opened.
  std::optional<MessageSpectre> Ouvrir(const std::string& chemin);
  // Appends the line of one band and flushes it; the message when the
  // write fails (the file is then closed).
  std::optional<MessageSpectre> Ajouter(float f1, float f2);
  void Fermer();
  bool Ouvert() const { return fichier_.is_open(); }

 private:
  std::ofstream fichier_;
};

// EnregistrerFiltre_Click once the name is chosen (and overwriting agreed):
// EnregFiltre is false until the file is open, then true.
std::optional<MessageSpectre> EnregistrerFiltre(WorkbenchState& etat,
                                                EnregistreurFiltre& enregistreur,
                                                const std::string& chemin);

// The band F1, F2 appended to the recording; a failed write ends the
// recording (EnregFiltre false) and returns the message.
std::optional<MessageSpectre> AjouteBande(WorkbenchState& etat, EnregistreurFiltre& enregistreur);

// FinEnreg_Click, and whatever leaves the Fourier mode: the file closed,
// EnregFiltre false. Harmless when nothing is recorded.
void FinEnreg(WorkbenchState& etat, EnregistreurFiltre& enregistreur);

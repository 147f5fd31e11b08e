#include "workbench/filtre_cb_ecriture.h"

#include <filesystem>
#include <ios>
#include <system_error>

#include "workbench/filtre_cb_format.h"

std::optional<MessageSpectre> EnregistreurFiltre::Ouvrir(const std::string& chemin) {
  Fermer();
  std::error_code erreur;
  if (!std::filesystem::is_directory(chemin, erreur)) {
    fichier_.open(chemin, std::ios::binary | std::ios::trunc);
  }
  if (!fichier_.is_open()) {
    fichier_.clear();
    return MessageSpectre{kErreurOuverture, kTitreOuverture};
  }
  return std::nullopt;
}

std::optional<MessageSpectre> EnregistreurFiltre::Ajouter(float f1, float f2) {
  if (fichier_.is_open()) {
    fichier_ << LigneFiltre(f1, f2);
    fichier_.flush();
    if (fichier_.good()) return std::nullopt;
  }
  Fermer();
  return MessageSpectre{kErreurEcriture, kTitreEcriture};
}

void EnregistreurFiltre::Fermer() {
  if (fichier_.is_open()) fichier_.close();
  fichier_.clear();
}

std::optional<MessageSpectre> EnregistrerFiltre(WorkbenchState& etat,
                                                EnregistreurFiltre& enregistreur,
                                                const std::string& chemin) {
  etat.EnregFiltre = false;
  std::optional<MessageSpectre> message = enregistreur.Ouvrir(chemin);
  etat.EnregFiltre = !message;
  return message;
}

std::optional<MessageSpectre> AjouteBande(WorkbenchState& etat, EnregistreurFiltre& enregistreur) {
  std::optional<MessageSpectre> message = enregistreur.Ajouter(etat.F1, etat.F2);
  if (message) etat.EnregFiltre = false;
  return message;
}

void FinEnreg(WorkbenchState& etat, EnregistreurFiltre& enregistreur) {
  enregistreur.Fermer();
  etat.EnregFiltre = false;
}

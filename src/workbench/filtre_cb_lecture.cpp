#include "workbench/filtre_cb_lecture.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "workbench/coupure.h"

bool FichierExiste(const std::string& chemin) {
  std::error_code erreur;
  if (std::filesystem::is_directory(chemin, erreur)) return false;
  std::ifstream fichier(chemin, std::ios::binary);
  return fichier.is_open();
}

namespace {

MessageSpectre ErreurLectureFiltre() {
  return {kErreurLectureFiltre, kTitreLectureFiltre};
}

// The bands of a file given piece by piece; false as soon as it is not a
// filter file.
class LecteurBandes {
 public:
  bool Ajoute(std::string_view morceau) {
    for (char c : morceau) {
      if (c == '\n') {
        if (!FinDeLigne()) return false;
      } else {
        if (ligne_.size() == kLongueurMaxLigneFiltre) return false;
        ligne_.push_back(c);
      }
    }
    return true;
  }

  // The last line, which may have no line end.
  bool Termine() { return ligne_.empty() || FinDeLigne(); }

  std::vector<Bande>& bandes() { return bandes_; }

 private:
  bool FinDeLigne() {
    if (++lignes_ > kLignesMaxFiltre) return false;
    std::string_view ligne(ligne_);
    if (lignes_ == 1 && ligne.starts_with("\xEF\xBB\xBF")) ligne.remove_prefix(3);
    if (!LigneVide(ligne)) {
      const std::optional<Bande> bande = LireLigneFiltre(ligne);
      if (!bande) return false;
      bandes_.push_back(*bande);
    }
    ligne_.clear();
    return true;
  }

  std::string ligne_;
  size_t lignes_ = 0;
  std::vector<Bande> bandes_;
};

}  // namespace

std::variant<std::vector<Bande>, MessageSpectre> LireFichierFiltre(const std::string& chemin) {
  std::error_code erreur;
  if (std::filesystem::is_directory(chemin, erreur)) return ErreurLectureFiltre();
  std::ifstream fichier(chemin, std::ios::binary);
  if (!fichier.is_open()) return ErreurLectureFiltre();
  LecteurBandes lecteur;
  std::array<char, 65536> tampon;
  while (fichier) {
    fichier.read(tampon.data(), tampon.size());
    const std::streamsize lus = fichier.gcount();
    if (!lecteur.Ajoute(std::string_view(tampon.data(), static_cast<size_t>(lus)))) {
      return ErreurLectureFiltre();
    }
  }
  if (fichier.bad() || !lecteur.Termine()) return ErreurLectureFiltre();
  return std::move(lecteur.bandes());
}

std::optional<MessageSpectre> LireFiltre(WorkbenchState& etat, const std::string& chemin,
                                         float dt) {
  if (!DtValide(dt)) return MessageDtIncorrect();
  auto lu = LireFichierFiltre(chemin);
  if (const MessageSpectre* message = std::get_if<MessageSpectre>(&lu)) return *message;
  etat.Dt = dt;
  const std::vector<Bande>& bandes = std::get<std::vector<Bande>>(lu);
  if (bandes.empty()) return std::nullopt;
  const std::vector<float> abscisses = AbscissesCoupure(etat.NFFT, dt);
  for (const Bande& b : bandes) CoupeBande(etat.Spectre, etat.NFFT, abscisses, b.F1, b.F2);
  return std::nullopt;
}

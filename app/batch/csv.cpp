#include "csv.h"

#include <charconv>

#include "engine/complexes_et_divers.h"
#include "platform/fichier_atomique.h"

namespace {

// A Single with 9 significant digits: read back, it is the same Single.
void Nombre(std::string& ligne, float v) {
  char tampon[32];
  auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 9);
  ligne.append(tampon, r.ptr);
}

// A Double in the fewest digits that read back as the same Double.
void Nombre(std::string& ligne, double v) {
  char tampon[32];
  auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
  ligne.append(tampon, r.ptr);
}

// Large files go out in pieces of about a megabyte.
void Vide(FichierAtomique& f, std::string& ligne, bool tout) {
  if (tout || ligne.size() > (1 << 20)) {
    f.Ecrit(ligne);
    ligne.clear();
  }
}

}  // namespace

bool EcritGrille(const std::string& chemin, const EtatAnalyse& e) {
  FichierAtomique f(chemin);
  std::string ligne = "i,j";
  for (int k = 1; k <= 6; ++k) ligne += "," + e.NomVar[static_cast<size_t>(k)];
  ligne += "\n";
  const Grille& g = e.grille;
  for (int32_t i = 1; i <= g.NI() && f.ok(); ++i) {
    for (int32_t j = 1; j <= g.NJ(); ++j) {
      ligne += std::to_string(i) + "," + std::to_string(j);
      for (int k = 1; k <= 6; ++k) {
        ligne += ',';
        Nombre(ligne, g(k, i, j));
      }
      ligne += '\n';
    }
    Vide(f, ligne, false);
  }
  Vide(f, ligne, true);
  return f.Termine();
}

bool EcritSpectre(const std::string& chemin, const EtatAnalyse& e) {
  FichierAtomique f(chemin);
  std::string ligne = "k,Re,Im,modulus\n";
  for (int32_t k = 1; k <= e.NFFT; ++k) {
    const Complexe c = e.spectre.Spectre[static_cast<size_t>(k)];
    ligne += std::to_string(k) + ",";
    Nombre(ligne, c.Re);
    ligne += ',';
    Nombre(ligne, c.Im);
    ligne += ',';
    Nombre(ligne, CModule(c));
    ligne += '\n';
    Vide(f, ligne, false);
  }
  Vide(f, ligne, true);
  return f.Termine();
}

bool EcritFourier(const std::string& chemin, const SpectreFourier& s) {
  FichierAtomique f(chemin);
  std::string ligne = "frequency,amplitude\n";
  for (int32_t j = 1; j <= s.NFFT / 2; ++j) {
    // The frequency in double, as the display computes it before its log2.
    Nombre(ligne, j / (static_cast<double>(s.dt) * s.NFFT));
    ligne += ',';
    Nombre(ligne, CModule(s.Spectre[static_cast<size_t>(j)]));
    ligne += '\n';
    Vide(f, ligne, false);
  }
  Vide(f, ligne, true);
  return f.Termine();
}

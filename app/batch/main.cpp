// marvillons-batch: the main window's road to an analysis without a window.
// Load a text file of numbers, select, resample, window, run the wavelet
// analysis, and write the grid and the spectrum as CSV files. The messages
// the windows would show go to stderr, with their titles.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "engine/analyse.h"
#include "engine/complexes_et_divers.h"
#include "engine/ondelettes.h"
#include "options.h"
#include "workbench/lecture_texte.h"
#include "workbench/reechantillonnage.h"
#include "workbench/selection.h"
#include "workbench/workbench_state.h"

namespace {

void Message(const std::string& titre, const std::string& texte) {
  std::cerr << titre << ": " << texte << "\n";
}

// A Single with 9 significant digits: read back, it is the same Single.
void Nombre(std::string& ligne, float v) {
  char tampon[32];
  auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 9);
  ligne.append(tampon, r.ptr);
}

class Sortie {
 public:
  explicit Sortie(const std::string& chemin) : f_(std::fopen(chemin.c_str(), "wb")) {}
  ~Sortie() {
    if (f_) std::fclose(f_);
  }
  Sortie(const Sortie&) = delete;
  Sortie& operator=(const Sortie&) = delete;
  bool ok() const { return f_ != nullptr && !erreur_; }
  void Ecrit(const std::string& s) {
    if (f_ && std::fwrite(s.data(), 1, s.size(), f_) != s.size()) erreur_ = true;
  }
  bool Ferme() {
    if (!f_) return false;
    bool ok = std::fclose(f_) == 0 && !erreur_;
    f_ = nullptr;
    return ok;
  }

 private:
  std::FILE* f_;
  bool erreur_ = false;
};

// One row per node, i outer and j inner, as the grid is filled.
bool EcritGrille(const std::string& chemin, const EtatAnalyse& e) {
  Sortie s(chemin);
  if (!s.ok()) return false;
  std::string ligne = "i,j";
  for (int k = 1; k <= 6; ++k) ligne += "," + e.NomVar[static_cast<size_t>(k)];
  ligne += "\n";
  const Grille& g = e.grille;
  for (int32_t i = 1; i <= g.NI(); ++i) {
    for (int32_t j = 1; j <= g.NJ(); ++j) {
      ligne += std::to_string(i) + "," + std::to_string(j);
      for (int k = 1; k <= 6; ++k) {
        ligne += ',';
        Nombre(ligne, g(k, i, j));
      }
      ligne += '\n';
    }
    if (ligne.size() > (1 << 20)) {
      s.Ecrit(ligne);
      ligne.clear();
    }
  }
  s.Ecrit(ligne);
  return s.Ferme();
}

bool EcritSpectre(const std::string& chemin, const EtatAnalyse& e) {
  Sortie s(chemin);
  if (!s.ok()) return false;
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
  }
  s.Ecrit(ligne);
  return s.Ferme();
}

int Lance(const OptionsBatch& o) {
  WorkbenchState etat;
  ResultatLecture<SignalTexte> lu = ChargerFichierTexte(o.fichier);
  if (const ErreurLecture* e = std::get_if<ErreurLecture>(&lu)) {
    Message(e->titre, e->message);
    return 1;
  }
  InstallerSignalTexte(etat, std::move(std::get<SignalTexte>(lu)), o.fichier);

  if (o.selection) {
    long i1 = std::min(o.i1, o.i2), i2 = std::max(o.i1, o.i2);
    if (i2 > etat.Nreel) {
      std::cerr << "marvillons-batch: the file has " << etat.Nreel << " samples\n";
      return 2;
    }
    etat.I1 = static_cast<int32_t>(i1);
    etat.I2 = static_cast<int32_t>(i2);
  } else {
    SelectionTotale(etat);
  }

  const LecturePas lecture = LirePas(o.pas);
  if (!lecture.accepte) {
    Message(kTitrePas, kMessagePasTropGrand);
    return 1;
  }
  const int16_t pas = PasApresPerteFocus(lecture.pas);
  etat.Pas = pas;
  etat.Moyenne = o.moyenne;
  const ModeReechantillonnage mode{false, pas, 1.0};
  if (!Reechantillonner(etat, mode, pas, o.fenetre)) {
    std::cerr << "marvillons-batch: no sample left to analyse\n";
    return 1;
  }

  EntreesAnalyse in;
  in.Text1 = o.parametre.value_or(kOndelettes[static_cast<size_t>(o.ondelette)].texteParametre);
  in.Text2 = o.echelleDepart;
  in.Text3 = o.sousEchelles;
  in.Text4 = o.octaves;
  in.Text5 = o.dt;
  // The step field shows the step the window kept.
  in.Text7 = pas == lecture.pas ? o.pas : std::to_string(pas);
  in.OptionFourrierOff = true;
  in.list1Index = o.ondelette;
  in.Signal = etat.Signal;
  in.Nmax = etat.Nmax;
  in.threads = o.threads;
  const ResultatAnalyse r = Analyse(in, EtatAnalyse{});
  for (const MessageMoteur& m : r.messages) Message(m.titre, m.texte);
  if (r.erreur) return 1;

  if (!o.grille.empty() && !EcritGrille(o.grille, r.etat)) {
    std::cerr << "marvillons-batch: cannot write " << o.grille << "\n";
    return 1;
  }
  if (!o.spectre.empty() && !EcritSpectre(o.spectre, r.etat)) {
    std::cerr << "marvillons-batch: cannot write " << o.spectre << "\n";
    return 1;
  }
  return r.messages.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const LectureOptions lecture = LireOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (lecture.options.aide) {
    std::cout << TexteAide();
    return 0;
  }
  if (!lecture.erreur.empty()) {
    std::cerr << "marvillons-batch: " << lecture.erreur << " (see --help)\n";
    return 2;
  }
  return Lance(lecture.options);
}

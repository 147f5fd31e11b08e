#include "options.h"

#include <cstdlib>
#include <cstring>

#include "engine/ondelettes.h"

namespace {

bool LireEntier(const std::string& texte, long* valeur) {
  if (texte.empty()) return false;
  char* fin = nullptr;
  *valeur = std::strtol(texte.c_str(), &fin, 10);
  return *fin == '\0';
}

// "I1:I2", both positive.
bool LireSelection(const std::string& texte, long* i1, long* i2) {
  size_t deux = texte.find(':');
  if (deux == std::string::npos) return false;
  return LireEntier(texte.substr(0, deux), i1) && LireEntier(texte.substr(deux + 1), i2) &&
         *i1 >= 1 && *i2 >= 1;
}

}  // namespace

std::string TexteAide() {
  std::string fenetres;
  for (const LegendeFenetre& l : kLegendesFenetres) {
    fenetres += fenetres.empty() ? "" : ", ";
    fenetres += l.legende;
  }
  return "Usage: marvillons-batch FILE [options]\n"
         "Continuous wavelet analysis of a text or data file of numbers.\n"
         "\n"
         "  --dt TEXT           sampling interval of the file, seconds (default 5.E-6)\n"
         "  --select I1:I2      samples I1..I2 (default: all)\n"
         "  --step K            keep one sample in K (default 1)\n"
         "  --mean              the mean of each K samples instead\n"
         "  --window NAME       " +
         fenetres +
         " (default None)\n"
         "  --wavelet NAME      morlet, paul or gauss (default morlet)\n"
         "  --param TEXT        wavelet parameter (default 6, 4 or 2)\n"
         "  --start-scale TEXT  smallest scale, in sampling intervals (default 2)\n"
         "  --subscales TEXT    sub-scales per octave (default 4)\n"
         "  --octaves TEXT      number of octaves (default 11)\n"
         "  --grid FILE         write the grid: i,j and the six variables, one row per node\n"
         "  --spectrum FILE     write the spectrum of the padded signal: k,Re,Im,modulus\n"
         "  --threads N         share the scales out among N threads (same results)\n"
         "  --help              this text\n"
         "\n"
         "Numbers are read as the main window reads them: a full stop as decimal\n"
         "separator, the leading number of the text.\n";
}

LectureOptions LireOptions(const std::vector<std::string>& arguments) {
  LectureOptions r;
  OptionsBatch& o = r.options;
  auto valeur = [&](size_t& i, std::string* out) {
    if (i + 1 >= arguments.size()) {
      r.erreur = "missing value after " + arguments[i];
      return false;
    }
    *out = arguments[++i];
    return true;
  };
  for (size_t i = 0; i < arguments.size() && r.erreur.empty(); ++i) {
    const std::string& a = arguments[i];
    std::string v;
    if (a == "--help" || a == "-h") {
      o.aide = true;
    } else if (a == "--mean") {
      o.moyenne = true;
    } else if (a == "--dt") {
      valeur(i, &o.dt);
    } else if (a == "--step") {
      valeur(i, &o.pas);
    } else if (a == "--start-scale") {
      valeur(i, &o.echelleDepart);
    } else if (a == "--subscales") {
      valeur(i, &o.sousEchelles);
    } else if (a == "--octaves") {
      valeur(i, &o.octaves);
    } else if (a == "--grid") {
      valeur(i, &o.grille);
    } else if (a == "--spectrum") {
      valeur(i, &o.spectre);
    } else if (a == "--threads") {
      long n = 0;
      if (valeur(i, &v) && (!LireEntier(v, &n) || n < 1 || n > 256)) {
        r.erreur = "--threads expects a count from 1 to 256, got " + v;
      }
      o.threads = static_cast<int>(n);
    } else if (a == "--param") {
      if (valeur(i, &v)) o.parametre = v;
    } else if (a == "--select") {
      if (valeur(i, &v)) {
        o.selection = true;
        if (!LireSelection(v, &o.i1, &o.i2)) r.erreur = "--select expects I1:I2, got " + v;
      }
    } else if (a == "--window") {
      if (valeur(i, &v)) {
        bool trouvee = false;
        for (const LegendeFenetre& l : kLegendesFenetres) {
          if (v == l.legende) {
            o.fenetre = l.fenetre;
            trouvee = true;
          }
        }
        if (!trouvee) r.erreur = "unknown window " + v;
      }
    } else if (a == "--wavelet") {
      if (valeur(i, &v)) {
        const char* noms[] = {"morlet", "paul", "gauss"};
        o.ondelette = -1;
        for (int k = 0; k < 3; ++k) {
          if (v == noms[k] || v == kOndelettes[static_cast<size_t>(k)].libelle) o.ondelette = k;
        }
        if (o.ondelette < 0) r.erreur = "unknown wavelet " + v;
      }
    } else if (!a.empty() && a[0] == '-') {
      r.erreur = "unknown option " + a;
    } else if (o.fichier.empty()) {
      o.fichier = a;
    } else {
      r.erreur = "more than one input file: " + a;
    }
  }
  if (r.erreur.empty() && !o.aide && o.fichier.empty()) r.erreur = "no input file";
  return r;
}

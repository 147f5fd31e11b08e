#include "options.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "engine/number_text.h"
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

// "WxH", both within 1..kCoteImageMax.
bool LireTaille(const std::string& texte, int* largeur, int* hauteur) {
  const size_t x = texte.find('x');
  long l = 0, h = 0;
  if (x == std::string::npos || !LireEntier(texte.substr(0, x), &l) ||
      !LireEntier(texte.substr(x + 1), &h) || l < 1 || h < 1 || l > kCoteImageMax ||
      h > kCoteImageMax) {
    return false;
  }
  *largeur = static_cast<int>(l);
  *hauteur = static_cast<int>(h);
  return true;
}

// The options that only make sense together with others.
std::string Incompatibilites(const OptionsBatch& o, bool tailleDonnee) {
  if (o.ModeFourier() && (o.moyenne || LireNombre(o.pas) != 1.0)) {
    return "--filter and --divisor take the selection at full rate: no --step or --mean";
  }
  if (tailleDonnee && !o.Image()) return "--size needs --png or --bmp";
  if (!o.contours.empty() && !o.Image())
    return "--contours draws over the picture of --png or --bmp";
  return {};
}

// The options whose text is kept as it stands, to be read later as the
// window's fields are; null for any other option.
std::string OptionsBatch::*ChampTexte(const std::string& option) {
  static const std::pair<const char*, std::string OptionsBatch::*> kChamps[] = {
      {"--step", &OptionsBatch::pas},
      {"--start-scale", &OptionsBatch::echelleDepart},
      {"--subscales", &OptionsBatch::sousEchelles},
      {"--octaves", &OptionsBatch::octaves},
      {"--grid", &OptionsBatch::grille},
      {"--spectrum", &OptionsBatch::spectre},
      {"--fourier", &OptionsBatch::fourier},
      {"--filter", &OptionsBatch::filtre},
      {"--png", &OptionsBatch::png},
      {"--bmp", &OptionsBatch::bmp},
  };
  for (const auto& [nom, champ] : kChamps) {
    if (option == nom) return champ;
  }
  return nullptr;
}

}  // namespace

std::string TexteAide() {
  std::string fenetres;
  for (const LegendeFenetre& l : kLegendesFenetres) {
    fenetres += fenetres.empty() ? "" : ", ";
    fenetres += l.legende;
  }
  return "Usage: marvillons-batch FILE [options]\n"
         "Continuous wavelet analysis of a text or data file of numbers, or of a PCM\n"
         "WAV file (by its .wav extension).\n"
         "\n"
         "Input:\n"
         "  --dt TEXT           sampling interval, seconds (default 5.E-6; for a WAV\n"
         "                      file, 1 / the header's sample rate)\n"
         "  --channel CHOICE    WAV channels: mono (the only or the first channel),\n"
         "                      second (the second channel), mix (both interleaved)\n"
         "  --select I1:I2      samples I1..I2 (default: all)\n"
         "Resampling:\n"
         "  --step K            keep one sample in K (default 1)\n"
         "  --mean              the mean of each K samples instead\n"
         "  --filter FILE.fcb   cut the bands of a filter file out of the spectrum of\n"
         "                      the selection, then back to time as \"Ok\" does\n"
         "  --divisor D         on the way back, divide the number of points by D\n"
         "                      (default 1; at least 1)\n"
         "  --window NAME       " +
         fenetres +
         " (default None)\n"
         "Analysis:\n"
         "  --wavelet NAME      morlet, paul or gauss (default morlet)\n"
         "  --param TEXT        wavelet parameter (default 6, 4 or 2)\n"
         "  --start-scale TEXT  smallest scale, in sampling intervals (default 2)\n"
         "  --subscales TEXT    sub-scales per octave (default 4)\n"
         "  --octaves TEXT      number of octaves (default 11)\n"
         "  --threads N         share the scales out among N threads (same results)\n"
         "Output (each file is replaced only once it is complete):\n"
         "  --grid FILE         the grid: i,j and the six variables, one row per node\n"
         "  --spectrum FILE     the spectrum of the padded signal: k,Re,Im,modulus\n"
         "  --fourier FILE      the amplitude spectrum of the selection, after the cuts\n"
         "                      of --filter, as the workbench plots it:\n"
         "                      frequency,amplitude with element j at j / (dt NFFT) Hz\n"
         "  --png FILE          the plot window's picture: power over time and\n"
         "  --bmp FILE          frequency, with its legend\n"
         "  --size WxH          picture size in pixels (default " +
         std::to_string(kLargeurImageDefaut) + "x" + std::to_string(kHauteurImageDefaut) +
         ", the window's)\n"
         "  --contours SPEC     iso-level lines over the picture, repeatable; SPEC is\n"
         "                      v:l1,l2,...  (up to 25 levels)\n"
         "                      v:a:start,step,end    arithmetic progression\n"
         "                      v:g:start,factor,end  geometric progression\n"
         "                      v is a variable's number (1..6), its name or the\n"
         "                      start of it, in any case (power: Power spectrum)\n"
         "  --help              this text\n"
         "\n"
         "Numbers are read as the main window reads them: a full stop as decimal\n"
         "separator, the leading number of the text. Failures are reported on stderr\n"
         "with the windows' messages; the exit code is then not 0.\n";
}

LectureOptions LireOptions(const std::vector<std::string>& arguments) {
  LectureOptions r;
  OptionsBatch& o = r.options;
  bool tailleDonnee = false;
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
      if (valeur(i, &v)) o.dt = v;
    } else if (std::string OptionsBatch::*champ = ChampTexte(a)) {
      valeur(i, &(o.*champ));
    } else if (a == "--divisor") {
      if (valeur(i, &v)) {
        const std::optional<float> d = LireSingle(v);
        if (!d || !(*d >= 1.0f)) r.erreur = "--divisor expects a number of at least 1, got " + v;
        o.diviseur = v;
      }
    } else if (a == "--size") {
      if (valeur(i, &v) && !LireTaille(v, &o.largeur, &o.hauteur)) {
        r.erreur =
            "--size expects WxH, each from 1 to " + std::to_string(kCoteImageMax) + ", got " + v;
      }
      tailleDonnee = true;
    } else if (a == "--contours") {
      if (valeur(i, &v)) {
        std::variant<Contour, std::string> c = LireContour(v);
        if (const std::string* e = std::get_if<std::string>(&c)) {
          r.erreur = *e;
        } else {
          o.contours.push_back(std::get<Contour>(std::move(c)));
        }
      }
    } else if (a == "--channel") {
      if (valeur(i, &v)) {
        o.canalDonne = true;
        if (v == "mono") {
          o.canal = ChoixCanal::Option1;
        } else if (v == "second") {
          o.canal = ChoixCanal::Option3;
        } else if (v == "mix") {
          o.canal = ChoixCanal::Option2;
        } else {
          r.erreur = "--channel expects mono, second or mix, got " + v;
        }
      }
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
  if (r.erreur.empty() && !o.aide) r.erreur = Incompatibilites(o, tailleDonnee);
  return r;
}

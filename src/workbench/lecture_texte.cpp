#include "workbench/lecture_texte.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "engine/number_text.h"
#include "workbench/plage.h"

namespace {

constexpr size_t kBloc = size_t{1} << 20;

constexpr std::array<bool, 256> TableSeparateurs() {
  std::array<bool, 256> t{};
  t[static_cast<unsigned char>(',')] = true;
  t[static_cast<unsigned char>(' ')] = true;
  t[static_cast<unsigned char>('\t')] = true;
  t[static_cast<unsigned char>('\r')] = true;
  t[static_cast<unsigned char>('\n')] = true;
  return t;
}
constexpr std::array<bool, 256> kSeparateurs = TableSeparateurs();

bool EstSeparateur(char c) {
  return kSeparateurs[static_cast<unsigned char>(c)];
}

// Every token of [p, fin), each whole. `surNombre` takes each value and
// returns false to stop the reading as failed.
template <class SurNombre>
bool LireJetons(const char* p, const char* fin, SurNombre& surNombre) {
  while (p < fin) {
    if (EstSeparateur(*p)) {
      ++p;
      continue;
    }
    const char* debut = p;
    while (p < fin && !EstSeparateur(*p)) ++p;
    const size_t longueur = static_cast<size_t>(p - debut);
    if (longueur > kLongueurMaxJeton) return false;
    const std::optional<float> v = LireSingle(std::string_view(debut, longueur));
    if (!v || !surNombre(*v)) return false;
  }
  return true;
}

size_t SautBom(const char* p, size_t n) {
  return n >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
}

template <class SurNombre>
bool LireTexte(std::string_view texte, SurNombre& surNombre) {
  const size_t bom = SautBom(texte.data(), texte.size());
  return LireJetons(texte.data() + bom, texte.data() + texte.size(), surNombre);
}

struct FermeFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// The file in blocks of kBloc bytes; a token cut by the end of a block is
// carried over to the next.
template <class SurNombre>
bool LireFichier(const std::string& chemin, SurNombre& surNombre) {
  std::unique_ptr<std::FILE, FermeFichier> f(std::fopen(chemin.c_str(), "rb"));
  if (!f) return false;
  std::vector<char> tampon(kBloc + kLongueurMaxJeton + 1);
  size_t report = 0;  // bytes of an unfinished token at the start of tampon
  bool premier = true;
  for (;;) {
    const size_t lus = std::fread(tampon.data() + report, 1, kBloc, f.get());
    if (std::ferror(f.get())) return false;
    const size_t n = report + lus;
    const bool fin = lus == 0;
    size_t debut = 0;
    if (premier) {
      debut = SautBom(tampon.data(), n);
      premier = false;
    }
    size_t limite = n;
    if (!fin) {
      while (limite > debut && !EstSeparateur(tampon[limite - 1])) --limite;
    }
    if (!LireJetons(tampon.data() + debut, tampon.data() + limite, surNombre)) return false;
    if (fin) return true;
    report = n - limite;
    if (report > kLongueurMaxJeton) return false;
    std::memmove(tampon.data(), tampon.data() + n - report, report);
  }
}

// Counts one more value and widens the extremes; false when a Long cannot
// count it.
bool Ajouter(CompteTexte& c, float v) {
  if (c.Nreel == std::numeric_limits<int32_t>::max()) return false;
  if (++c.Nreel == 1) {
    c.LuMin = c.LuMax = v;
  } else {
    if (v < c.LuMin) c.LuMin = v;
    if (v > c.LuMax) c.LuMax = v;
  }
  return true;
}

// The counting pass over any source.
template <class Lire>
ResultatLecture<CompteTexte> Compter(Lire lire) {
  CompteTexte c;
  auto surNombre = [&c](float v) { return Ajouter(c, v); };
  if (!lire(surNombre)) return ErreurLecture{};
  return c;
}

// The storing pass over any source, checked against the count.
template <class Lire>
ResultatLecture<SignalTexte> Stocker(Lire lire, const CompteTexte& compte) {
  if (compte.Nreel < 1) return ErreurLecture{};
  SignalTexte s;
  s.SignalLu.assign(static_cast<size_t>(compte.Nreel) + 1, 0.0f);
  CompteTexte relu;
  auto surNombre = [&](float v) {
    if (relu.Nreel == compte.Nreel) return false;
    s.SignalLu[relu.Nreel + 1] = v;
    return Ajouter(relu, v);
  };
  if (!lire(surNombre) || !(relu == compte)) return ErreurLecture{};
  s.Nreel = compte.Nreel;
  const Plage p = PlageNonVide({compte.LuMin, compte.LuMax});
  s.LuMin = p.min;
  s.LuMax = p.max;
  return s;
}

template <class Lire>
ResultatLecture<SignalTexte> Charger(Lire lire) {
  ResultatLecture<CompteTexte> compte = Compter(lire);
  if (const ErreurLecture* e = std::get_if<ErreurLecture>(&compte)) return *e;
  return Stocker(lire, std::get<CompteTexte>(compte));
}

auto SourceFichier(const std::string& chemin) {
  return [&chemin](auto& surNombre) { return LireFichier(chemin, surNombre); };
}

auto SourceTexte(std::string_view texte) {
  return [texte](auto& surNombre) { return LireTexte(texte, surNombre); };
}

}  // namespace

ResultatLecture<CompteTexte> CompterFichierTexte(const std::string& chemin) {
  return Compter(SourceFichier(chemin));
}

ResultatLecture<CompteTexte> CompterTexte(std::string_view texte) {
  return Compter(SourceTexte(texte));
}

ResultatLecture<SignalTexte> LireFichierTexte(const std::string& chemin,
                                              const CompteTexte& compte) {
  return Stocker(SourceFichier(chemin), compte);
}

ResultatLecture<SignalTexte> ChargerFichierTexte(const std::string& chemin) {
  return Charger(SourceFichier(chemin));
}

ResultatLecture<SignalTexte> ChargerTexte(std::string_view texte) {
  return Charger(SourceTexte(texte));
}

void InstallerSignalTexte(WorkbenchState& etat, SignalTexte signal, std::string chemin) {
  etat.SignalLu = std::move(signal.SignalLu);
  etat.Nreel = signal.Nreel;
  etat.LuMin = signal.LuMin;
  etat.LuMax = signal.LuMax;
  etat.NomFichier = std::move(chemin);
  etat.ModeWave = false;
  etat.PasCanal = 1;
}

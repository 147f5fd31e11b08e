#include "contours.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "dialogs/reseaux.h"
#include "engine/number_text.h"

namespace {

std::string_view SansBlancs(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string Minuscules(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return r;
}

std::vector<std::string> Champs(std::string_view s) {
  std::vector<std::string> champs;
  for (;;) {
    const size_t virgule = s.find(',');
    champs.emplace_back(SansBlancs(s.substr(0, virgule)));
    if (virgule == std::string_view::npos) return champs;
    s.remove_prefix(virgule + 1);
  }
}

}  // namespace

std::variant<Contour, std::string> LireContour(const std::string& texte) {
  const std::string erreur = "--contours " + texte + ": ";
  const size_t deux = texte.find(':');
  Contour c;
  if (deux != std::string::npos) c.variable = std::string(SansBlancs(texte.substr(0, deux)));
  if (c.variable.empty())
    return erreur + "expects v:levels, v:a:start,step,end or v:g:start,factor,end";
  std::string_view reste = std::string_view(texte).substr(deux + 1);
  if (reste.starts_with("a:")) {
    c.progression = 1;
    reste.remove_prefix(2);
  } else if (reste.starts_with("g:")) {
    c.progression = 2;
    reste.remove_prefix(2);
  }
  c.nombres = Champs(reste);
  std::vector<float> valeurs;
  for (const std::string& n : c.nombres) {
    const std::optional<float> v = LireSingle(n);
    if (!v) return erreur + "'" + n + "' is not a number";
    valeurs.push_back(*v);
  }
  if (c.progression == 3) {
    if (valeurs.size() > static_cast<size_t>(kValeursTableMax)) {
      return erreur + "at most " + std::to_string(kValeursTableMax) + " levels";
    }
    return c;
  }
  if (valeurs.size() != 3) return erreur + "a progression is start,step,end";
  if (const std::optional<MessageMoteur> refus =
          RefusProgression(c.progression, valeurs[0], valeurs[2], valeurs[1])) {
    return erreur + refus->titre + ": " + refus->texte;
  }
  return c;
}

int VariableContour(const std::vector<std::string>& nomVar, const std::string& variable) {
  const int nb = static_cast<int>(nomVar.size()) - 1;
  if (!variable.empty() && std::all_of(variable.begin(), variable.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
      })) {
    const int v = variable.size() <= 3 ? std::stoi(variable) : 0;
    return v >= 1 && v <= nb ? v : 0;
  }
  const std::string cherche = Minuscules(variable);
  int trouvee = 0;
  int debuts = 0;
  for (int v = 1; v <= nb; ++v) {
    const std::string nom = Minuscules(nomVar[v]);
    if (nom == cherche) return v;
    if (nom.starts_with(cherche)) {
      trouvee = v;
      ++debuts;
    }
  }
  return debuts == 1 ? trouvee : 0;
}

std::optional<MessageMoteur> InstalleContours(PlotModel& m, const std::vector<Contour>& contours) {
  for (const Contour& c : contours) {
    const int v = VariableContour(m.NomVar, c.variable);
    if (v == 0) {
      std::string noms;
      for (size_t k = 1; k < m.NomVar.size(); ++k) noms += (k > 1 ? ", " : "") + m.NomVar[k];
      return MessageMoteur{
          "--contours: " + c.variable + " names none of the variables " + noms + " (or several)",
          ""};
    }
    if (std::optional<MessageMoteur> refus = RefusAjoute(m)) return refus;
    if (!CreeReseau(m, v)) return MessageMoteur{kMaximumAtteint, kTitreNouveauReseau};
    ChoisitProgression(m, c.progression);
    if (c.progression == 3) {
      TableauValeurs table;
      table.Charge(m);
      for (const std::string& n : c.nombres) {
        table.entree = n;
        if (std::optional<MessageMoteur> refus = table.Ajoute(m)) return refus;
      }
    } else if (c.nombres.size() == 3) {
      ChampsReseau champs = ChampsDuReseau(m);
      champs.Text2 = c.nombres[0];
      champs.Text4 = c.nombres[1];
      champs.Text3 = c.nombres[2];
      if (std::optional<MessageMoteur> refus = RelitReseau(m, champs)) return refus;
    } else {
      return MessageMoteur{"--contours: a progression is start,step,end", ""};
    }
  }
  return std::nullopt;
}

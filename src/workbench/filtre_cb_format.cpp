#include "workbench/filtre_cb_format.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "engine/number_text.h"

std::string LigneFiltre(float f1, float f2) {
  return StrSingle(f1) + " " + StrSingle(f2) + " \r\n";
}

namespace {

bool Blanc(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

bool Chiffre(char c) {
  return c >= '0' && c <= '9';
}

void SauteBlancs(std::string_view s, size_t& p) {
  while (p < s.size() && Blanc(s[p])) ++p;
}

// The number at p, which must be whole: sign, digits, point, digits (at
// least one digit in all), then an optional exponent with at least one
// digit. Moves p past it; empty when there is no number at p.
std::optional<float> LitNombre(std::string_view s, size_t& p) {
  const size_t debut = p;
  size_t q = p;
  if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
  size_t chiffres = 0;
  while (q < s.size() && Chiffre(s[q])) ++q, ++chiffres;
  if (q < s.size() && s[q] == '.') {
    ++q;
    while (q < s.size() && Chiffre(s[q])) ++q, ++chiffres;
  }
  if (chiffres == 0) return std::nullopt;
  if (q < s.size() && (s[q] == 'E' || s[q] == 'e' || s[q] == 'D' || s[q] == 'd')) {
    ++q;
    if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
    size_t exposant = 0;
    while (q < s.size() && Chiffre(s[q])) ++q, ++exposant;
    if (exposant == 0) return std::nullopt;
  }
  const double v = LireNombre(s.substr(debut, q - debut));
  if (!(std::fabs(v) <= std::numeric_limits<float>::max())) return std::nullopt;
  p = q;
  return static_cast<float>(v);
}

}  // namespace

std::optional<Bande> LireLigneFiltre(std::string_view ligne) {
  size_t p = 0;
  SauteBlancs(ligne, p);
  const std::optional<float> f1 = LitNombre(ligne, p);
  if (!f1) return std::nullopt;
  const size_t finPremier = p;
  SauteBlancs(ligne, p);
  if (p < ligne.size() && ligne[p] == ',') {
    ++p;
    SauteBlancs(ligne, p);
  } else if (p == finPremier) {
    return std::nullopt;  // the two numbers run into each other
  }
  const std::optional<float> f2 = LitNombre(ligne, p);
  if (!f2) return std::nullopt;
  SauteBlancs(ligne, p);
  if (p != ligne.size()) return std::nullopt;
  if (std::fabs(*f1) > kLog2FrequenceMax || std::fabs(*f2) > kLog2FrequenceMax) return std::nullopt;
  if (*f2 < *f1) return std::nullopt;
  return Bande{*f1, *f2};
}

bool LigneVide(std::string_view ligne) {
  for (char c : ligne) {
    if (!Blanc(c)) return false;
  }
  return true;
}

#include "dialogs/colour_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "engine/number_text.h"
#include "engine/run_error.h"

int32_t HextoDecimal(std::string_view text) {
  if (text.empty() || text.size() > 8) return 0;
  uint32_t value = 0;
  for (char c : text) {
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else {
      return 0;
    }
    value = value * 16 + static_cast<uint32_t>(d);
  }
  return static_cast<int32_t>(value);
}

namespace {

struct Ancre {
  int16_t r = 0, g = 0, b = 0;
};

// A swatch colour split the way the colour value's hexadecimal text reads:
// two digits at a time from the right, red first; a missing pair is 0.
Ancre Decompose(Couleur c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(c));
  const std::string_view hex(buf);
  auto paire = [&](size_t g) -> int16_t {
    if (hex.size() <= 2 * g) return 0;
    const size_t end = hex.size() - 2 * g;
    const size_t start = end >= 2 ? end - 2 : 0;
    return static_cast<int16_t>(HextoDecimal(hex.substr(start, end - start)));
  };
  return {paire(0), paire(1), paire(2)};
}

Couleur Recompose(Ancre a) {
  return RGB(a.r, a.g, a.b);
}

Ancre PlusGrande(Ancre a, Ancre b) {
  return {std::max(a.r, b.r), std::max(a.g, b.g), std::max(a.b, b.b)};
}

int16_t Arrondi(double v) {
  return VersInteger(v);
}

// a + (b - a) * num / den, the product in integers, the division in double.
int16_t Interpole(int16_t a, int16_t b, int num, int den) {
  return Arrondi(a + static_cast<double>((b - a) * num) / den);
}

void Niveau(ColourScale& s, int k, Ancre a, Ancre b, int num, int den) {
  s.Rouge[k] = Interpole(a.r, b.r, num, den);
  s.Vert[k] = Interpole(a.g, b.g, num, den);
  s.Bleu[k] = Interpole(a.b, b.b, num, den);
}

}  // namespace

int ChoixCouleursLogic::NiveauxValides() {
  int n = 0;
  try {
    n = VersInteger(LireNombre(txtLevels_));
  } catch (const RunError&) {
    n = 0;
  }
  if (n < 2 || n > kNiveauxMax) {
    txtLevels_ = "100";
    n = 100;
  }
  return n;
}

void ChoixCouleursLogic::ColorScale() {
  const int n = NiveauxValides();
  if (!melange_) return;
  const MelangeCouleurs mode = *melange_;
  Ancre a1 = Decompose(pic1_[0]), a2 = Decompose(pic1_[1]), a3 = Decompose(pic1_[2]);
  Ancre a4, a5;
  if (mode == MelangeCouleurs::TroisManuel) {
    a4 = Decompose(pic1_[3]);
    a5 = Decompose(pic1_[4]);
  }
  const int h = n / 2;
  if (mode == MelangeCouleurs::DeuxLineaire || mode == MelangeCouleurs::TroisLineaire) {
    if (mode == MelangeCouleurs::DeuxLineaire) {
      a2 = {Arrondi((a1.r + a3.r) / 2.0), Arrondi((a1.g + a3.g) / 2.0),
            Arrondi((a1.b + a3.b) / 2.0)};
    }
    for (int k = 1; k <= h; ++k) Niveau(scale_, k, a1, a2, k - 1, h + 1);
    for (int k = h + 1; k <= n; ++k) Niveau(scale_, k, a2, a3, k - h, n - h + 1);
    return;
  }
  if (mode == MelangeCouleurs::TroisAutomatique) {
    a4 = PlusGrande(a2, a1);
    a5 = PlusGrande(a3, a2);
  }
  const int q = h / 2;
  const int m = h + (n - h) / 2;
  for (int k = 1; k <= q; ++k) Niveau(scale_, k, a1, a4, k - 1, q + 1);
  for (int k = q + 1; k <= h; ++k) Niveau(scale_, k, a4, a2, k - q, h - q + 1);
  for (int k = h + 1; k <= m; ++k) Niveau(scale_, k, a2, a5, k - h, m - h + 1);
  for (int k = m + 1; k <= n; ++k) Niveau(scale_, k, a5, a3, k - m, n - m + 1);
}

void ChoixCouleursLogic::ChoisitMelange(MelangeCouleurs melange) {
  melange_ = melange;
  visible_[0] = visible_[1] = visible_[2] = true;
  switch (melange) {
    case MelangeCouleurs::DeuxLineaire:
      visible_[1] = visible_[3] = visible_[4] = false;
      break;
    case MelangeCouleurs::TroisLineaire:
    case MelangeCouleurs::TroisAutomatique:
      visible_[3] = visible_[4] = false;
      break;
    case MelangeCouleurs::TroisManuel: {
      visible_[3] = visible_[4] = true;
      const Ancre a1 = Decompose(pic1_[0]), a2 = Decompose(pic1_[1]), a3 = Decompose(pic1_[2]);
      pic1_[3] = Recompose(PlusGrande(a2, a1));
      pic1_[4] = Recompose(PlusGrande(a3, a2));
      break;
    }
  }
  ColorScale();
}

void ChoixCouleursLogic::ChoisitSchema(SchemaCouleurs schema) {
  schema_ = schema;
  txtLevels_ = "100";
  switch (schema) {
    case SchemaCouleurs::Rainbow:
      ChoisitMelange(MelangeCouleurs::TroisAutomatique);
      pic1_[0] = RGB(0, 0, 255);
      pic1_[1] = RGB(0, 255, 0);
      pic1_[2] = RGB(255, 0, 0);
      ChoisitMelange(MelangeCouleurs::TroisAutomatique);
      return;
    case SchemaCouleurs::Fiery:
      ChoisitMelange(MelangeCouleurs::TroisManuel);
      pic1_ = {RGB(255, 255, 0), RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 0, 0),
               RGB(0, 0, 255)};
      break;
    case SchemaCouleurs::Earth:
      ChoisitMelange(MelangeCouleurs::TroisManuel);
      pic1_ = {RGB(0, 0, 128), RGB(0, 128, 0), RGB(255, 255, 0), RGB(0, 255, 255),
               RGB(128, 64, 64)};
      break;
    case SchemaCouleurs::Marine:
      ChoisitMelange(MelangeCouleurs::TroisLineaire);
      pic1_[0] = RGB(128, 128, 255);
      pic1_[1] = RGB(0, 100, 100);
      pic1_[2] = RGB(255, 255, 128);
      break;
  }
  ColorScale();
}

void ChoixCouleursLogic::Inverse() {
  std::swap(pic1_[0], pic1_[2]);
  std::swap(pic1_[3], pic1_[4]);
  ColorScale();
}

void ChoixCouleursLogic::ChoisitTeinte(int i, Couleur c) {
  if (i < 0 || i >= static_cast<int>(pic1_.size())) return;
  pic1_[i] = c;
  ColorScale();
}

void ChoixCouleursLogic::Charge_FeuilleCouleurs() {
  ChoisitSchema(SchemaCouleurs::Fiery);
  Inverse();
}

void ChoixCouleursLogic::Accepte() {
  ColorScale();
  scale_.NbCouleurs = static_cast<int16_t>(NiveauxValides());
}

std::string ChoixCouleursLogic::NiveauSousPointeur(double y) {
  const double v = std::isfinite(y) ? std::clamp(y, -32768.0, 32767.0) : 0.0;
  return "Niveau " + std::to_string(VersInteger(v));
}

void DessineApercu(Surface& s, const ColourScale& scale, int n) {
  s.SetScale(0, n, 1, -n);
  for (int k = 1; k <= n; ++k) s.FilledBox(0, k - 1, 1, k, scale.Niveau(k));
}

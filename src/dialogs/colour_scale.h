#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/surface.h"
#include "plot/colour_scale_state.h"

// The computation behind the colour scale dialog: the level count, the preset
// schemes, the mix modes, the five anchor swatches, and the scale built from
// them into the shared ColourScale.

enum class SchemaCouleurs { Rainbow, Fiery, Earth, Marine };
inline constexpr std::array<std::string_view, 4> kSchemasCouleurs = {"Rainbow", "Fiery", "Earth",
                                                                     "Marine"};

enum class MelangeCouleurs { DeuxLineaire, TroisLineaire, TroisAutomatique, TroisManuel };
inline constexpr std::array<std::string_view, 4> kMelangesCouleurs = {
    "2 Color Linear", "3 Color Linear", "3 Color Automatic Mix", "3 Color Manual Mix"};

inline constexpr std::string_view kAideCouleurs =
    "Cliquez sur les boutons pour choisir les couleurs";

// Value of hexadecimal digits (upper or lower case, at most 8); 0 for an
// empty text or any other character.
int32_t HextoDecimal(std::string_view text);

class ChoixCouleursLogic {
 public:
  explicit ChoixCouleursLogic(ColourScale& scale) : scale_(scale) {}

  // Loading: "Fiery" applied, then reversed (100 levels, manual mix).
  void Charge_FeuilleCouleurs();

  // Validates the level count, then rebuilds levels 1..n of the scale from
  // the anchors and the mix mode.
  void ColorScale();
  // A preset: level count "100", its mix mode and swatches, recomputed.
  void ChoisitSchema(SchemaCouleurs schema);
  // A mix mode: which swatches show (the manual mix seeds swatches 3 and 4
  // from the others), recomputed.
  void ChoisitMelange(MelangeCouleurs melange);
  // Swaps swatches 0 and 2 and swatches 3 and 4, recomputed.
  void Inverse();
  // Swatch i (0..4) takes a colour the user confirmed, recomputed.
  void ChoisitTeinte(int i, Couleur c);
  // "Accepte": recomputes, then publishes the level count to the plot.
  void Accepte();

  // The level count field as the user typed it (takes effect at the next
  // ColorScale).
  void SetTxtLevels(std::string text) { txtLevels_ = std::move(text); }
  const std::string& TxtLevels() const { return txtLevels_; }
  // The level count of the field: its number rounded half to even when in
  // 2..200; otherwise (also for a text that is no number) the field becomes
  // "100" and the count 100.
  int NiveauxValides();

  Couleur Teinte(int i) const { return pic1_[i]; }
  bool TeinteVisible(int i) const { return visible_[i]; }
  std::optional<SchemaCouleurs> Schema() const { return schema_; }
  std::optional<MelangeCouleurs> Melange() const { return melange_; }

  // "Niveau " and the level under the pointer at height y of the preview.
  static std::string NiveauSousPointeur(double y);

 private:
  ColourScale& scale_;
  std::string txtLevels_ = "20";
  std::array<Couleur, 5> pic1_ = {RGB(0, 0, 255), RGB(0, 255, 0), RGB(255, 0, 0), RGB(0, 255, 255),
                                  RGB(255, 255, 0)};
  std::array<bool, 5> visible_ = {true, true, true, true, true};
  std::optional<SchemaCouleurs> schema_;
  std::optional<MelangeCouleurs> melange_;
};

// The preview bar: x 0..1, y 0 (bottom) to n (top), one band per level.
void DessineApercu(Surface& s, const ColourScale& scale, int n);

#include "dialogs/colour_scale.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Rgb = std::tuple<int, int, int>;

std::vector<Rgb> Niveaux(const ColourScale& s, int n) {
  std::vector<Rgb> out;
  for (int k = 1; k <= n; ++k) out.emplace_back(s.Rouge[k], s.Vert[k], s.Bleu[k]);
  return out;
}

TEST(ChoixCouleurs, CaptionsOfPresetsAndMixModes) {
  EXPECT_EQ(kSchemasCouleurs[static_cast<int>(SchemaCouleurs::Rainbow)], "Rainbow");
  EXPECT_EQ(kSchemasCouleurs[static_cast<int>(SchemaCouleurs::Fiery)], "Fiery");
  EXPECT_EQ(kSchemasCouleurs[static_cast<int>(SchemaCouleurs::Earth)], "Earth");
  EXPECT_EQ(kSchemasCouleurs[static_cast<int>(SchemaCouleurs::Marine)], "Marine");
  EXPECT_EQ(kMelangesCouleurs[static_cast<int>(MelangeCouleurs::DeuxLineaire)], "2 Color Linear");
  EXPECT_EQ(kMelangesCouleurs[static_cast<int>(MelangeCouleurs::TroisLineaire)], "3 Color Linear");
  EXPECT_EQ(kMelangesCouleurs[static_cast<int>(MelangeCouleurs::TroisAutomatique)],
            "3 Color Automatic Mix");
  EXPECT_EQ(kMelangesCouleurs[static_cast<int>(MelangeCouleurs::TroisManuel)],
            "3 Color Manual Mix");
}

TEST(HextoDecimal, HexadecimalDigitsOrZero) {
  const std::pair<const char*, int32_t> cases[] = {
      {"FF", 255},      {"ff", 255}, {"0A", 10}, {"A", 10}, {"80", 128},
      {"00", 0},        {"", 0},     {"G1", 0},  {"1 ", 0}, {"FFFFFF", 16777215},
      {"123456789", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(HextoDecimal(text), value) << text;
}

// Every worked example: a way to reach the dialog state, the level count and
// the levels expected.
struct Exemple {
  const char* name;
  void (*prepare)(ChoixCouleursLogic&);
  const char* levels;
  std::vector<Rgb> expected;
};

void Rainbow(ChoixCouleursLogic& d) {
  d.ChoisitSchema(SchemaCouleurs::Rainbow);
}
void Marine(ChoixCouleursLogic& d) {
  d.ChoisitSchema(SchemaCouleurs::Marine);
}
void Defaut(ChoixCouleursLogic& d) {
  d.Charge_FeuilleCouleurs();
}
void DeuxCouleurs(ChoixCouleursLogic& d) {
  d.ChoisitMelange(MelangeCouleurs::DeuxLineaire);
}
void TroisCouleurs(ChoixCouleursLogic& d) {
  d.ChoisitMelange(MelangeCouleurs::TroisLineaire);
}

TEST(ColorScale, WorkedExamples) {
  const Exemple cases[] = {
      {"2 Color Linear, blue to red",
       DeuxCouleurs,
       "4",
       {{0, 0, 255}, {43, 0, 213}, {170, 0, 85}, {213, 0, 43}}},
      {"3 Color Linear, initial swatches",
       TroisCouleurs,
       "4",
       {{0, 0, 255}, {0, 85, 170}, {85, 170, 0}, {170, 85, 0}}},
      {"Rainbow 5",
       Rainbow,
       "5",
       {{0, 0, 255}, {0, 255, 128}, {128, 255, 0}, {255, 170, 0}, {255, 85, 0}}},
      {"Rainbow 2", Rainbow, "2", {{0, 255, 128}, {255, 128, 0}}},
      {"Rainbow 3", Rainbow, "3", {{0, 255, 128}, {128, 255, 0}, {255, 128, 0}}},
      {"default 8",
       Defaut,
       "8",
       {{0, 255, 255},
        {0, 170, 255},
        {85, 0, 255},
        {170, 0, 255},
        {255, 0, 170},
        {255, 0, 85},
        {255, 85, 0},
        {255, 170, 0}}},
      {"Marine 4", Marine, "4", {{128, 128, 255}, {85, 119, 203}, {85, 152, 109}, {170, 203, 119}}},
  };
  for (const Exemple& c : cases) {
    SCOPED_TRACE(c.name);
    ColourScale scale;
    ChoixCouleursLogic d(scale);
    c.prepare(d);
    d.SetTxtLevels(c.levels);
    d.ColorScale();
    EXPECT_EQ(Niveaux(scale, static_cast<int>(c.expected.size())), c.expected);
  }
}

TEST(ColorScale, TwoColourModeComputesTheHiddenMiddleAnchor) {
  ColourScale scale;
  ChoixCouleursLogic d(scale);
  d.ChoisitMelange(MelangeCouleurs::DeuxLineaire);
  EXPECT_FALSE(d.TeinteVisible(1));
  EXPECT_FALSE(d.TeinteVisible(3));
  EXPECT_TRUE(d.TeinteVisible(2));
  d.SetTxtLevels("3");
  d.ColorScale();
  const std::vector<Rgb> before = Niveaux(scale, 3);
  d.ChoisitTeinte(1, RGB(12, 200, 99));
  EXPECT_EQ(Niveaux(scale, 3), before);
  // h = 1: level 2 is the middle anchor plus a third of the way to red.
  EXPECT_EQ(before[1], Rgb(128 + 42, 0, 128 - 43));
}

TEST(Charge_FeuilleCouleurs, DefaultScaleIsFieryReversedWithAHundredLevels) {
  ColourScale scale;
  ChoixCouleursLogic d(scale);
  d.Charge_FeuilleCouleurs();
  EXPECT_EQ(d.TxtLevels(), "100");
  EXPECT_EQ(d.Schema(), SchemaCouleurs::Fiery);
  EXPECT_EQ(d.Melange(), MelangeCouleurs::TroisManuel);
  const Couleur anchors[] = {RGB(0, 255, 255), RGB(255, 0, 255), RGB(255, 255, 0), RGB(0, 0, 255),
                             RGB(255, 0, 0)};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(d.Teinte(i), anchors[i]) << i;
    EXPECT_TRUE(d.TeinteVisible(i)) << i;
  }
  EXPECT_EQ(scale.NbCouleurs, 0);  // published only by "Accepte"
  const std::vector<Rgb> levels = Niveaux(scale, 100);
  EXPECT_EQ(levels[0], Rgb(0, 255, 255));
  EXPECT_EQ(levels[1], Rgb(0, 245, 255));
  EXPECT_EQ(levels[2], Rgb(0, 235, 255));
  EXPECT_EQ(levels[99], Rgb(255, 245, 0));
  d.Accepte();
  EXPECT_EQ(scale.NbCouleurs, 100);
}

TEST(NiveauxValides, OutOfRangeOrNonNumericCountsBecomeAHundred) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "100"},   {"0", "100"},   {"201", "100"}, {"2", "2"},           {"200", "200"},
      {"abc", "100"}, {"", "100"},    {"-5", "100"},  {"1e9", "100"},       {"99999999999", "100"},
      {"2.5", "2.5"}, {"1.5", "1.5"}, {" 37", " 37"}, {"150abc", "150abc"},
  };
  for (const auto& [typed, shown] : cases) {
    SCOPED_TRACE(typed);
    ColourScale scale;
    ChoixCouleursLogic d(scale);
    d.Charge_FeuilleCouleurs();
    d.SetTxtLevels(typed);
    EXPECT_NO_THROW(d.Accepte());
    EXPECT_EQ(d.TxtLevels(), shown);
    EXPECT_GE(scale.NbCouleurs, 2);
    EXPECT_LE(scale.NbCouleurs, 200);
  }
  ColourScale scale;
  ChoixCouleursLogic d(scale);
  d.SetTxtLevels("2.5");  // halves to even
  EXPECT_EQ(d.NiveauxValides(), 2);
  d.SetTxtLevels("3.5");
  EXPECT_EQ(d.NiveauxValides(), 4);
  d.SetTxtLevels("150abc");
  EXPECT_EQ(d.NiveauxValides(), 150);
}

TEST(ChoisitSchema, EveryPresetResetsTheCountToAHundred) {
  for (SchemaCouleurs s : {SchemaCouleurs::Rainbow, SchemaCouleurs::Fiery, SchemaCouleurs::Earth,
                           SchemaCouleurs::Marine}) {
    ColourScale scale;
    ChoixCouleursLogic d(scale);
    d.SetTxtLevels("7");
    d.ChoisitSchema(s);
    EXPECT_EQ(d.TxtLevels(), "100");
  }
}

TEST(ChoisitMelange, ManualMixSeedsSwatchesThreeAndFourFromTheOthers) {
  ColourScale scale;
  ChoixCouleursLogic d(scale);
  d.ChoisitTeinte(0, RGB(10, 200, 0));
  d.ChoisitTeinte(1, RGB(50, 20, 30));
  d.ChoisitTeinte(2, RGB(0, 0, 250));
  d.ChoisitMelange(MelangeCouleurs::TroisManuel);
  EXPECT_EQ(d.Teinte(3), RGB(50, 200, 30));
  EXPECT_EQ(d.Teinte(4), RGB(50, 20, 250));
  EXPECT_TRUE(d.TeinteVisible(3));
  d.ChoisitMelange(MelangeCouleurs::TroisAutomatique);
  EXPECT_FALSE(d.TeinteVisible(3));
  EXPECT_FALSE(d.TeinteVisible(4));
  EXPECT_TRUE(d.TeinteVisible(1));
}

TEST(ColorScale, OddNumberOfHexDigitsSplitsFromTheRight) {
  // (255, 255, 10) is the five digits AFFFF.
  ColourScale scale;
  ChoixCouleursLogic d(scale);
  d.ChoisitMelange(MelangeCouleurs::TroisLineaire);
  d.ChoisitTeinte(0, RGB(255, 255, 10));
  d.SetTxtLevels("2");
  d.ColorScale();
  EXPECT_EQ(Niveaux(scale, 1), (std::vector<Rgb>{{255, 255, 10}}));
}

TEST(Inverse, TwiceGivesBackTheSwatches) {
  ColourScale scale;
  ChoixCouleursLogic d(scale);
  d.ChoisitSchema(SchemaCouleurs::Earth);
  std::vector<Couleur> before;
  for (int i = 0; i < 5; ++i) before.push_back(d.Teinte(i));
  const std::vector<Rgb> levels = Niveaux(scale, 100);
  d.Inverse();
  EXPECT_EQ(d.Teinte(0), before[2]);
  EXPECT_EQ(d.Teinte(1), before[1]);
  EXPECT_EQ(d.Teinte(3), before[4]);
  d.Inverse();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(d.Teinte(i), before[i]);
  EXPECT_EQ(Niveaux(scale, 100), levels);
}

TEST(ColorScale, LevelsAboveTheCountKeepTheirOlderValues) {
  ColourScale scale;
  ChoixCouleursLogic d(scale);
  d.Charge_FeuilleCouleurs();
  const std::vector<Rgb> hundred = Niveaux(scale, 100);
  d.SetTxtLevels("10");
  d.ColorScale();
  EXPECT_EQ(Niveaux(scale, 100)[50], hundred[50]);
  EXPECT_NE(Niveaux(scale, 10), std::vector<Rgb>(hundred.begin(), hundred.begin() + 10));
}

TEST(NiveauSousPointeur, RoundsThePointerHeightToALevel) {
  EXPECT_EQ(ChoixCouleursLogic::NiveauSousPointeur(36.6), "Niveau 37");
  EXPECT_EQ(ChoixCouleursLogic::NiveauSousPointeur(2.5), "Niveau 2");
  EXPECT_EQ(ChoixCouleursLogic::NiveauSousPointeur(1e9), "Niveau 32767");
}

}  // namespace

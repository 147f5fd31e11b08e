#include "workbench/reechantillonnage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Samples 1..n with value i.
std::vector<float> Rampe(int32_t n) {
  std::vector<float> v(static_cast<size_t>(n) + 1, 0.0f);
  for (int32_t i = 1; i <= n; ++i) v[i] = static_cast<float>(i);
  return v;
}

TEST(LirePas, RoundsAndRefusesWhatAnIntegerCannotHold) {
  struct Cas {
    const char* texte;
    bool accepte;
    int16_t pas;
  };
  const Cas cas[] = {
      {" 1", true, 1},
      {"3", true, 3},
      {"2.5", true, 2},
      {"3.5", true, 4},
      {"0", true, 0},
      {"-4", true, -4},
      {"", true, 0},
      {"abc", true, 0},
      {"32767", true, 32767},
      {"32767.4", true, 32767},
      {"32767.5", false, 0},
      {"40000", false, 0},
      {"1e10", false, 0},
      {"-1e10", true, 0},
      {"-32768", true, -32768},
  };
  for (const Cas& c : cas) {
    const LecturePas l = LirePas(c.texte);
    EXPECT_EQ(l.accepte, c.accepte) << '"' << c.texte << '"';
    if (c.accepte) {
      EXPECT_EQ(l.pas, c.pas) << '"' << c.texte << '"';
    }
  }
}

TEST(PasApresPerteFocus, BelowOneBecomesTwo) {
  EXPECT_EQ(PasApresPerteFocus(0), 2);
  EXPECT_EQ(PasApresPerteFocus(-7), 2);
  EXPECT_EQ(PasApresPerteFocus(1), 1);
  EXPECT_EQ(PasApresPerteFocus(5), 5);
  EXPECT_TRUE(DiviseurAccepte("1"));
  EXPECT_TRUE(DiviseurAccepte("2.5"));
  EXPECT_FALSE(DiviseurAccepte("0.99"));
  EXPECT_FALSE(DiviseurAccepte(""));
}

TEST(Combien, CountsOfBothModes) {
  struct Cas {
    int32_t i1, i2;
    ModeReechantillonnage mode;
    bool ok;
    int32_t nsecond, affiche;
  };
  const Cas cas[] = {
      {1, 10, {false, 3, 1.0}, true, 3, 3},
      {1, 10, {false, 1, 1.0}, true, 10, 10},
      {4, 9, {false, 7, 1.0}, true, 0, 0},
      {1, 10, {true, 1, 4.0}, true, 10, 2},  // 2.5 halves to even
      {1, 14, {true, 1, 4.0}, true, 14, 4},  // 3.5 halves to even
      {1, 10, {true, 1, 3.0}, true, 10, 3},
      {1, 10, {false, 0, 1.0}, false, 0, 0},  // division by zero
      {1, 10, {false, -2, 1.0}, false, 0, 0},
      {1, 10, {true, 1, 0.0}, false, 0, 0},
      {1, 10, {true, 1, -2.0}, false, 0, 0},
      {1, 2000000000, {true, 1, 1e-3}, false, 0, 0},  // beyond a Long
  };
  for (const Cas& c : cas) {
    const std::optional<CompteSecond> s = CombienNSECOND(c.i1, c.i2, c.mode);
    const std::optional<int32_t> n = CombienN(c.i1, c.i2, c.mode);
    EXPECT_EQ(s.has_value(), c.ok) << c.i1 << ".." << c.i2;
    EXPECT_EQ(n.has_value(), c.ok) << c.i1 << ".." << c.i2;
    if (s && n) {
      EXPECT_EQ(s->NSecond, c.nsecond);
      EXPECT_EQ(s->affiche, c.affiche);
      EXPECT_EQ(*n, c.affiche);
    }
  }
}

TEST(Lire_Data_Second, ThinningAndAveraging) {
  struct Cas {
    const char* nom;
    std::vector<float> lu;
    int32_t i1, i2, k;
    bool moyenne;
    std::vector<float> attendu;  // SignalSecond(1..NSecond)
  };
  const Cas cas[] = {
      {"thinning keeps the last of each group", Rampe(10), 1, 10, 3, false, {3, 6, 9}},
      {"averaging drops the incomplete group", Rampe(10), 1, 10, 3, true, {2, 5, 8}},
      {"averaging by two", {0, 1, 3, 5, 7}, 1, 4, 2, true, {2, 6}},
      {"step one copies", Rampe(5), 1, 5, 1, false, {1, 2, 3, 4, 5}},
      {"a stretch", Rampe(20), 5, 12, 4, false, {8, 12}},
      {"a stretch averaged", Rampe(20), 5, 12, 4, true, {6.5f, 10.5f}},
      {"shorter than the step", Rampe(10), 3, 5, 4, false, {}},
      {"indices beyond the signal count nothing", Rampe(6), 5, 9, 1, false, {5, 6}},
      {"step below one", Rampe(6), 1, 6, 0, false, {}},
  };
  for (const Cas& c : cas) {
    const SignalSecondaire s = Lire_Data_Second(c.lu, c.i1, c.i2, c.k, c.moyenne);
    EXPECT_EQ(s.NSecond, static_cast<int32_t>(c.attendu.size())) << c.nom;
    std::vector<float> attendu = c.attendu;
    attendu.insert(attendu.begin(), 0.0f);
    EXPECT_EQ(s.SignalSecond, attendu) << c.nom;
    if (!c.attendu.empty()) {
      EXPECT_EQ(s.SecondMin, *std::min_element(c.attendu.begin(), c.attendu.end())) << c.nom;
      EXPECT_EQ(s.SecondMax, *std::max_element(c.attendu.begin(), c.attendu.end())) << c.nom;
    }
  }
}

TEST(Lire_Data_Second, AveragingLargeValuesDoesNotOverflow) {
  const std::vector<float> lu = {0.0f, 3e38f, 3e38f, 3e38f};
  const SignalSecondaire s = Lire_Data_Second(lu, 1, 3, 3, true);
  EXPECT_EQ(s.SignalSecond[1], 3e38f);
}

WorkbenchState Charge(int32_t n) {
  WorkbenchState e;
  e.SignalLu = Rampe(n);
  e.Nreel = n;
  return e;
}

TEST(Reechantillonner, WholeSignalStepOneNoneIsTheSignal) {
  WorkbenchState e = Charge(10);
  e.I1 = 1;
  e.I2 = 10;
  ASSERT_TRUE(Reechantillonner(e, {false, 1, 1.0}, 1, FenetreSpectrale::None));
  EXPECT_EQ(e.NSecond, 10);
  EXPECT_EQ(e.Nmax, 10);
  EXPECT_EQ(e.Signal, e.SignalLu);
  EXPECT_EQ(e.SignalMin, 1.0f);
  EXPECT_EQ(e.SignalMax, 10.0f);
}

TEST(Reechantillonner, WorkedExampleOfThree) {
  WorkbenchState e = Charge(10);
  e.I1 = 1;
  e.I2 = 10;
  ASSERT_TRUE(Reechantillonner(e, {false, 3, 1.0}, 3, FenetreSpectrale::None));
  EXPECT_EQ(e.NSecond, 3);
  EXPECT_EQ(e.Nmax, 3);
  EXPECT_EQ(e.Signal, std::vector<float>({0, 3, 6, 9}));
  e.Moyenne = true;
  ASSERT_TRUE(Reechantillonner(e, {false, 3, 1.0}, 3, FenetreSpectrale::None));
  EXPECT_EQ(e.Signal, std::vector<float>({0, 2, 5, 8}));
}

TEST(Reechantillonner, FourierModeKeepsFullRateAndCountsTheReduction) {
  WorkbenchState e = Charge(10);
  e.I1 = 1;
  e.I2 = 10;
  ASSERT_TRUE(Reechantillonner(e, {true, 1, 4.0}, 1, FenetreSpectrale::None));
  EXPECT_EQ(e.NSecond, 10);
  EXPECT_EQ(e.Nmax, 2);
  EXPECT_EQ(e.Signal, std::vector<float>({0, 1, 2}));
}

TEST(Reechantillonner, SelectionShorterThanTheStepGivesNoWorkingSignal) {
  WorkbenchState e = Charge(10);
  e.I1 = 2;
  e.I2 = 4;
  e.SecondMin = -7.0f;
  EXPECT_FALSE(Reechantillonner(e, {false, 5, 1.0}, 5, FenetreSpectrale::Hamming));
  EXPECT_EQ(e.NSecond, 0);
  EXPECT_EQ(e.Nmax, 0);
  EXPECT_EQ(e.Signal.size(), 1u);
  EXPECT_EQ(e.SecondMin, -7.0f);  // nothing to take the extremes of
}

TEST(Finish, FailedCountKeepsThePreviousNmaxWithinNSecond) {
  WorkbenchState e = Charge(10);
  e.I1 = 1;
  e.I2 = 10;
  ASSERT_TRUE(Reechantillonner(e, {false, 2, 1.0}, 2, FenetreSpectrale::None));
  EXPECT_EQ(e.Nmax, 5);
  ASSERT_TRUE(Finish(e, {true, 1, 0.0}, FenetreSpectrale::None));  // divisor 0
  EXPECT_EQ(e.Nmax, 5);
  ASSERT_TRUE(Finish(e, {true, 1, 0.5}, FenetreSpectrale::None));  // L / d = 20 > NSecond
  EXPECT_EQ(e.Nmax, 5);
  EXPECT_EQ(e.Signal, std::vector<float>({0, 2, 4, 6, 8, 10}));
}

}  // namespace

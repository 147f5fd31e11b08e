#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "workbench/coupure.h"
#include "workbench/filtre_cb_ecriture.h"
#include "workbench/filtre_cb_format.h"
#include "workbench/filtre_cb_lecture.h"

namespace {

TEST(LigneFiltre, WritesEachNumberInTheStrFormFollowedByOneBlank) {
  EXPECT_EQ(LigneFiltre(6.0f, 7.0f), " 6  7 \r\n");
  EXPECT_EQ(LigneFiltre(-0.25f, 12.5f), "-.25  12.5 \r\n");
  EXPECT_EQ(LigneFiltre(1.5e-7f, 6.123457f), " 1.5E-07  6.123457 \r\n");
}

TEST(LireLigneFiltre, ReadsTwoNumbersSeparatedByBlanksOrACommaAndNothingElse) {
  const struct {
    const char* ligne;
    std::optional<Bande> bande;
  } cas[] = {
      {" 6  7 ", Bande{6.0f, 7.0f}},
      {" 6            7             ", Bande{6.0f, 7.0f}},  // print zones of 14 columns
      {"6,7", Bande{6.0f, 7.0f}},
      {" 6 , 7 ", Bande{6.0f, 7.0f}},
      {"\t6\t7\t\r", Bande{6.0f, 7.0f}},
      {"-.25  12.5 ", Bande{-0.25f, 12.5f}},
      {" 1.5E-07  6.123457 ", Bande{1.5e-7f, 6.123457f}},
      {"+5. 6e0", Bande{5.0f, 6.0f}},
      {"1D1 1.2d+1", Bande{10.0f, 12.0f}},
      {" 6  6 ", Bande{6.0f, 6.0f}},
      {"-160 160", Bande{-160.0f, 160.0f}},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {" 6 ", std::nullopt},
      {" 6  7  8 ", std::nullopt},
      {"6,,7", std::nullopt},
      {"6 7,", std::nullopt},
      {",6 7", std::nullopt},
      {"6-7", std::nullopt},
      {"6 7x", std::nullopt},
      {"6 . ", std::nullopt},
      {"6 7E", std::nullopt},
      {"6 7E+", std::nullopt},
      {"&H6 7", std::nullopt},
      {" Inf  Inf ", std::nullopt},
      {" NaN  NaN ", std::nullopt},
      {" 7  6 ", std::nullopt},          // reversed
      {" 1E+39  2E+39 ", std::nullopt},  // beyond a Single
      {" 150  161 ", std::nullopt},      // beyond any frequency
      {"-170 0", std::nullopt},
  };
  for (const auto& c : cas) EXPECT_EQ(LireLigneFiltre(c.ligne), c.bande) << '"' << c.ligne << '"';
  EXPECT_EQ(LireLigneFiltre(std::string_view("6\0 7", 4)), std::nullopt);
}

class FichierFiltreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    chemin_ = (std::filesystem::temp_directory_path() /
               (std::string("marv_filtre_") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".fcb"))
                  .string();
  }
  void TearDown() override { std::filesystem::remove(chemin_); }

  void Ecrit(const std::string& contenu) const {
    std::ofstream(chemin_, std::ios::binary | std::ios::trunc) << contenu;
  }
  std::string Contenu() const {
    std::ifstream f(chemin_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }

  // A spectrum of 1024 elements at 1 kHz, each element distinct.
  static WorkbenchState EtatSpectre() {
    WorkbenchState etat;
    etat.NFFT = 1024;
    etat.Spectre.resize(1025);
    for (int j = 1; j <= 1024; ++j) etat.Spectre[j] = Complexe{static_cast<float>(j), 1.0f};
    return etat;
  }

  std::string chemin_;
};

bool MemesSpectres(const std::vector<Complexe>& a, const std::vector<Complexe>& b) {
  if (a.size() != b.size()) return false;
  for (size_t j = 0; j < a.size(); ++j) {
    if (a[j].Re != b[j].Re || a[j].Im != b[j].Im) return false;
  }
  return true;
}

TEST_F(FichierFiltreTest, AFileRecordedWhileCuttingGivesTheSameCutsWhenReadBack) {
  WorkbenchState coupe = EtatSpectre();
  EnregistreurFiltre enregistreur;
  ASSERT_FALSE(EnregistrerFiltre(coupe, enregistreur, chemin_));
  const double clics[][2] = {{6.0123, 6.9871}, {3.3333333, 2.1111111}, {8.5, 8.75}};
  for (const auto& c : clics) {
    CommenceCoupure(coupe);
    ClicCoupure(coupe, enregistreur, c[0], 0.001f);
    ASSERT_FALSE(ClicCoupure(coupe, enregistreur, c[1], 0.001f).message);
  }
  FinEnreg(coupe, enregistreur);

  const auto lu = LireFichierFiltre(chemin_);
  ASSERT_TRUE(std::holds_alternative<std::vector<Bande>>(lu));
  const std::vector<Bande>& bandes = std::get<std::vector<Bande>>(lu);
  ASSERT_EQ(bandes.size(), 3u);
  EXPECT_FLOAT_EQ(bandes[1].F1, 2.1111111f);  // in cutting order, ends exchanged
  EXPECT_FLOAT_EQ(bandes[1].F2, 3.3333333f);

  WorkbenchState relu = EtatSpectre();
  ASSERT_FALSE(LireFiltre(relu, chemin_, 0.001f));
  EXPECT_EQ(relu.Dt, 0.001f);
  EXPECT_TRUE(MemesSpectres(relu.Spectre, coupe.Spectre));
}

TEST_F(FichierFiltreTest, EveryBlankLayoutAndLineEndGivesTheSameCuts) {
  const char* fichiers[] = {
      " 6  7 \r\n 8.5  8.75 \r\n",
      " 6            7             \r\n 8.5           8.75          \r\n",
      "6,7\n8.5 , 8.75",                                      // LF, no line end on the last line
      "\xEF\xBB\xBF 6  7 \r\n\r\n  \r\n 8.5  8.75 \r\n\r\n",  // BOM and blank lines
  };
  WorkbenchState reference = EtatSpectre();
  CoupeBande(reference.Spectre, 1024, 0.001f, 6.0f, 7.0f);
  CoupeBande(reference.Spectre, 1024, 0.001f, 8.5f, 8.75f);
  for (const char* contenu : fichiers) {
    Ecrit(contenu);
    WorkbenchState etat = EtatSpectre();
    ASSERT_FALSE(LireFiltre(etat, chemin_, 0.001f)) << contenu;
    EXPECT_TRUE(MemesSpectres(etat.Spectre, reference.Spectre)) << contenu;
  }
}

TEST_F(FichierFiltreTest, AnEmptyFileCutsNothing) {
  Ecrit("");
  WorkbenchState etat = EtatSpectre();
  EXPECT_FALSE(LireFiltre(etat, chemin_, 0.001f));
  EXPECT_TRUE(MemesSpectres(etat.Spectre, EtatSpectre().Spectre));
}

// A bad file applies none of its bands, not even those before the fault.
TEST_F(FichierFiltreTest, ABadFileIsRefusedWholeAndChangesNothing) {
  std::string tropDeLignes;
  for (size_t i = 0; i <= kLignesMaxFiltre; ++i) tropDeLignes += " 6  7 \r\n";
  const struct {
    const char* nom;
    std::string contenu;
  } cas[] = {
      {"text", "Filtre passe-bas\r\n"},
      {"good line then text", " 6  7 \r\nsix sept\r\n"},
      {"good lines then a truncated one", " 6  7 \r\n 8  9 \r\n 10"},
      {"truncated number", " 6  7 \r\n 8  9E"},
      {"reversed band", " 6  7 \r\n 9  8 \r\n"},
      {"beyond any frequency", " 6  7 \r\n 1E+30  1E+31 \r\n"},
      {"beyond a Single", " 6  7 \r\n 1E+300  1E+301 \r\n"},
      {"binary", std::string("\x00\x01\x02\xFF\xFE 6 7\r\n", 11)},
      {"a number in a string", "\"6\" \"7\"\r\n"},
      {"line too long", " 6  7 \r\n" + std::string(kLongueurMaxLigneFiltre + 1, ' ') + "\r\n"},
      {"too many lines", tropDeLignes},
  };
  const WorkbenchState vierge = EtatSpectre();
  for (const auto& c : cas) {
    Ecrit(c.contenu);
    const auto lu = LireFichierFiltre(chemin_);
    ASSERT_TRUE(std::holds_alternative<MessageSpectre>(lu)) << c.nom;
    EXPECT_EQ(std::get<MessageSpectre>(lu), (MessageSpectre{" Erreur de lecture ", "Lecture"}))
        << c.nom;
    WorkbenchState etat = EtatSpectre();
    EXPECT_EQ(LireFiltre(etat, chemin_, 0.001f), (MessageSpectre{" Erreur de lecture ", "Lecture"}))
        << c.nom;
    EXPECT_TRUE(MemesSpectres(etat.Spectre, vierge.Spectre)) << c.nom;
    EXPECT_EQ(etat.Dt, 0.0f) << c.nom;
  }
}

TEST_F(FichierFiltreTest, AFileOfExactlyTheLineLimitIsRead) {
  std::string contenu;
  for (size_t i = 0; i < kLignesMaxFiltre; ++i) contenu += " 6  7 \r\n";
  Ecrit(contenu);
  const auto lu = LireFichierFiltre(chemin_);
  ASSERT_TRUE(std::holds_alternative<std::vector<Bande>>(lu));
  EXPECT_EQ(std::get<std::vector<Bande>>(lu).size(), kLignesMaxFiltre);
}

TEST_F(FichierFiltreTest, AMissingFileOrAFolderCannotBeRead) {
  WorkbenchState etat = EtatSpectre();
  EXPECT_FALSE(FichierExiste(chemin_));
  EXPECT_TRUE(LireFiltre(etat, chemin_, 0.001f));
  const std::string dossier = std::filesystem::temp_directory_path().string();
  EXPECT_FALSE(FichierExiste(dossier));
  EXPECT_TRUE(LireFiltre(etat, dossier, 0.001f));
  EXPECT_TRUE(MemesSpectres(etat.Spectre, EtatSpectre().Spectre));
  Ecrit("");
  EXPECT_TRUE(FichierExiste(chemin_));
}

TEST_F(FichierFiltreTest, AnInvalidIntervalAppliesNothing) {
  Ecrit(" 6  7 \r\n");
  WorkbenchState etat = EtatSpectre();
  EXPECT_EQ(LireFiltre(etat, chemin_, 0.0f), MessageDtIncorrect());
  EXPECT_TRUE(MemesSpectres(etat.Spectre, EtatSpectre().Spectre));
}

TEST_F(FichierFiltreTest, RecordingReplacesTheFileAndAFailedOpenLeavesRecordingOff) {
  Ecrit(" 1  2 \r\n 3  4 \r\n");
  WorkbenchState etat;
  EnregistreurFiltre enregistreur;
  ASSERT_FALSE(EnregistrerFiltre(etat, enregistreur, chemin_));
  EXPECT_TRUE(etat.EnregFiltre);
  EXPECT_EQ(Contenu(), "");
  etat.F1 = 6.0f;
  etat.F2 = 7.0f;
  ASSERT_FALSE(AjouteBande(etat, enregistreur));
  EXPECT_EQ(Contenu(), " 6  7 \r\n");

  const std::string impossible = chemin_ + ".absent/filtre.fcb";
  EXPECT_EQ(EnregistrerFiltre(etat, enregistreur, impossible),
            (MessageSpectre{" Erreur d'ouverture ", "Ouverture"}));
  EXPECT_FALSE(etat.EnregFiltre);
  EXPECT_FALSE(enregistreur.Ouvert());
  // Nothing is open any more, so nothing is written.
  EXPECT_EQ(AjouteBande(etat, enregistreur), (MessageSpectre{" Erreur d'écriture ", "Ecriture"}));
  EXPECT_EQ(Contenu(), " 6  7 \r\n");
}

TEST_F(FichierFiltreTest, AFailedWriteEndsTheRecording) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  WorkbenchState etat;
  EnregistreurFiltre enregistreur;
  ASSERT_FALSE(EnregistrerFiltre(etat, enregistreur, "/dev/full"));
  etat.F1 = 6.0f;
  etat.F2 = 7.0f;
  EXPECT_EQ(AjouteBande(etat, enregistreur), (MessageSpectre{" Erreur d'écriture ", "Ecriture"}));
  EXPECT_FALSE(etat.EnregFiltre);
  EXPECT_FALSE(enregistreur.Ouvert());
}

}  // namespace

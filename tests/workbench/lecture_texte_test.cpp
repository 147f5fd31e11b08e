#include "workbench/lecture_texte.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A file in a fresh temporary directory, removed with the fixture.
class FichierTemporaire : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier_ =
        fs::temp_directory_path() /
        ("marv_lecture_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dossier_);
  }
  void TearDown() override { fs::remove_all(dossier_); }

  std::string Ecrire(const std::string& nom, const std::string& contenu) {
    const std::string chemin = (dossier_ / nom).string();
    std::ofstream f(chemin, std::ios::binary);
    f << contenu;
    return chemin;
  }

  fs::path dossier_;
};

struct CasValide {
  const char* nom;
  std::string texte;
  std::vector<float> attendu;  // SignalLu(1..Nreel)
};

TEST(ChargerTexte, ValidFiles) {
  const CasValide cas[] = {
      {"commas and lines", "1.5, -2\n3\n", {1.5f, -2.0f, 3.0f}},
      {"crlf and tabs", "1\t2\r\n3\r\n", {1.0f, 2.0f, 3.0f}},
      {"blank lines do not count", "\n\n4\n\n\n5\n\n", {4.0f, 5.0f}},
      {"empty fields do not count", "1,,2, ,3", {1.0f, 2.0f, 3.0f}},
      {"no final line break", "7 8", {7.0f, 8.0f}},
      {"exponents", "5.E-6 1e3 -2.5E+2 1D2 .5 7.", {5e-6f, 1000.0f, -250.0f, 100.0f, 0.5f, 7.0f}},
      {"signs", "+1 -0 -.25", {1.0f, -0.0f, -0.25f}},
      {"byte order mark",
       "\xEF\xBB\xBF"
       "1 2",
       {1.0f, 2.0f}},
      {"below the Single range reads as 0", "1e-60 2", {0.0f, 2.0f}},
      {"largest Single", "3.4028234e38", {3.4028234e38f}},
  };
  for (const CasValide& c : cas) {
    ResultatLecture<SignalTexte> r = ChargerTexte(c.texte);
    ASSERT_TRUE(std::holds_alternative<SignalTexte>(r)) << c.nom;
    const SignalTexte& s = std::get<SignalTexte>(r);
    EXPECT_EQ(s.Nreel, static_cast<int32_t>(c.attendu.size())) << c.nom;
    ASSERT_EQ(s.SignalLu.size(), c.attendu.size() + 1) << c.nom;
    for (size_t i = 0; i < c.attendu.size(); ++i) {
      EXPECT_EQ(s.SignalLu[i + 1], c.attendu[i]) << c.nom << " sample " << i + 1;
    }
  }
}

TEST(ChargerTexte, RangeIsTheFilesOwn) {
  ResultatLecture<SignalTexte> r = ChargerTexte("1.5, -2\n3\n");
  const SignalTexte& s = std::get<SignalTexte>(r);
  EXPECT_EQ(s.LuMin, -2.0f);
  EXPECT_EQ(s.LuMax, 3.0f);
  ResultatLecture<SignalTexte> positif = ChargerTexte("10 12 11");
  EXPECT_EQ(std::get<SignalTexte>(positif).LuMin, 10.0f);  // zero is not forced in
  EXPECT_EQ(std::get<SignalTexte>(positif).LuMax, 12.0f);
}

TEST(ChargerTexte, ConstantSignalGetsARangeCentredOnIt) {
  struct Cas {
    const char* texte;
    float min, max;
  };
  const Cas cas[] = {
      {"4 4 4", 2.0f, 6.0f},
      {"0", -1.0f, 1.0f},
      {"-0.5 -0.5", -1.5f, 0.5f},
      {"3e38 3e38", 1.5e38f, 3.4028235e38f},  // kept within the Single range
  };
  for (const Cas& c : cas) {
    const SignalTexte s = std::get<SignalTexte>(ChargerTexte(c.texte));
    EXPECT_EQ(s.LuMin, c.min) << c.texte;
    EXPECT_EQ(s.LuMax, c.max) << c.texte;
  }
}

TEST(ChargerTexte, BadFilesFailWithTheReadError) {
  struct Cas {
    const char* nom;
    std::string texte;
  };
  const Cas cas[] = {
      {"empty", ""},
      {"only separators", " ,\n\n\t"},
      {"only text", "bonjour"},
      {"a word among numbers", "1 2 trois 4"},
      {"binary garbage", std::string("\x00\x01\xff\xfe\x7f", 5)},
      {"NUL after a number", std::string("1\0", 2)},
      {"too large for a Single", "1 1e39"},
      {"too large for a Double", "1e400"},
      {"semicolon", "1;5"},
      {"infinity spelled", "inf"},
      {"nan spelled", "nan"},
      {"hexadecimal", "0x10"},
      {"exponent without digits", "1E"},
      {"two points", "1.2.3"},
      {"sign alone", "-"},
      {"number glued to text", "12abc"},
      {"token too long", std::string(kLongueurMaxJeton + 1, '1')},
  };
  for (const Cas& c : cas) {
    ResultatLecture<SignalTexte> r = ChargerTexte(c.texte);
    ASSERT_TRUE(std::holds_alternative<ErreurLecture>(r)) << c.nom;
    EXPECT_EQ(std::get<ErreurLecture>(r).message, " Erreur de lecture ") << c.nom;
    EXPECT_EQ(std::get<ErreurLecture>(r).titre, "Lecture Tableau") << c.nom;
  }
}

TEST(CompterTexte, EmptyCountsZeroWithoutFailing) {
  ResultatLecture<CompteTexte> r = CompterTexte("\n\n");
  ASSERT_TRUE(std::holds_alternative<CompteTexte>(r));
  EXPECT_EQ(std::get<CompteTexte>(r).Nreel, 0);
}

TEST_F(FichierTemporaire, FileLoadsLikeItsText) {
  const std::string chemin = Ecrire("signal.txt", "1.5, -2\n3\n");
  ResultatLecture<SignalTexte> r = ChargerFichierTexte(chemin);
  ASSERT_TRUE(std::holds_alternative<SignalTexte>(r));
  const SignalTexte& s = std::get<SignalTexte>(r);
  EXPECT_EQ(s.Nreel, 3);
  EXPECT_EQ(s.SignalLu, std::vector<float>({0.0f, 1.5f, -2.0f, 3.0f}));
}

TEST_F(FichierTemporaire, TokensCutByBlockEndsAndVeryLongLines) {
  // Over two megabytes on one line: tokens straddle the block ends.
  std::string texte;
  std::vector<float> attendu;
  for (int i = 0; i < 300000; ++i) {
    const float v = static_cast<float>(i % 1000) * 0.125f - 60.0f;
    texte += std::to_string(v) + (i % 3 ? "," : " ");
    attendu.push_back(v);
  }
  const std::string chemin = Ecrire("long.dat", texte);
  ResultatLecture<SignalTexte> r = ChargerFichierTexte(chemin);
  ASSERT_TRUE(std::holds_alternative<SignalTexte>(r));
  const SignalTexte& s = std::get<SignalTexte>(r);
  ASSERT_EQ(s.Nreel, 300000);
  for (int i = 0; i < 300000; ++i) ASSERT_EQ(s.SignalLu[i + 1], attendu[i]) << i;
}

TEST_F(FichierTemporaire, TenMillionLines) {
  std::string texte;
  texte.reserve(40000000);
  for (int i = 0; i < 10000000; ++i) {
    texte += static_cast<char>('0' + i % 10);
    texte += '\n';
  }
  const std::string chemin = Ecrire("dix_millions.txt", texte);
  texte.clear();
  ResultatLecture<SignalTexte> r = ChargerFichierTexte(chemin);
  ASSERT_TRUE(std::holds_alternative<SignalTexte>(r));
  const SignalTexte& s = std::get<SignalTexte>(r);
  EXPECT_EQ(s.Nreel, 10000000);
  EXPECT_EQ(s.SignalLu[10000000], 9.0f);
  EXPECT_EQ(s.LuMin, 0.0f);
  EXPECT_EQ(s.LuMax, 9.0f);
}

TEST_F(FichierTemporaire, UnreadableFilesFail) {
  const std::string absent = (dossier_ / "absent.txt").string();
  EXPECT_TRUE(std::holds_alternative<ErreurLecture>(ChargerFichierTexte(absent)));
  EXPECT_TRUE(std::holds_alternative<ErreurLecture>(CompterFichierTexte(absent)));
  EXPECT_TRUE(std::holds_alternative<ErreurLecture>(ChargerFichierTexte(dossier_.string())));
  // A long run without any separator, longer than a block.
  const std::string sansFin = Ecrire("sans_fin.txt", std::string(3 << 20, '7'));
  EXPECT_TRUE(std::holds_alternative<ErreurLecture>(ChargerFichierTexte(sansFin)));
}

TEST_F(FichierTemporaire, FileChangedBetweenThePassesFails) {
  struct Cas {
    const char* nom;
    const char* avant;
    const char* apres;  // nullptr: removed
  };
  const Cas cas[] = {
      {"removed", "1 2 3", nullptr},       {"shorter", "1 2 3", "1 2"},
      {"longer", "1 2 3", "1 2 3 4"},      {"other extremes", "1 2 3", "1 2 9"},
      {"now a word", "1 2 3", "1 deux 3"},
  };
  for (const Cas& c : cas) {
    const std::string chemin = Ecrire("change.txt", c.avant);
    ResultatLecture<CompteTexte> compte = CompterFichierTexte(chemin);
    ASSERT_TRUE(std::holds_alternative<CompteTexte>(compte)) << c.nom;
    if (c.apres) {
      Ecrire("change.txt", c.apres);
    } else {
      fs::remove(chemin);
    }
    ResultatLecture<SignalTexte> r = LireFichierTexte(chemin, std::get<CompteTexte>(compte));
    EXPECT_TRUE(std::holds_alternative<ErreurLecture>(r)) << c.nom;
  }
}

TEST(InstallerSignalTexte, ReplacesTheSignalOnlyWhenTaken) {
  WorkbenchState e;
  e.ModeWave = true;
  e.PasCanal = 2;
  ResultatLecture<SignalTexte> r = ChargerTexte("1 2 3");
  InstallerSignalTexte(e, std::get<SignalTexte>(std::move(r)), "/tmp/a.txt");
  EXPECT_EQ(e.Nreel, 3);
  EXPECT_EQ(e.SignalLu, std::vector<float>({0.0f, 1.0f, 2.0f, 3.0f}));
  EXPECT_EQ(e.LuMin, 1.0f);
  EXPECT_EQ(e.LuMax, 3.0f);
  EXPECT_EQ(e.NomFichier, "/tmp/a.txt");
  EXPECT_FALSE(e.ModeWave);
  EXPECT_EQ(e.PasCanal, 1);
}

}  // namespace

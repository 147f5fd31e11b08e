// The headless tool writes the grid that the analysis run fills: it is run
// on a signal file written here, and its CSV is read back and compared,
// value for value, with the run on the same samples.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "batch/outil_batch.h"
#include "engine/analyse.h"
#include "engine/complexes_et_divers.h"

namespace {

class Batch : public OutilBatch {
 protected:
  void SetUp() override {
    OutilBatch::SetUp();
    // A chirp plus a slow ramp, written with 9 significant digits so that
    // the file reads back as the same Singles.
    signal_.assign(1, 0.0f);
    std::ofstream f(dossier_ / "signal.txt");
    for (int i = 1; i <= 300; ++i) {
      float v = static_cast<float>(std::sin(0.02 * i + 0.002 * i * i) + 0.001 * i);
      signal_.push_back(v);
      char t[32];
      std::snprintf(t, sizeof t, "%.9g", v);
      f << t << (i % 5 == 0 ? "\n" : ", ");
    }
  }

  int Lance(const std::string& options) {
    return OutilBatch::Lance(Chemin("signal.txt") + " " + options);
  }

  std::vector<float> signal_;
};

TEST_F(Batch, GridAndSpectrumAreTheRunsValues) {
  struct Cas {
    const char* options;
    int32_t mother;
    const char* param;
    const char* text3;
    const char* text4;
  };
  const Cas cases[] = {
      {"", 0, "6", "4", "11"},
      {"--wavelet paul --subscales 2 --octaves 5", 1, "4", "2", "5"},
      {"--wavelet gauss --param 3 --start-scale 3 --threads 2", 2, "3", "4", "11"}};
  for (const Cas& c : cases) {
    SCOPED_TRACE(c.options);
    ASSERT_EQ(Lance(std::string(c.options) + " --grid " + Chemin("g.csv") + " --spectrum " +
                    Chemin("s.csv")),
              0)
        << Lit("stderr.txt");
    EntreesAnalyse in;
    in.Signal = signal_;
    in.Nmax = 300;
    in.list1Index = c.mother;
    in.Text1 = c.param;
    in.Text3 = c.text3;
    in.Text4 = c.text4;
    if (c.mother == 2) in.Text2 = "3";
    const ResultatAnalyse r = Analyse(in, EtatAnalyse{});
    ASSERT_FALSE(r.erreur);
    const Grille& g = r.etat.grille;

    const auto grille = Csv(Lit("g.csv"));
    ASSERT_EQ(grille.size(), 1 + static_cast<size_t>(g.NI()) * g.NJ());
    EXPECT_EQ(grille[0], (std::vector<std::string>{"i", "j", "Time", "Fréquencies", "Périod",
                                                   "Power spectrum", "Amplitude", "Phase"}));
    size_t ligne = 1;
    int differences = 0;
    for (int32_t i = 1; i <= g.NI(); ++i) {
      for (int32_t j = 1; j <= g.NJ(); ++j, ++ligne) {
        const auto& champs = grille[ligne];
        ASSERT_EQ(champs.size(), 8u);
        EXPECT_EQ(champs[0], std::to_string(i));
        EXPECT_EQ(champs[1], std::to_string(j));
        for (int k = 1; k <= 6; ++k) {
          if (std::strtof(champs[static_cast<size_t>(k) + 1].c_str(), nullptr) != g(k, i, j) &&
              ++differences <= 5) {
            ADD_FAILURE() << i << "," << j << " variable " << k << ": "
                          << champs[static_cast<size_t>(k) + 1] << " != " << g(k, i, j);
          }
        }
      }
    }
    EXPECT_EQ(differences, 0);

    const auto spectre = Csv(Lit("s.csv"));
    ASSERT_EQ(spectre.size(), 1 + static_cast<size_t>(r.etat.NFFT));
    EXPECT_EQ(spectre[0], (std::vector<std::string>{"k", "Re", "Im", "modulus"}));
    for (int32_t k = 1; k <= r.etat.NFFT; ++k) {
      const Complexe s = r.etat.spectre.Spectre[static_cast<size_t>(k)];
      EXPECT_EQ(std::strtof(spectre[k][1].c_str(), nullptr), s.Re) << k;
      EXPECT_EQ(std::strtof(spectre[k][2].c_str(), nullptr), s.Im) << k;
      EXPECT_EQ(std::strtof(spectre[k][3].c_str(), nullptr), CModule(s)) << k;
    }
  }
}

TEST_F(Batch, FailuresGoToStderrWithTheWindowsTexts) {
  EXPECT_NE(Lance("--subscales 0"), 0);
  EXPECT_NE(Lit("stderr.txt").find("ARRET: ERREUR ! "), std::string::npos) << Lit("stderr.txt");
  EXPECT_NE(Lance("--step 40000"), 0);
  EXPECT_NE(Lit("stderr.txt").find("Le pas ne peut dépasser 32767"), std::string::npos);
  EXPECT_NE(Lance("--window Parzen"), 0);
  std::ofstream(dossier_ / "signal.txt") << "1 2 trois 4\n";
  EXPECT_NE(Lance(""), 0);
  EXPECT_NE(Lit("stderr.txt").find("Lecture Tableau:  Erreur de lecture "), std::string::npos);
}

// An output that cannot be written fails the run, and is never left half
// written: a missing folder, or a folder where the file should go.
TEST_F(Batch, OutputsThatCannotBeWrittenFailTheRun) {
  std::filesystem::create_directories(dossier_ / "dossier");
  for (const char* option : {"--grid", "--spectrum", "--fourier", "--png", "--bmp"}) {
    for (const std::string& cible : {Chemin("absent/f"), Chemin("dossier")}) {
      SCOPED_TRACE(std::string(option) + " " + cible);
      EXPECT_EQ(Lance(std::string(option) + " " + cible), 1);
      EXPECT_NE(Stderr().find("marvillons-batch: cannot write " + cible), std::string::npos)
          << Stderr();
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "absent"));
  EXPECT_TRUE(std::filesystem::is_directory(dossier_ / "dossier"));
}

}  // namespace

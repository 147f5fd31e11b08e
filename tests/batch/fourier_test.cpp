// The Fourier mode of the tool on the example of two tones (3 kHz and
// 20 kHz, 4096 samples every 5 us): the amplitude spectrum the workbench
// displays, checked against a direct DFT; a filter file cutting the 20 kHz
// band out of it; and the cut signal, brought back with the points divided,
// being the one analysed.
#include <cmath>
#include <complex>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "batch/outil_batch.h"

namespace {

constexpr int kNfft = 8192;  // the power of two above 4096 samples
const float kDt = 5e-6f;

// Band 15 kHz .. 25 kHz, in the file's units (log2 of Hz).
constexpr const char* kFiltre20k = " 13.87267  14.60964 \r\n";

struct Ligne {
  double frequence;
  float amplitude;
};

std::vector<Ligne> Spectre(const std::string& texte) {
  const auto csv = Csv(texte);
  std::vector<Ligne> lignes;
  EXPECT_EQ(csv.at(0), (std::vector<std::string>{"frequency", "amplitude"}));
  for (size_t k = 1; k < csv.size(); ++k) {
    lignes.push_back(
        {std::strtod(csv[k].at(0).c_str(), nullptr), std::strtof(csv[k].at(1).c_str(), nullptr)});
  }
  return lignes;
}

class Fourier : public OutilBatch {
 protected:
  int LanceDeuxTons(const std::string& options) {
    return Lance(Exemple("two_tones.txt") + " " + options);
  }
};

// Row j is element j of the spectrum divided by NFFT, shown at j / (dt NFFT)
// Hz, one step above the frequency (j - 1) / (dt NFFT) of that element.
TEST_F(Fourier, AmplitudeSpectrumIsTheDisplaysAgainstADirectDft) {
  ASSERT_EQ(LanceDeuxTons("--fourier " + Chemin("f.csv")), 0) << Stderr();
  const std::vector<Ligne> s = Spectre(Lit("f.csv"));
  ASSERT_EQ(s.size(), static_cast<size_t>(kNfft / 2));

  std::vector<double> x;
  std::ifstream f(Exemple("two_tones.txt"));
  for (std::string v; f >> v;) x.push_back(std::strtof(v.c_str(), nullptr));
  ASSERT_EQ(x.size(), 4096u);
  double moyenne = 0;
  for (double v : x) moyenne += v;
  moyenne /= static_cast<double>(x.size());

  for (int j = 1; j <= kNfft / 2; ++j) {
    ASSERT_EQ(s[j - 1].frequence, j / (static_cast<double>(kDt) * kNfft)) << j;
    // The DFT at the peaks and at every 31st element.
    const bool pic =
        std::abs(s[j - 1].frequence - 3000) < 100 || std::abs(s[j - 1].frequence - 20000) < 100;
    if (!pic && j % 31 != 0) continue;
    std::complex<double> somme = 0;
    for (size_t n = 0; n < x.size(); ++n) {
      somme += (x[n] - moyenne) *
               std::polar(1.0, -2 * std::numbers::pi * (j - 1) * static_cast<double>(n) / kNfft);
    }
    EXPECT_NEAR(s[j - 1].amplitude, std::abs(somme) / kNfft, 1e-5) << j;
  }
}

TEST_F(Fourier, FilterFileCutsItsBandFromTheSpectrum) {
  Ecrit("20k.fcb", kFiltre20k);
  ASSERT_EQ(LanceDeuxTons("--fourier " + Chemin("avant.csv")), 0) << Stderr();
  ASSERT_EQ(LanceDeuxTons("--filter " + Chemin("20k.fcb") + " --fourier " + Chemin("apres.csv")), 0)
      << Stderr();
  const std::vector<Ligne> avant = Spectre(Lit("avant.csv"));
  const std::vector<Ligne> apres = Spectre(Lit("apres.csv"));
  ASSERT_EQ(avant.size(), apres.size());
  float pic3k = 0, pic20k = 0;
  for (size_t j = 0; j < avant.size(); ++j) {
    const double f = avant[j].frequence;
    if (std::abs(f - 3000) < 100) pic3k = std::max(pic3k, apres[j].amplitude);
    if (std::abs(f - 20000) < 100) pic20k = std::max(pic20k, avant[j].amplitude);
    if (f >= 15000 && f <= 25000) {
      EXPECT_EQ(apres[j].amplitude, 0.0f) << f;
    } else if (f < 14500 || f > 26000) {
      // Beyond the cut's tolerance of xj / 500 in log2 units on each side,
      // about 2 % of the frequency here.
      EXPECT_EQ(apres[j].amplitude, avant[j].amplitude) << f;
    }
  }
  // Both tones were there, and the 3 kHz one still is, untouched.
  EXPECT_GT(pic20k, 0.1f);
  EXPECT_GT(pic3k, 0.2f);
}

// "Ok" with d = 2: 2048 points every 10 us, analysed. The run's spectrum of
// the padded signal (element k at (k - 1) / (dt NFFT)) keeps the 3 kHz tone;
// the 20 kHz one is there without the filter and gone with it.
TEST_F(Fourier, TheCutSignalReducedByTheDivisorIsAnalysed) {
  Ecrit("20k.fcb", kFiltre20k);
  struct Cas {
    bool filtre;
    double rapportMin, rapportMax;  // 20 kHz peak over 3 kHz peak
  };
  for (const Cas& c : {Cas{false, 0.2, 1.0}, Cas{true, 0.0, 0.02}}) {
    SCOPED_TRACE(c.filtre);
    const std::string filtre = c.filtre ? " --filter " + Chemin("20k.fcb") : "";
    ASSERT_EQ(LanceDeuxTons("--divisor 2 --octaves 3 --grid " + Chemin("g.csv") + " --spectrum " +
                            Chemin("s.csv") + filtre),
              0)
        << Stderr();
    const auto grille = Csv(Lit("g.csv"));
    ASSERT_EQ(grille.size(), 1 + 2048u * 12);
    EXPECT_EQ(std::strtof(grille[1][2].c_str(), nullptr), 1e-5f);  // Time of node 1: dt d
    const auto spectre = Csv(Lit("s.csv"));
    const int nfft = 4096;
    ASSERT_EQ(spectre.size(), 1u + nfft);
    double pic3k = 0, pic20k = 0;
    for (int k = 1; k <= nfft / 2; ++k) {
      const double f = (k - 1) / (1e-5 * nfft);
      const double module = std::strtod(spectre[k][3].c_str(), nullptr);
      if (std::abs(f - 3000) < 200) pic3k = std::max(pic3k, module);
      if (std::abs(f - 20000) < 200) pic20k = std::max(pic20k, module);
    }
    EXPECT_GT(pic3k, 0.0);
    EXPECT_GE(pic20k / pic3k, c.rapportMin);
    EXPECT_LE(pic20k / pic3k, c.rapportMax);
  }
}

// A filter file that cannot be read stops the run with the workbench's
// message before anything is written.
TEST_F(Fourier, BadFilterFileWritesNothing) {
  Ecrit("mauvais.fcb", " 13.87 14.61\r\ncoupure 2\r\n");
  Ecrit("vide.fcb", "");
  for (const std::string& filtre : {Chemin("mauvais.fcb"), Chemin("absent.fcb"), Chemin("")}) {
    SCOPED_TRACE(filtre);
    EXPECT_EQ(LanceDeuxTons("--filter " + filtre + " --fourier " + Chemin("f.csv") + " --grid " +
                            Chemin("g.csv") + " --spectrum " + Chemin("s.csv") + " --png " +
                            Chemin("p.png")),
              1);
    EXPECT_NE(Stderr().find("Lecture:  Erreur de lecture "), std::string::npos) << Stderr();
    for (const char* sortie : {"f.csv", "g.csv", "s.csv", "p.png"}) EXPECT_FALSE(Existe(sortie));
  }
  // An empty file cuts nothing.
  EXPECT_EQ(LanceDeuxTons("--filter " + Chemin("vide.fcb") + " --fourier " + Chemin("f.csv")), 0)
      << Stderr();
}

}  // namespace

// WAV inputs: read with the WAV reader and the header dialog's channel
// choice, at the header's sampling interval.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "batch/outil_batch.h"
#include "wav/wave_octets.h"

namespace {

// The frequency of the highest row of a --fourier CSV, and its row count.
struct Pic {
  double frequence = 0;
  size_t lignes = 0;
};
Pic PicDe(const std::string& texte) {
  const auto csv = Csv(texte);
  Pic p;
  float max = -1;
  for (size_t k = 1; k < csv.size(); ++k) {
    const float a = std::strtof(csv[k][1].c_str(), nullptr);
    if (a > max) {
      max = a;
      p.frequence = std::strtod(csv[k][0].c_str(), nullptr);
    }
  }
  p.lignes = csv.size() - 1;
  return p;
}

TEST_F(OutilBatch, WaveChannelsAndSamplingInterval) {
  struct Cas {
    const char* fichier;
    const char* canal;
    size_t lignes;     // NFFT / 2, NFFT the power of two above the sample count
    double frequence;  // of the tone, 8000 Hz sampling; 0: not checked
  };
  const Cas cases[] = {
      {"tone_mono16.wav", "", 4096, 440},
      {"tone_mono16.wav", "--channel mono", 4096, 440},
      {"tones_stereo8.wav", "", 2048, 440},
      {"tones_stereo8.wav", "--channel second", 2048, 660},
      // Both channels, one after the other in each frame: twice the samples.
      {"tones_stereo8.wav", "--channel mix", 4096, 0},
  };
  for (const Cas& c : cases) {
    SCOPED_TRACE(std::string(c.fichier) + " " + c.canal);
    ASSERT_EQ(Lance(Exemple(c.fichier) + " " + c.canal + " --octaves 2 --fourier " +
                    Chemin("f.csv") + " --grid " + Chemin("g.csv")),
              0)
        << Stderr();
    const Pic p = PicDe(Lit("f.csv"));
    EXPECT_EQ(p.lignes, c.lignes);
    // One element of the spectrum is 8000 / (2 lignes) Hz; the display
    // shows it one element up.
    if (c.frequence > 0) {
      EXPECT_NEAR(p.frequence, c.frequence, 8000.0 / c.lignes);
    }
    const auto grille = Csv(Lit("g.csv"));
    ASSERT_GT(grille.size(), 1u);
    EXPECT_EQ(std::strtof(grille[1][2].c_str(), nullptr), 0.000125f);  // Time of node 1
  }
  // An explicit interval replaces the header's, as typing in the field does.
  ASSERT_EQ(Lance(Exemple("tone_mono16.wav") + " --dt 1E-3 --octaves 2 --grid " + Chemin("g.csv")),
            0)
      << Stderr();
  EXPECT_EQ(std::strtof(Csv(Lit("g.csv"))[1][2].c_str(), nullptr), 1e-3f);
}

TEST_F(OutilBatch, UnsupportedWaveFilesAreRefusedWithTheReadersMessage) {
  PlanWave vingtQuatre;
  vingtQuatre.bitsPerSample = 24;
  vingtQuatre.donnees.assign(300, 0);
  const std::vector<uint8_t> octets = ConstruireWave(vingtQuatre);
  Ecrit("24.wav", std::string(octets.begin(), octets.end()));
  Ecrit("texte.WAV", "1 2 3\n");
  Ecrit("nombres.txt", "1 2 3 4 5 6 7 8\n");
  struct Cas {
    std::string arguments;
    const char* message;
  };
  const Cas cases[] = {
      {Chemin("24.wav"),
       "Fichier Incompatible: Ce programme n'accepte que les échantillons 8 ou 16 bits"},
      {Chemin("texte.WAV"), "Lecture Waves:  Erreur de lecture "},
      {Chemin("absent.wav"), "Lecture Waves:  Erreur de lecture "},
      {Exemple("tone_mono16.wav") + " --channel second", "need a stereo file"},
      {Chemin("nombres.txt") + " --channel mono", "--channel applies to WAV files only"},
  };
  for (const Cas& c : cases) {
    SCOPED_TRACE(c.arguments);
    EXPECT_EQ(Lance(c.arguments + " --grid " + Chemin("g.csv")), 1);
    EXPECT_NE(Stderr().find(c.message), std::string::npos) << Stderr();
    EXPECT_FALSE(Existe("g.csv"));
  }
}

}  // namespace

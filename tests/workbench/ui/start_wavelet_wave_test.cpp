// Loading a WAV file through the "Waves" command and its header dialog.

#include <QAction>
#include <QLineEdit>

#include "wav/ui/hwave.h"
#include "workbench/ui/start_wavelet_fixture.h"

class WavesTest : public StartWaveletTest {
 public:
  void Ouvrir(const std::string& chemin) {
    tp.files.openAnswers.push_back(chemin);
    w->Waves->trigger();
  }
};

TEST_F(WavesTest, AcceptingLoadsTheSeriesLikeATextFile) {
  const std::string chemin = std::string(MARV_EXAMPLES_DIR) + "/tone_mono16.wav";
  Ouvrir(chemin);
  ASSERT_EQ(tp.files.opened.size(), 1u);
  EXPECT_EQ(tp.files.opened[0].filter, "Fichiers wav (*.wav)|*.wav");
  EXPECT_EQ(tp.files.opened[0].title, " Lire les wav ...");
  ASSERT_NE(w->FenetreWave(), nullptr);
  EXPECT_TRUE(w->FenetreWave()->isVisible());
  EXPECT_EQ(w->Etat().Nreel, 0);  // nothing changes before the answer
  EXPECT_EQ(w->Text5->text(), " .000125");
  w->FenetreWave()->Accepte->trigger();
  const WorkbenchState& e = w->Etat();
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_EQ(e.Nreel, 8000);
  EXPECT_TRUE(e.ModeWave);
  EXPECT_EQ(e.LuMax, 35000.0f);
  EXPECT_EQ(e.LuMin, -35000.0f);
  EXPECT_EQ(e.NomFichier, chemin);
  EXPECT_EQ(w->Label2->text().toStdString(), chemin);
  EXPECT_EQ(w->Label12->text(), " 8000");
  EXPECT_EQ(w->Label13->text(), " 8000");
  EXPECT_FALSE(w->Tout->isHidden());
  EXPECT_GT(PixelsDessines(), 0);
  // A later text load is a text load again.
  Charger(Ecrire("t.txt", "1\n2\n3\n4\n"));
  EXPECT_FALSE(w->Etat().ModeWave);
  EXPECT_EQ(w->Etat().PasCanal, 1);
}

TEST_F(WavesTest, CancellingTheHeaderDialogEndsWithNoSignal) {
  Charger(Ecrire("t.txt", "1\n2\n3\n4\n"));
  Ouvrir(std::string(MARV_EXAMPLES_DIR) + "/tones_stereo8.wav");
  w->FenetreWave()->Cancel->trigger();
  EXPECT_EQ(w->Etat().Nreel, 0);
  EXPECT_FALSE(w->Etat().ModeWave);
  EXPECT_EQ(w->Label2->text(), "");
  EXPECT_TRUE(w->Tout->isHidden());
  EXPECT_EQ(PixelsDessines(), 0);
  // The dialog is there for the next file.
  Ouvrir(std::string(MARV_EXAMPLES_DIR) + "/tone_mono16.wav");
  w->FenetreWave()->Accepte->trigger();
  EXPECT_EQ(w->Etat().Nreel, 8000);
}

TEST_F(WavesTest, AFileThatIsNotAWaveEndsInTheReadError) {
  Charger(Ecrire("t.txt", "1\n2\n3\n4\n"));
  Ouvrir(Ecrire("faux.wav", "RIFF de rien du tout"));
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, " Erreur de lecture ");
  EXPECT_EQ(tp.messages.shown[0].title, "Lecture Waves");
  EXPECT_EQ(w->Etat().Nreel, 0);
  EXPECT_EQ(w->Label2->text(), "");
  EXPECT_EQ(w->FenetreWave(), nullptr);
}

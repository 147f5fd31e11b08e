#include "wav/ui/hwave.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/picture_box.h"
#include "support/platform_doubles.h"
#include "wav/ui/wave_acceptor.h"
#include "wav/ui/wave_view.h"
#include "wav/wave_octets.h"

namespace {

class AcceptorEnregistreur : public WaveAcceptor {
 public:
  void AccepteWave(const std::string& chemin, ChoixCanal choix) override {
    acceptes.emplace_back(chemin, choix);
  }
  void CancelWave() override { ++cancels; }

  std::vector<std::pair<std::string, ChoixCanal>> acceptes;
  int cancels = 0;
};

PlanWave Plan(uint16_t channels, uint16_t bits, std::vector<uint8_t> donnees) {
  PlanWave p;
  p.channels = channels;
  p.bitsPerSample = bits;
  p.donnees = std::move(donnees);
  return p;
}

class HWaveTest : public testing::Test {
 protected:
  void SetUp() override {
    dossier_ = std::filesystem::temp_directory_path() /
               ("marv_hwave_test_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dossier_);
  }
  void TearDown() override { std::filesystem::remove_all(dossier_); }

  // Writes the file and opens the dialog on it, as the "Waves" command does.
  std::string Ouvrir(const std::string& nom, const PlanWave& plan) {
    const std::string chemin = (dossier_ / nom).string();
    const auto o = ConstruireWave(plan);
    std::ofstream(chemin, std::ios::binary)
        .write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
    const auto lu = LireEnteteWave(chemin);
    EXPECT_TRUE(lu.ok());
    dialogue_.Montrer(chemin, lu.valeur());
    return chemin;
  }

  std::string Texte(int label) const { return dialogue_.Labels[label - 1]->text().toStdString(); }

  std::filesystem::path dossier_;
  TestPlatform plateforme_;
  AcceptorEnregistreur acceptor_;
  HWave dialogue_{plateforme_, acceptor_};
};

TEST_F(HWaveTest, MonoFileOffersOneChannelAndEveryMenu) {
  std::vector<uint8_t> donnees(1000, 0);
  const std::string chemin = Ouvrir("mono.wav", Plan(1, 16, donnees));
  EXPECT_TRUE(dialogue_.isVisible());
  EXPECT_EQ(dialogue_.windowTitle().toStdString(), "Wave Format: " + chemin);
  EXPECT_EQ(dialogue_.Frame1->title().toStdString(), "Selection Canaux");
  EXPECT_EQ(dialogue_.Option1->text().toStdString(), "Un canal mono");
  EXPECT_TRUE(dialogue_.Option1->isChecked());
  EXPECT_TRUE(dialogue_.Option2->isHidden());
  EXPECT_TRUE(dialogue_.Option3->isHidden());
  for (QAction* a : {dialogue_.Play, dialogue_.Voir, dialogue_.Cancel, dialogue_.Accepte}) {
    EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
  }
  EXPECT_EQ(dialogue_.Play->text(), "Play");
  EXPECT_EQ(dialogue_.Voir->text(), "Voir");
  EXPECT_EQ(dialogue_.Cancel->text(), "Cancel");
  EXPECT_EQ(dialogue_.Accepte->text(), "Accepte");
  EXPECT_TRUE(plateforme_.messages.shown.empty());
  EXPECT_EQ(Texte(1), "Signature= RIFF");
  EXPECT_EQ(Texte(7), "Channels(1:mono 2:stereo)=  1");
  EXPECT_EQ(Texte(13), "Number of samples =  1000");
  EXPECT_EQ(Texte(14), "Len of file (LOF) in bytes 1044");
  EXPECT_EQ(Texte(15), "Len of header(in bytes) =  44");
  EXPECT_EQ(Texte(16), "Bytes after header =  1000");
}

TEST_F(HWaveTest, StereoFileOffersTheThreeChoicesAndAcceptsTheChosenOne) {
  const std::string chemin = Ouvrir("stereo.wav", Plan(2, 8, {11, 21, 12, 22}));
  EXPECT_FALSE(dialogue_.Option2->isHidden());
  EXPECT_FALSE(dialogue_.Option3->isHidden());
  EXPECT_EQ(dialogue_.Option2->text().toStdString(), "Mixer les deux stereo");
  EXPECT_EQ(dialogue_.Option3->text().toStdString(), "2eme canal stereo");
  EXPECT_TRUE(dialogue_.Option1->isChecked());
  EXPECT_TRUE(dialogue_.Accepte->isEnabled());

  dialogue_.Option3->click();
  dialogue_.Accepte->trigger();
  EXPECT_FALSE(dialogue_.isVisible());
  EXPECT_EQ(plateforme_.desktop.pendingEventRuns, 1);
  ASSERT_EQ(acceptor_.acceptes.size(), 1u);
  EXPECT_EQ(acceptor_.acceptes[0].first, chemin);
  EXPECT_EQ(acceptor_.acceptes[0].second, ChoixCanal::Option3);
  EXPECT_EQ(acceptor_.cancels, 0);

  // Shown again for a mono file after being only hidden: refilled.
  Ouvrir("mono.wav", Plan(1, 8, {1, 2}));
  EXPECT_TRUE(dialogue_.Option1->isChecked());
  EXPECT_TRUE(dialogue_.Option2->isHidden());
  EXPECT_EQ(Texte(7), "Channels(1:mono 2:stereo)=  1");
}

struct CasRefus {
  const char* nom;
  uint16_t channels;
  uint16_t bits;
  const char* message;
};

class HWaveRefus : public HWaveTest, public testing::WithParamInterface<CasRefus> {};

TEST_P(HWaveRefus, WarnsOnceAndLeavesOnlyCancel) {
  const CasRefus& c = GetParam();
  Ouvrir("refus.wav", Plan(c.channels, c.bits, std::vector<uint8_t>(36, 0)));
  ASSERT_EQ(plateforme_.messages.shown.size(), 1u);
  EXPECT_EQ(plateforme_.messages.shown[0].text, c.message);
  EXPECT_EQ(plateforme_.messages.shown[0].title, "Fichier Incompatible");
  EXPECT_EQ(plateforme_.messages.shown[0].buttons, Boutons::Ok);
  EXPECT_FALSE(dialogue_.Voir->isEnabled());
  EXPECT_FALSE(dialogue_.Play->isEnabled());
  EXPECT_FALSE(dialogue_.Accepte->isEnabled());
  EXPECT_TRUE(dialogue_.Cancel->isEnabled());
  EXPECT_EQ(Texte(11), "Bitspersample (should be 8 or 16) =  " + std::to_string(c.bits));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HWaveRefus,
    testing::Values(
        CasRefus{"bits24", 1, 24, "Ce programme n'accepte que les échantillons 8 ou 16 bits"},
        CasRefus{"threeChannels", 3, 16, "Ce programme n'accepte que les fichiers mono ou stéréo"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(HWaveTest, PlayThenCloseStopsTheSound) {
  const std::string chemin = Ouvrir("mono.wav", Plan(1, 16, std::vector<uint8_t>(100, 0)));
  dialogue_.Play->trigger();
  ASSERT_EQ(plateforme_.sound.played, std::vector<std::string>{chemin});
  EXPECT_EQ(plateforme_.sound.stops, 0);
  dialogue_.close();
  EXPECT_EQ(plateforme_.sound.stops, 1);
  EXPECT_EQ(acceptor_.cancels, 0);
}

TEST_F(HWaveTest, CancelGivesUpAndClosesTheDialog) {
  Ouvrir("mono.wav", Plan(1, 16, std::vector<uint8_t>(100, 0)));
  dialogue_.Play->trigger();
  dialogue_.Cancel->trigger();
  EXPECT_EQ(acceptor_.cancels, 1);
  EXPECT_TRUE(acceptor_.acceptes.empty());
  EXPECT_FALSE(dialogue_.isVisible());
  EXPECT_EQ(plateforme_.sound.stops, 1);
}

// The first and last rows holding a pure blue pixel in columns x1..x2.
std::pair<int, int> RangeesBleues(const ImageSurface& s, int x1, int x2) {
  int haut = s.height(), bas = -1;
  for (int x = x1; x <= x2; ++x) {
    for (int y = 0; y < s.height(); ++y) {
      if (s.PixelAt(x, y) != qRgb(0, 0, 255)) continue;
      haut = std::min(haut, y);
      bas = std::max(bas, y);
    }
  }
  return {haut, bas};
}

TEST_F(HWaveTest, VoirDrawsTheWaveformAndTheViewClosesItself) {
  // A square wave of 8-bit extremes, mixed stereo: 0 then 255 at every x.
  std::vector<uint8_t> d;
  for (int i = 0; i < 20; ++i) d.insert(d.end(), {0, 255});
  Ouvrir("stereo.wav", Plan(2, 8, d));
  dialogue_.Option2->click();
  dialogue_.Voir->trigger();
  WaveView& vue = *dialogue_.View;
  ASSERT_TRUE(vue.isVisible());
  EXPECT_EQ(vue.windowTitle(), "Wave View");
  const ImageSurface& image = vue.Picture->surface();
  EXPECT_EQ(image.Scale().width, 40.0);
  EXPECT_EQ(image.Scale().top, 275.0);
  // The segment from (1, 0) to (2, 255) is drawn from the row of 0 to the
  // row of 255, to within a pixel.
  const WorldScale e = image.Scale();
  const auto [haut, bas] =
      RangeesBleues(image, static_cast<int>(e.PixelX(1.0)), static_cast<int>(e.PixelX(2.0)));
  EXPECT_NEAR(haut, e.PixelY(255.0), 1.5);
  EXPECT_NEAR(bas, e.PixelY(0.0), 1.5);

  emit vue.Picture->mouseMove(12.4, 100.5, Qt::NoButton);
  EXPECT_EQ(vue.Label1->text().toStdString(), "N=12 Y= 100.5");

  QTest::mouseClick(vue.Picture, Qt::LeftButton);
  EXPECT_FALSE(vue.isVisible());

  dialogue_.Voir->trigger();
  ASSERT_TRUE(vue.isVisible());
  QEvent desactivation(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(&vue, &desactivation);
  EXPECT_FALSE(vue.isVisible());
}

TEST(DialogueOuvrirWave, FilterAndTitle) {
  const FileDialogSpec dialogue = DialogueOuvrirWave();
  EXPECT_EQ(dialogue.filter, "Fichiers wav (*.wav)|*.wav");
  EXPECT_EQ(dialogue.filterIndex, 1);
  EXPECT_EQ(dialogue.title, " Lire les wav ...");
}

}  // namespace

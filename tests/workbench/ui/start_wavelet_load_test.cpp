// Loading a file of numbers into the workbench: the counts and labels, the
// snapshot of the picture as loaded, and every way a load can fail.

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <filesystem>
#include <vector>

#include "workbench/ui/start_wavelet_fixture.h"

namespace {

std::string Rampe(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += std::to_string(i % 7) + "\n";
  return s;
}

}  // namespace

class ChargementTest : public StartWaveletTest {
 protected:
  void SetUp() override {
    StartWaveletTest::SetUp();
    std::filesystem::remove(StartWavelet::CheminSnapshot());
  }

  void AttendreAucunSignal() {
    EXPECT_EQ(w->Etat().Nreel, 0);
    EXPECT_EQ(w->Etat().NomFichier, "");
    EXPECT_EQ(w->Etat().SignalLu.size(), 1u);
    EXPECT_EQ(w->Label2->text(), "");
    EXPECT_EQ(w->Label12->text(), " 0");
    EXPECT_EQ(w->Label13->text(), " 0");
    EXPECT_TRUE(w->Selection->isHidden());
    EXPECT_TRUE(w->Tout->isHidden());
    EXPECT_TRUE(w->Wavelet->isHidden());
    EXPECT_EQ(PixelsDessines(), 0);
  }
};

TEST_F(ChargementTest, TextFileIsCountedStoredDrawnAndSnapshotted) {
  const std::string chemin = Ecrire("trois.txt", "1.5, -2\n3\n");
  Charger(chemin);
  ASSERT_EQ(tp.files.opened.size(), 1u);
  EXPECT_EQ(tp.files.opened[0].filter,
            "Tous les fichiers (*.*)|*.*|Fichiers texte(*.txt)|*.txt|Fichiers data (*.dat)|*.dat");
  EXPECT_EQ(tp.files.opened[0].filterIndex, 2);
  EXPECT_EQ(tp.files.opened[0].title, " Lire les data ...");
  const WorkbenchState& e = w->Etat();
  ASSERT_EQ(e.Nreel, 3);
  EXPECT_EQ(e.SignalLu, (std::vector<float>{0.0f, 1.5f, -2.0f, 3.0f}));
  EXPECT_EQ(e.LuMin, -2.0f);
  EXPECT_EQ(e.LuMax, 3.0f);
  EXPECT_EQ(e.Nmax, 3);
  EXPECT_EQ(e.NomFichier, chemin);
  EXPECT_FALSE(e.ModeWave);
  EXPECT_EQ(w->Label2->text().toStdString(), chemin);
  EXPECT_EQ(w->Label12->text(), " 3");
  EXPECT_EQ(w->Label13->text(), " 3");
  EXPECT_GT(PixelsDessines(), 0);
  const QImage snapshot(QString::fromStdString(StartWavelet::CheminSnapshot()));
  ASSERT_FALSE(snapshot.isNull());
  EXPECT_EQ(snapshot.size(), QSize(kLargeur, kHauteur));
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_EQ(tp.desktop.depth, 0);
}

TEST_F(ChargementTest, ExampleSignalsLoadWithEqualCounts) {
  for (const char* nom : {"chirp.txt", "step.txt", "two_tones.txt"}) {
    SCOPED_TRACE(nom);
    Charger(std::string(MARV_EXAMPLES_DIR) + "/" + nom);
    EXPECT_GT(w->Etat().Nreel, 2);
    EXPECT_EQ(w->Label12->text(), w->Label13->text());
    EXPECT_EQ(w->Label12->text().toStdString(), " " + std::to_string(w->Etat().Nreel));
    EXPECT_FALSE(w->Selection->isHidden());
  }
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(ChargementTest, CancellingTheDialogKeepsEverything) {
  Charger(Ecrire("a.txt", Rampe(50)));
  Cliquer(w->Tout);
  const QImage avant = w->Picture1->surface().image().copy();
  tp.files.openAnswers.push_back(std::nullopt);
  w->Texte->trigger();
  EXPECT_EQ(w->Etat().Nreel, 50);
  EXPECT_EQ(w->Etat().Nmax, 50);
  EXPECT_FALSE(w->Wavelet->isHidden());
  EXPECT_EQ(w->Picture1->surface().image(), avant);
  EXPECT_TRUE(tp.messages.shown.empty());
}

// Every bad file ends in one " Erreur de lecture " message and the No signal
// state, whatever was loaded before.
TEST_F(ChargementTest, BadFilesEndInTheReadErrorAndNoSignal) {
  const struct {
    const char* cas;
    std::string contenu;
  } cas[] = {
      {"empty", ""},
      {"blank lines only", "\n\n  \n"},
      {"only text", "bonjour tout le monde\n"},
      {"a word among numbers", "1\n2\ntrois\n4\n"},
      {"binary", std::string("\x00\x01\xFF\xFE\x80zz\x00", 8)},
      {"beyond a Single", "1\n1E60\n2\n"},
      {"one endless token", std::string(100000, '7')},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.cas);
    Charger(Ecrire("bon.txt", Rampe(20)));
    ASSERT_EQ(w->Etat().Nreel, 20);
    Cliquer(w->Tout);
    tp.messages.shown.clear();
    Charger(Ecrire("mauvais.txt", c.contenu));
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].text, " Erreur de lecture ");
    EXPECT_EQ(tp.messages.shown[0].title, "Lecture Tableau");
    EXPECT_EQ(tp.messages.shown[0].buttons, Boutons::Ok);
    AttendreAucunSignal();
    EXPECT_EQ(tp.desktop.depth, 0);
  }
}

TEST_F(ChargementTest, MissingFileEndsInTheReadError) {
  Charger(dossier.filePath("absent.txt").toStdString());
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, " Erreur de lecture ");
  AttendreAucunSignal();
}

// The file changes between the counting pass and the storing pass (the
// pending events run between them are where another program can act).
class FichierQuiChange : public RecordingDesktop {
 public:
  void ProcessPendingEvents() override {
    RecordingDesktop::ProcessPendingEvents();
    if (action) std::exchange(action, nullptr)();
  }
  std::function<void()> action;
};

TEST_F(ChargementTest, AFileChangingBetweenThePassesIsRefused) {
  FichierQuiChange desktop;
  Platform platform{tp.messages, tp.files, tp.colours, desktop, tp.sound, tp.printer};
  Ouvrir(platform);
  const std::string chemin = Ecrire("change.txt", Rampe(30));
  for (const auto& [cas, action] : std::vector<std::pair<const char*, std::function<void()>>>{
           {"removed", [&] { std::filesystem::remove(chemin); }},
           {"grown", [&] { std::ofstream(chemin, std::ios::app) << "5\n6\n"; }},
           {"shrunk", [&] { std::ofstream(chemin) << "1\n2\n3\n4\n"; }},
       }) {
    SCOPED_TRACE(cas);
    Ecrire("change.txt", Rampe(30));
    tp.messages.shown.clear();
    desktop.action = action;
    Charger(chemin);
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].text, " Erreur de lecture ");
    AttendreAucunSignal();
  }
}

TEST_F(ChargementTest, ALongLineOfManyNumbersLoads) {
  std::string ligne;
  for (int i = 0; i < 200000; ++i) ligne += std::to_string(i % 100) + " ";
  Charger(Ecrire("ligne.txt", ligne + "\n"));
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_EQ(w->Etat().Nreel, 200000);
  EXPECT_EQ(w->Label12->text(), " 200000");
  EXPECT_GT(PixelsDessines(), 0);
}

TEST_F(ChargementTest, TenMillionLinesLoadAndDraw) {
  std::string s;
  s.reserve(40'000'000);
  for (int i = 0; i < 10'000'000; ++i) s += (i % 2 ? "1\n" : "-1\n");
  Charger(Ecrire("dix_millions.txt", s));
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_EQ(w->Etat().Nreel, 10'000'000);
  EXPECT_EQ(w->Label12->text(), " 10000000");
  EXPECT_GT(PixelsDessines(), 0);
  Cliquer(w->Tout);
  EXPECT_EQ(w->Etat().Nmax, 10'000'000);
}

// One or two samples are counted but not drawn: the picture stays empty with
// the signal's scale, no snapshot is written, and Reset does not bring back
// the picture of an earlier file.
TEST_F(ChargementTest, ShortSignalsShowAnEmptyPictureEvenAfterReset) {
  Charger(Ecrire("long.txt", Rampe(40)));
  const QFileInfo avant(QString::fromStdString(StartWavelet::CheminSnapshot()));
  ASSERT_TRUE(avant.exists());
  const QDateTime date = avant.lastModified();
  for (const char* contenu : {"4\n", "4\n9\n"}) {
    SCOPED_TRACE(contenu);
    Charger(Ecrire("court.txt", contenu));
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_EQ(PixelsDessines(), 0);
    EXPECT_FALSE(w->Tout->isHidden());
    const WorldScale s = w->Picture1->surface().Scale();
    EXPECT_EQ(s.left, 1.0);
    EXPECT_EQ(s.width, w->Etat().Nreel);
    EXPECT_EQ(s.top, w->Etat().LuMax);
    EXPECT_LT(s.height, 0.0);
    EXPECT_EQ(QFileInfo(QString::fromStdString(StartWavelet::CheminSnapshot())).lastModified(),
              date);
    Cliquer(w->Tout);
    Cliquer(w->Reset);
    EXPECT_EQ(PixelsDessines(), 0);
    EXPECT_TRUE(tp.messages.shown.empty());
  }
}

// Reset shows the signal as loaded: from the snapshot when it is this
// load's, drawn again when the snapshot is gone or was overwritten.
TEST_F(ChargementTest, ResetShowsTheCurrentSignalWhateverHappenedToTheSnapshot) {
  Charger(Ecrire("signal.txt", Rampe(60)));
  const QImage charge = w->Picture1->surface().image().copy();
  const std::string snapshot = StartWavelet::CheminSnapshot();
  const struct {
    const char* cas;
    std::function<void()> faire;
  } cas[] = {
      {"snapshot intact", [] {}},
      {"snapshot removed", [&] { std::filesystem::remove(snapshot); }},
      {"snapshot of another picture",
       [&] {
         QImage autre(kLargeur, kHauteur, QImage::Format_RGB32);
         autre.fill(Qt::red);
         autre.save(QString::fromStdString(snapshot), "BMP");
       }},
      {"snapshot not a bitmap", [&] { std::ofstream(snapshot) << "pas une image"; }},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.cas);
    Cliquer(w->Tout);
    c.faire();
    Cliquer(w->Reset);
    EXPECT_EQ(w->Picture1->surface().image(), charge);
    EXPECT_TRUE(tp.messages.shown.empty());
  }
}

// The picture follows the size of the window: what it shows is drawn again
// at the new size, and Reset does not paste a snapshot of the old size.
TEST_F(ChargementTest, ResizingRedrawsWhatThePictureShows) {
  Charger(Ecrire("signal.txt", Rampe(60)));
  w->Picture1->setFixedSize(kLargeur + 100, kHauteur + 50);
  QTRY_COMPARE(w->Picture1->surface().width(), kLargeur + 100);
  const QImage lu = w->Picture1->surface().image().copy();
  EXPECT_GT(PixelsDessines(), 0);
  Cliquer(w->Tout);
  w->Picture1->setFixedSize(kLargeur, kHauteur);
  QTRY_COMPARE(w->Picture1->surface().width(), kLargeur);
  EXPECT_GT(PixelsDessines(), 0);
  w->Picture1->setFixedSize(kLargeur + 100, kHauteur + 50);
  QTRY_COMPARE(w->Picture1->surface().width(), kLargeur + 100);
  Cliquer(w->Reset);
  EXPECT_EQ(w->Picture1->surface().image(), lu);
}

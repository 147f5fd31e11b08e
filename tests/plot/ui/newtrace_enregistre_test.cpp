#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <string>

#include "platform/image_surface.h"
#include "plot/ui/newtrace_fixture.h"

namespace {

class NewtraceEnregistreTest : public NewtraceTest {
 protected:
  std::string Chemin(const char* nom) const { return dir.filePath(nom).toStdString(); }

  static QByteArray Lit(const std::string& chemin) {
    QFile f(QString::fromStdString(chemin));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void Ecrit(const std::string& chemin, const QByteArray& octets) {
    QFile f(QString::fromStdString(chemin));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
  }

  QTemporaryDir dir;
};

TEST_F(NewtraceEnregistreTest, TheSavedBitmapIsThePictureWithTheLegendOverIt) {
  w->Legende->trigger();
  const std::string chemin = Chemin("carte.bmp");
  tp.files.saveAnswers.push_back(chemin);
  w->Enregistrer->trigger();
  ASSERT_EQ(tp.files.saved.size(), 1u);
  EXPECT_EQ(tp.files.saved[0].filter, "Fichiers bitmap (*.bmp)|*.bmp");
  EXPECT_EQ(tp.files.saved[0].filterIndex, 1);
  EXPECT_EQ(tp.files.saved[0].title, " Enregistrer le graphique");
  EXPECT_TRUE(tp.messages.shown.empty());

  QImage lu(QString::fromStdString(chemin), "BMP");
  ASSERT_FALSE(lu.isNull());
  ImageSurface attendu(1, 1);
  w->ImageComplete(attendu);
  EXPECT_EQ(lu.convertToFormat(QImage::Format_RGB32), attendu.image());
  // The legend's lowest box stands where the legend is shown.
  const ImageSurface& leg = w->Picture1->surface();
  const WorldScale ls = leg.Scale();
  const int lx = static_cast<int>(ls.PixelX(2)), ly = static_cast<int>(ls.PixelY(2.5));
  EXPECT_EQ(lu.pixel(w->Picture1->x() + lx, w->Picture1->y() + ly), leg.PixelAt(lx, ly));
  EXPECT_NE(lu.pixel(w->Picture1->x() + lx, w->Picture1->y() + ly),
            w->Picture->surface().PixelAt(w->Picture1->x() + lx, w->Picture1->y() + ly));
}

TEST_F(NewtraceEnregistreTest, AnExistingFileIsReplacedOnlyWhenTheUserSaysYes) {
  const std::string chemin = Chemin("ancien.bmp");
  Ecrit(chemin, "ancien");
  tp.files.saveAnswers.push_back(chemin);
  tp.messages.answers.push_back(Reponse::Non);
  w->Enregistrer->trigger();
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, "Voulez vous l'écraser ?");
  EXPECT_EQ(tp.messages.shown[0].title, "Fichier Existant");
  EXPECT_EQ(tp.messages.shown[0].buttons, Boutons::OuiNon);
  EXPECT_EQ(Lit(chemin), "ancien");

  tp.files.saveAnswers.push_back(chemin);
  tp.messages.answers.push_back(Reponse::Oui);
  w->Enregistrer->trigger();
  EXPECT_FALSE(QImage(QString::fromStdString(chemin), "BMP").isNull());

  w->Enregistrer->trigger();  // cancelled: no question, no message
  EXPECT_EQ(tp.messages.shown.size(), 2u);
}

TEST_F(NewtraceEnregistreTest, AFolderThatDoesNotExistGivesTheOpeningError) {
  tp.files.saveAnswers.push_back(Chemin("absent/carte.bmp"));
  w->Enregistrer->trigger();
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, " Erreur d'ouverture ");
  EXPECT_EQ(tp.messages.shown[0].title, "Ouverture");
}

// A write that fails half way (here the file size limit, as a full disk
// would) leaves the previous file as it was.
TEST_F(NewtraceEnregistreTest, AWriteThatFailsHalfWayLeavesThePreviousFileIntact) {
  const std::string chemin = Chemin("ancien.bmp");
  const QByteArray ancien(1000, 'a');
  Ecrit(chemin, ancien);
  tp.files.saveAnswers.push_back(chemin);

  rlimit avant{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant), 0);
  const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
  rlimit petit = avant;
  petit.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petit), 0);
  w->Enregistrer->trigger();
  setrlimit(RLIMIT_FSIZE, &avant);
  std::signal(SIGXFSZ, signalAvant);

  EXPECT_EQ(Lit(chemin), ancien);
  ASSERT_EQ(tp.messages.shown.size(), 2u);  // the overwrite question, then the error
  EXPECT_EQ(tp.messages.shown[1].text, " Erreur d'ouverture ");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"ancien.bmp"});
}

}  // namespace

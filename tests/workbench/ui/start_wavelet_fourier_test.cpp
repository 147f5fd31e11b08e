// The Fourier mode of the workbench window, driven through its buttons and
// clicks on the spectrum: the spectrum of examples/two_tones.txt (3 kHz and
// 20 kHz, Dt 5E-6), band cuts recorded into a filter file, the file read
// back and "Ok" bringing the cut spectrum back as the working signal.

#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <cmath>
#include <complex>
#include <cstring>
#include <filesystem>
#include <functional>
#include <numbers>
#include <sstream>
#include <vector>

#include "engine/number_text.h"
#include "workbench/filtre_cb_format.h"
#include "workbench/filtre_cb_lecture.h"
#include "workbench/spectre_message.h"
#include "workbench/ui/start_wavelet_fixture.h"

namespace {

constexpr int kN = 4096;  // samples of two_tones.txt
constexpr double kDt = 5e-6;

// Amplitude of the tone of frequency f in v(1..n) sampled every dt: a direct
// DFT in double, 2 |sum v(i) exp(-2 pi i f (i - 1) dt)| / n.
double Amplitude(const std::vector<float>& v, int n, double f, double dt) {
  std::complex<double> s;
  for (int i = 1; i <= n; ++i) {
    s += static_cast<double>(v[i]) * std::polar(1.0, -2.0 * std::numbers::pi * f * (i - 1) * dt);
  }
  return 2.0 * std::abs(s) / n;
}

// True while this process holds the file open.
bool FichierOuvert(const std::string& chemin) {
  namespace fs = std::filesystem;
  std::error_code erreur;
  const fs::path cible = fs::weakly_canonical(chemin, erreur);
  for (const fs::directory_entry& fd : fs::directory_iterator("/proc/self/fd", erreur)) {
    std::error_code e;
    if (fs::read_symlink(fd.path(), e) == cible) return true;
  }
  return false;
}

std::string Contenu(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool MemeSpectre(const std::vector<Complexe>& a, const std::vector<Complexe>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(Complexe)) == 0;
}

const char* const kCumuler = "Vous pouvez cumuler les coupures";
const std::vector<std::string> kSpectre = {"Coupure", "EnregistrerFiltre", "LireFiltre", "OK"};
const std::vector<std::string> kEnregistrement = {"Coupure", "FinEnreg"};

}  // namespace

class FourierTest : public StartWaveletTest {
 public:
  std::string Infobulle() const { return w->Picture1->toolTip().toStdString(); }

  void ChargerDeuxTons() { Charger(std::string(MARV_EXAMPLES_DIR) + "/two_tones.txt"); }

  // Totalité, the Fourier option with the divisor d, then "Fourier".
  void Spectre(const char* d = "1") {
    Cliquer(w->Tout);
    CliquerOption(w->OptFourrier);
    if (w->Text6->text() != d) Taper(w->Text6, d);
    Cliquer(w->Fourrier);
  }

  void CliquerPixel(int px) {
    QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(px, kHauteur / 2));
  }
  // A click on the spectrum at the log2 frequency x.
  void CliquerSpectre(double x) { CliquerPixel(Pixel(x, 0.0).x()); }

  // "2) Coupure bande", then the two ends, the upper one first.
  void CouperBande(double hz1, double hz2) {
    Cliquer(w->Coupure);
    CliquerSpectre(std::log2(hz2));
    CliquerSpectre(std::log2(hz1));
  }

  // "1) Enregistrer Filtre" into `chemin`.
  void Enregistrer(const std::string& chemin) {
    tp.files.saveAnswers.push_back(chemin);
    Cliquer(w->EnregistrerFiltre);
  }

  void LireFiltre(const std::string& chemin) {
    tp.files.openAnswers.push_back(chemin);
    Cliquer(w->LireFiltre);
  }

  // Rows of the picture holding drawn pixels.
  std::vector<int> LignesDessinees() const {
    const QImage& image = w->Picture1->surface().image();
    std::vector<int> lignes;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
          lignes.push_back(y);
          break;
        }
      }
    }
    return lignes;
  }

  // One pixel of the spectrum picture in log2 Hz.
  static constexpr double kPixel = 14.0 / kLargeur;
};

TEST_F(FourierTest, ACutRecordedThenReadBackRemovesTheBandFromTheWorkingSignal) {
  ChargerDeuxTons();
  Cliquer(w->Tout);
  CliquerOption(w->OptFourrier);
  EXPECT_EQ(BoutonsMontres(), std::vector<std::string>{"Fourrier"});
  Cliquer(w->Fourrier);
  const WorkbenchState& e = w->Etat();
  EXPECT_TRUE(e.SpectreAffiche);
  EXPECT_EQ(e.NFFT, 8192);
  EXPECT_EQ(BoutonsMontres(), kSpectre);
  EXPECT_FALSE(w->Windows->isEnabled());
  EXPECT_EQ(Infobulle(), kCumuler);
  // From 2^4 Hz, below the step 1 / (Dt NFFT) = 24.4 Hz, to 2^18 Hz, above
  // the sampling frequency 200 kHz; amplitudes upwards.
  const WorldScale echelle = w->Picture1->surface().Scale();
  EXPECT_DOUBLE_EQ(echelle.left, 4.0);
  EXPECT_DOUBLE_EQ(echelle.width, 14.0);
  EXPECT_FLOAT_EQ(echelle.top, e.SpectreMax);
  EXPECT_FLOAT_EQ(echelle.height, e.SpectreMin - e.SpectreMax);

  const std::string fcb = dossier.filePath("coupe.fcb").toStdString();
  Enregistrer(fcb);
  ASSERT_EQ(tp.files.saved.size(), 1u);
  EXPECT_EQ(tp.files.saved[0].filter, "Fichiers Filtre CB  (*.fcb)|*.fcb");
  EXPECT_EQ(tp.files.saved[0].filterIndex, 1);
  EXPECT_EQ(tp.files.saved[0].title, " Enregistrer un filtre coupe bandes");
  EXPECT_EQ(BoutonsMontres(), kEnregistrement);
  EXPECT_TRUE(e.EnregFiltre);
  EXPECT_TRUE(FichierOuvert(fcb));

  Cliquer(w->Coupure);
  EXPECT_EQ(Infobulle(), "Cliquez sur le 1er point");
  CliquerSpectre(std::log2(28000.0));
  EXPECT_EQ(Infobulle(), "Cliquez sur le 2eme point");
  EXPECT_TRUE(w->Picture1->OverlayVisible(1));
  CliquerSpectre(std::log2(14000.0));
  EXPECT_FALSE(e.CoupureActive);
  EXPECT_FALSE(w->Picture1->OverlayVisible(1));
  EXPECT_FALSE(w->Picture1->OverlayVisible(2));
  EXPECT_EQ(Infobulle(), "");  // the redrawn spectrum
  EXPECT_NEAR(e.F1, std::log2(14000.0), kPixel);
  EXPECT_NEAR(e.F2, std::log2(28000.0), kPixel);
  // The band is in the file at once, before "Fin Enregistre".
  const std::string ligne = LigneFiltre(e.F1, e.F2);
  EXPECT_EQ(Contenu(fcb), ligne);

  Cliquer(w->FinEnreg);
  EXPECT_EQ(BoutonsMontres(), kSpectre);
  EXPECT_FALSE(e.EnregFiltre);
  EXPECT_FALSE(FichierOuvert(fcb));
  EXPECT_EQ(Contenu(fcb), ligne);

  const std::vector<float> lu = e.SignalLu;
  // Out of the Fourier mode, where Reset is offered.
  CliquerOption(w->OptionFourrierOff);
  for (const int d : {1, 2}) {
    SCOPED_TRACE(d);
    ASSERT_FALSE(w->Reset->isHidden());
    Cliquer(w->Reset);
    Spectre(d == 1 ? "1" : "2");
    LireFiltre(fcb);
    ASSERT_FALSE(tp.files.opened.empty());
    EXPECT_EQ(tp.files.opened.back().filter, "Fichiers Filtre CB  (*.fcb)|*.fcb");
    EXPECT_EQ(tp.files.opened.back().filterIndex, 1);
    EXPECT_EQ(tp.files.opened.back().title, " Lire un filtre coupe bandes");
    EXPECT_EQ(Infobulle(), "");
    EXPECT_EQ(BoutonsMontres(), kSpectre);

    Cliquer(w->OK);
    EXPECT_EQ(BoutonsMontres(), (std::vector<std::string>{"Reset", "Wavelet"}));
    EXPECT_TRUE(w->Windows->isEnabled());
    EXPECT_EQ(Infobulle(), "");
    EXPECT_FALSE(e.SpectreAffiche);
    ASSERT_EQ(e.Nmax, kN / d);
    EXPECT_EQ(w->Label13->text().toStdString(), StrDouble(kN / d));
    ASSERT_EQ(e.Signal.size(), static_cast<size_t>(kN / d) + 1);
    EXPECT_GT(PixelsDessines(), 0);

    // The 20 kHz tone (0.5) is gone; the 3 kHz one (1.0) keeps its
    // amplitude, halved by d = 2, whose reduction takes the first NFFT / 2
    // elements, the positive frequencies alone.
    const double avant3k = Amplitude(lu, kN, 3000.0, kDt);
    ASSERT_NEAR(avant3k, 1.0, 0.02);
    ASSERT_NEAR(Amplitude(lu, kN, 20000.0, kDt), 0.5, 0.02);
    EXPECT_LT(Amplitude(e.Signal, e.Nmax, 20000.0, kDt * d), 0.005);
    EXPECT_NEAR(Amplitude(e.Signal, e.Nmax, 3000.0, kDt * d), avant3k / d, 0.005);
  }
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(FourierTest, ABadFilterFileGivesTheMessageAndChangesNothing) {
  ChargerDeuxTons();
  Spectre();
  const WorkbenchState& e = w->Etat();
  const std::vector<Complexe> avant = e.Spectre;
  const QImage image = w->Picture1->surface().image().copy();

  std::string enorme;
  for (size_t i = 0; i <= kLignesMaxFiltre; ++i) enorme += " 13.5  14.5 \r\n";
  const struct {
    const char* cas;
    std::string chemin;
  } cas[] = {
      {"garbage", Ecrire("mots.fcb", "abc def\r\n")},
      {"a band, then a line cut short", Ecrire("tronque.fcb", " 13.5  14.5 \r\n 13.")},
      {"a band, then a word", Ecrire("mot.fcb", " 13.5  14.5 \r\nx\r\n")},
      {"upper end below the lower", Ecrire("inverse.fcb", " 14.5  13.5 \r\n")},
      {"beyond any frequency", Ecrire("loin.fcb", " 1E+30  2E+30 \r\n")},
      {"three numbers", Ecrire("trois.fcb", " 13.5  14.5  15 \r\n")},
      {"binary", Ecrire("binaire.fcb", std::string("\0\x01\xff\r\n", 5))},
      {"an endless line", Ecrire("longue.fcb", std::string(100000, '1'))},
      {"enormous", Ecrire("enorme.fcb", enorme)},
      {"missing", dossier.filePath("absent.fcb").toStdString()},
      {"a folder", dossier.path().toStdString()},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.cas);
    tp.messages.shown.clear();
    LireFiltre(c.chemin);
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].text, " Erreur de lecture ");
    EXPECT_EQ(tp.messages.shown[0].title, "Lecture");
    EXPECT_EQ(tp.messages.shown[0].buttons, Boutons::Ok);
    EXPECT_TRUE(MemeSpectre(e.Spectre, avant));
    EXPECT_EQ(w->Picture1->surface().image(), image);
    EXPECT_EQ(BoutonsMontres(), kSpectre);
    EXPECT_EQ(Infobulle(), kCumuler);  // not redrawn
  }

  // An empty file is a filter without bands: no message, the spectrum
  // redrawn as it was.
  tp.messages.shown.clear();
  LireFiltre(Ecrire("vide.fcb", ""));
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_TRUE(MemeSpectre(e.Spectre, avant));
  EXPECT_EQ(w->Picture1->surface().image(), image);
  EXPECT_EQ(Infobulle(), "");

  // Cancelling the dialog does nothing at all.
  Cliquer(w->LireFiltre);
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_TRUE(MemeSpectre(e.Spectre, avant));
}

TEST_F(FourierTest, RecordingAsksBeforeOverwritingAndReportsAFileItCannotOpen) {
  ChargerDeuxTons();
  Spectre();
  const WorkbenchState& e = w->Etat();
  const std::string existant = Ecrire("existant.fcb", " 1  2 \r\n");
  const struct {
    const char* cas;
    Reponse reponse;
    bool enregistre;
    std::string contenu;
  } cas[] = {
      {"No keeps the file", Reponse::Non, false, " 1  2 \r\n"},
      {"Yes replaces it", Reponse::Oui, true, ""},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.cas);
    tp.messages.shown.clear();
    tp.messages.answers.push_back(c.reponse);
    Enregistrer(existant);
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].text, "Voulez vous l'écraser ?");
    EXPECT_EQ(tp.messages.shown[0].title, "Fichier Existant");
    EXPECT_EQ(tp.messages.shown[0].buttons, Boutons::OuiNon);
    EXPECT_EQ(e.EnregFiltre, c.enregistre);
    EXPECT_EQ(BoutonsMontres(), c.enregistre ? kEnregistrement : kSpectre);
    EXPECT_EQ(Contenu(existant), c.contenu);
  }
  Cliquer(w->FinEnreg);

  tp.messages.shown.clear();
  Enregistrer(dossier.filePath("absent/filtre.fcb").toStdString());
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, " Erreur d'ouverture ");
  EXPECT_EQ(tp.messages.shown[0].title, "Ouverture");
  EXPECT_FALSE(e.EnregFiltre);
  EXPECT_EQ(BoutonsMontres(), kSpectre);

  // Cancelling the dialog does nothing.
  tp.messages.shown.clear();
  Cliquer(w->EnregistrerFiltre);
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_EQ(BoutonsMontres(), kSpectre);
}

TEST_F(FourierTest, LeavingTheFourierModeClosesTheFileBeingRecorded) {
  const std::string autre = Ecrire("autre.txt", "1\n5\n2\n8\n3\n");
  const struct {
    const char* cas;
    std::function<void(FourierTest&)> quitter;
  } cas[] = {
      {"thinning option", [](FourierTest& t) { t.CliquerOption(t.w->OptionFourrierOff); }},
      {"another file loaded", [&](FourierTest& t) { t.Charger(autre); }},
      {"a load that fails", [&](FourierTest& t) { t.Charger(t.Ecrire("mauvais.txt", "1 x\n")); }},
      {"the window closed", [](FourierTest& t) { t.w->close(); }},
      {"the program ended", [](FourierTest& t) { t.w.reset(); }},
  };
  int n = 0;
  for (const auto& c : cas) {
    SCOPED_TRACE(c.cas);
    if (!w || !w->isVisible()) Ouvrir(tp.platform());
    ChargerDeuxTons();
    Spectre();
    const std::string fcb = dossier.filePath(QString("f%1.fcb").arg(++n)).toStdString();
    Enregistrer(fcb);
    CouperBande(14000.0, 28000.0);
    const std::string ligne = LigneFiltre(w->Etat().F1, w->Etat().F2);
    ASSERT_TRUE(FichierOuvert(fcb));

    c.quitter(*this);
    EXPECT_FALSE(FichierOuvert(fcb));
    EXPECT_EQ(Contenu(fcb), ligne);
    if (w) {
      EXPECT_FALSE(w->Etat().EnregFiltre);
      EXPECT_TRUE(w->FinEnreg->isHidden());
    }
  }
}

TEST_F(FourierTest, AnIntervalThatIsNotPositiveIsRefusedWithAMessage) {
  ChargerDeuxTons();
  Cliquer(w->Tout);
  CliquerOption(w->OptFourrier);
  const WorkbenchState& e = w->Etat();
  for (const char* dt : {"0", "-5E-6", "abc"}) {
    SCOPED_TRACE(dt);
    tp.messages.shown.clear();
    Taper(w->Text5, dt);
    Cliquer(w->Fourrier);
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].text, kMessageDtIncorrect);
    EXPECT_EQ(tp.messages.shown[0].title, "Fourier");
    EXPECT_EQ(BoutonsMontres(), std::vector<std::string>{"Fourrier"});
    EXPECT_TRUE(w->Windows->isEnabled());
    EXPECT_FALSE(e.SpectreAffiche);
    EXPECT_EQ(e.NFFT, 0);
  }

  // The interval is read again for a cut: an invalid one cuts nothing.
  Taper(w->Text5, "5.E-6");
  Cliquer(w->Fourrier);
  const std::vector<Complexe> avant = e.Spectre;
  Taper(w->Text5, "0");
  tp.messages.shown.clear();
  CouperBande(14000.0, 28000.0);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, kMessageDtIncorrect);
  EXPECT_TRUE(MemeSpectre(e.Spectre, avant));
  EXPECT_EQ(BoutonsMontres(), kSpectre);
  EXPECT_FALSE(w->Picture1->OverlayVisible(1));
}

TEST_F(FourierTest, AFlatSpectrumIsDrawnAlongTheMiddleAndStaysOffered) {
  const struct {
    const char* cas;
    std::function<void(FourierTest&)> faire;
    bool zeros;  // nothing left for "Ok" to bring back
  } cas[] = {
      {"a constant signal",
       [](FourierTest& t) {
         std::string v;
         for (int i = 0; i < 500; ++i) v += "4.25\n";
         t.Charger(t.Ecrire("constant.txt", v));
         t.Spectre();
       },
       true},
      {"every band cut",
       [](FourierTest& t) {
         t.ChargerDeuxTons();
         t.Spectre();
         t.Cliquer(t.w->Coupure);
         t.CliquerPixel(0);
         t.CliquerPixel(kLargeur - 1);
       },
       false},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.cas);
    c.faire(*this);
    const WorkbenchState& e = w->Etat();
    EXPECT_TRUE(e.SpectreAffiche);
    EXPECT_EQ(e.SpectreMin, e.SpectreMax);
    EXPECT_EQ(BoutonsMontres(), kSpectre);
    EXPECT_GT(PixelsDessines(), kLargeur / 2);
    for (int y : LignesDessinees()) EXPECT_NEAR(y, kHauteur / 2, 1);
    // The marker line of a band spans the picture all the same.
    Cliquer(w->Coupure);
    w->Picture1_MouseMove(w->Picture1->WorldX(kLargeur / 2), w->Picture1->WorldY(kHauteur / 2));
    const QImage vue = w->Picture1->grab().toImage();
    int rouges = 0;  // in the column of the pointer or one beside it
    for (int y = 0; y < vue.height(); ++y) {
      bool rouge = false;
      for (int x = kLargeur / 2 - 1; x <= kLargeur / 2 + 1; ++x)
        rouge |= vue.pixelColor(x, y) == Qt::red;
      rouges += rouge;
    }
    EXPECT_GT(rouges, kHauteur * 9 / 10);

    if (!c.zeros) continue;
    // Zeros come back, drawn along the middle too.
    Cliquer(w->OK);
    ASSERT_EQ(e.Nmax, 500);
    for (int i = 1; i <= e.Nmax; ++i) ASSERT_NEAR(e.Signal[i], 0.0f, 1e-6f) << i;
    EXPECT_GT(PixelsDessines(), kLargeur / 2);
    for (int y : LignesDessinees()) EXPECT_NEAR(y, kHauteur / 2, 1);
  }
  EXPECT_TRUE(tp.messages.shown.empty());
}

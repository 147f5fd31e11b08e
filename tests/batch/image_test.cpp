// The tool's picture is the plot window's: the example chirp is analysed and
// drawn here with the plot code the window runs (its load, its colour
// dialog's default scale, its redraw, its legend box shown over the
// picture), and the tool's PNG and BMP must hold the same pixels.
#include <QImage>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "batch/outil_batch.h"
#include "dialogs/colour_scale.h"
#include "engine/analyse.h"
#include "platform/image_surface.h"
#include "plot/copie_pixels.h"
#include "plot/documentation.h"
#include "plot/tracemollier.h"
#include "workbench/lecture_texte.h"
#include "workbench/reechantillonnage.h"
#include "workbench/selection.h"

namespace {

QRgb Rgb(Couleur c) {
  return qRgb(RougeDe(c), VertDe(c), BleuDe(c));
}

// The example chirp through the workbench and the analysis run with the
// main window's defaults, as "Totalité" then " Wavelet" run it.
struct Chirp {
  WorkbenchState etat;
  ResultatAnalyse run;

  Chirp() {
    ResultatLecture<SignalTexte> lu =
        ChargerFichierTexte(std::string(MARV_EXAMPLES_DIR) + "/chirp.txt");
    InstallerSignalTexte(etat, std::move(std::get<SignalTexte>(lu)), "chirp.txt");
    SelectionTotale(etat);
    Reechantillonner(etat, ModeReechantillonnage{}, 1, FenetreSpectrale::None);
    EntreesAnalyse in;
    in.Signal = etat.Signal;
    in.Nmax = etat.Nmax;
    run = Analyse(in, EtatAnalyse{});
  }
};

// The window's picture of the chirp at a size, with the model and scale
// that drew it.
struct Fenetre {
  PlotModel m;
  ColourScale echelle;
  ImageSurface image;

  Fenetre(const Chirp& c, int largeur, int hauteur) : image(largeur, hauteur) {
    ChargeGrille(m, c.run.etat.grille, c.run.etat.NomVar);
    ChoixCouleursLogic dialogue(echelle);
    dialogue.Charge_FeuilleCouleurs();
    dialogue.Accepte();
    CurveInputs courbes;
    courbes.Signal = c.etat.Signal;
    courbes.Nmax = c.etat.Nmax;
    courbes.Dt = c.run.etat.Dt;
    courbes.SignalMin = c.etat.SignalMin;
    courbes.SignalMax = c.etat.SignalMax;
    courbes.Spectre = c.run.etat.spectre.Spectre;
    courbes.NFFT = c.run.etat.NFFT;
    courbes.SpectreMin = c.run.etat.spectre.SpectreMin;
    courbes.SpectreMax = c.run.etat.spectre.SpectreMax;
    ImageSurface legende(80, 260);
    Tracemollier(m, echelle, courbes, image, &legende);
    const WorldScale s = image.Scale();
    CopiePixels(legende, image, static_cast<int>(s.PixelX(m.LegendeLeft)),
                static_cast<int>(s.PixelY(m.LegendeTop)));
  }
};

class Image : public OutilBatch {
 protected:
  static void SetUpTestSuite() { chirp_ = new Chirp; }
  static void TearDownTestSuite() { delete chirp_; }
  static Chirp* chirp_;
};
Chirp* Image::chirp_ = nullptr;

TEST_F(Image, PngAndBmpHoldTheWindowsPicture) {
  ASSERT_FALSE(chirp_->run.erreur);
  struct Cas {
    const char* taille;
    int largeur, hauteur;
    const char* env;
  };
  // No size: the plot window's picture at the window's default size. With
  // no platform named and no display, the tool draws offscreen all the same.
  const Cas cases[] = {
      {"", 982, 657, ""},
      {"--size 640x400", 640, 400, "-u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY"}};
  for (const Cas& c : cases) {
    SCOPED_TRACE(c.taille);
    ASSERT_EQ(Lance(Exemple("chirp.txt") + " " + c.taille + " --png " + Chemin("p.png") +
                        " --bmp " + Chemin("p.bmp"),
                    c.env),
              0)
        << Stderr();
    const QImage png = QImage(QString::fromStdString(Chemin("p.png")));
    const QImage bmp = QImage(QString::fromStdString(Chemin("p.bmp")));
    ASSERT_EQ(png.size(), QSize(c.largeur, c.hauteur));
    ASSERT_EQ(bmp.size(), png.size());

    const Fenetre f(*chirp_, c.largeur, c.hauteur);
    const QImage attendue = f.image.image().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(png.convertToFormat(QImage::Format_RGB32) == attendue);
    EXPECT_TRUE(bmp.convertToFormat(QImage::Format_RGB32) == attendue);

    // The frame in black, on its left side half way up.
    const WorldScale s = f.image.Scale();
    const int gauche = f.image.PixelIndexX(f.m.XMin);
    const int milieu = f.image.PixelIndexY((f.m.YMin + f.m.YMax) / 2.0);
    EXPECT_EQ(png.pixel(gauche, milieu), qRgb(0, 0, 0));
    // The legend's 20 boxes, level 1 at the bottom to level 100 at the top,
    // at the top-left corner inside the frame.
    const int lx = static_cast<int>(s.PixelX(f.m.XMin + 0.05 * f.m.DX));
    const int ly = static_cast<int>(s.PixelY(f.m.YMax - 0.05 * f.m.DY));
    for (int k = 1; k <= 20; ++k) {
      const int py = ly + static_cast<int>((100.0 - (5.0 * k - 2.5)) / 100.0 * 260.0);
      EXPECT_EQ(png.pixel(lx + 9, py), Rgb(f.echelle.Niveau(NiveauLegende(k, 100)))) << k;
    }
  }
}

// The ridge of the chirp follows its frequency law, 2 kHz rising to 40 kHz
// exponentially: the hottest colour of a column of the map lies within half
// an octave of log2 f(t).
TEST_F(Image, ChirpRidgeRisesWithItsFrequency) {
  ASSERT_EQ(Lance(Exemple("chirp.txt") + " --png " + Chemin("p.png")), 0) << Stderr();
  const QImage png = QImage(QString::fromStdString(Chemin("p.png")));
  const Fenetre f(*chirp_, png.width(), png.height());
  std::map<QRgb, int> niveaux;
  for (int k = 1; k <= 100; ++k) niveaux[Rgb(f.echelle.Niveau(k))] = k;
  const WorldScale s = f.image.Scale();
  const double duree = 4096 * 5e-6;
  double precedente = -1e9;
  for (double fraction : {0.3, 0.5, 0.7, 0.9}) {
    const double t = f.m.XMin + fraction * f.m.DX;
    const int x = f.image.PixelIndexX(t);
    int meilleur = 0, ligne = -1;
    for (int y = f.image.PixelIndexY(f.m.YMax); y <= f.image.PixelIndexY(f.m.YMin); ++y) {
      const auto n = niveaux.find(png.pixel(x, y));
      if (n != niveaux.end() && n->second > meilleur) {
        meilleur = n->second;
        ligne = y;
      }
    }
    ASSERT_GE(ligne, 0) << fraction;
    const double log2f = s.WorldY(ligne + 0.5);
    const double attendu = std::log2(2000.0 * std::exp(std::log(20.0) * t / duree));
    EXPECT_NEAR(log2f, attendu, 0.5) << "t = " << t;
    EXPECT_GT(log2f, precedente);
    precedente = log2f;
  }
}

}  // namespace

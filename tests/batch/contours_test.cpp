// --contours: the networks it makes in the plot model, as the network
// dialogs make them, and the lines they add to the picture.
#include "contours.h"

#include <QImage>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "batch/outil_batch.h"
#include "plot/niveaux.h"

namespace {

const std::vector<std::string> kNoms = {
    "", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"};

TEST(BatchContours, VariableByNumberNameOrStartOfName) {
  struct Cas {
    const char* texte;
    int variable;
  };
  const Cas cases[] = {{"4", 4},
                       {"1", 1},
                       {"6", 6},
                       {"0", 0},
                       {"7", 0},
                       {"power", 4},
                       {"POWER", 4},
                       {"Power spectrum", 4},
                       {"power spectrum", 4},
                       {"time", 1},
                       {"fr", 2},
                       {"amp", 5},
                       {"ph", 6},
                       {"p", 0},  // Périod, Power spectrum and Phase
                       {"powder", 0},
                       {"", 0}};
  for (const Cas& c : cases) EXPECT_EQ(VariableContour(kNoms, c.texte), c.variable) << c.texte;
}

// A model of 6 variables over a 3 x 3 grid, power from 1 to 9.
PlotModel Modele() {
  Grille g(6, 3, 3);
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      g(1, i, j) = static_cast<float>(i);
      g(2, i, j) = static_cast<float>(std::pow(2.0, j));
      g(4, i, j) = static_cast<float>(3 * (i - 1) + j);
    }
  }
  PlotModel m;
  ChargeGrille(m, g, kNoms);
  return m;
}

Contour Lu(const std::string& texte) {
  std::variant<Contour, std::string> c = LireContour(texte);
  EXPECT_TRUE(std::holds_alternative<Contour>(c)) << std::get<std::string>(c);
  return std::get<Contour>(c);
}

std::vector<float> NiveauxDe(const PlotModel& m, int n) {
  return Niveaux(m.ReseauProgression[n], m.ReseauMin[n], m.ReseauMax[n], m.ReseauPas[n],
                 std::span<const float>(m.TableNiveaux[n].data() + 1, m.NbValeursTable[n]));
}

TEST(BatchContours, EachBecomesTheNextNetworkWithItsLevels) {
  PlotModel m = Modele();
  ASSERT_EQ(
      InstalleContours(m, {Lu("power:2.5,1E1,3"), Lu("amplitude:a:0,0.25,1"), Lu("4:g:1,10,1000")}),
      std::nullopt);
  ASSERT_EQ(m.NbReseaux, 3);
  EXPECT_EQ(m.NomReseau[1], "ISO-Power spectrum");
  EXPECT_EQ(m.ReseauVar[1], 4);
  EXPECT_EQ(m.ReseauProgression[1], 3);
  EXPECT_EQ(NiveauxDe(m, 1), (std::vector<float>{2.5f, 10.0f, 3.0f}));
  EXPECT_EQ(m.NomReseau[2], "ISO-Amplitude");
  EXPECT_EQ(m.ReseauProgression[2], 1);
  EXPECT_EQ(NiveauxDe(m, 2), (std::vector<float>{0.0f, 0.25f, 0.5f, 0.75f, 1.0f}));
  EXPECT_EQ(m.ReseauVar[3], 4);
  EXPECT_EQ(NiveauxDe(m, 3), (std::vector<float>{1.0f, 10.0f, 100.0f, 1000.0f}));
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(m.ReseauFormat[n], "#.#E+##");
    EXPECT_EQ(m.InjPlace[n], 0);  // no labels
  }
}

TEST(BatchContours, RefusedContoursSayWhy) {
  PlotModel m = Modele();
  EXPECT_EQ(InstalleContours(m, {Lu("p:1")})->texte,
            "--contours: p names none of the variables Time, Fréquencies, Périod, Power "
            "spectrum, Amplitude, Phase (or several)");
  // One network per variable at most, as the network list allows.
  const std::vector<Contour> sept(7, Lu("power:1"));
  m = Modele();
  EXPECT_EQ(InstalleContours(m, sept), (MessageMoteur{"Maximum atteint", "Nouveau reseau"}));
  EXPECT_EQ(m.NbReseaux, 6);
}

// The tool draws the networks over the colour map: the pixels that change
// are all in the networks' colours (red for the first, green for the
// second), and there are some of each.
TEST_F(OutilBatch, ContoursAreDrawnOverTheMapInTheNetworksColours) {
  const std::string chirp = Exemple("chirp.txt");
  ASSERT_EQ(Lance(chirp + " --png " + Chemin("sans.png")), 0) << Stderr();
  ASSERT_EQ(Lance(chirp + " --png " + Chemin("avec.png") +
                  " --contours power:a:10,20,50 --contours amplitude:2"),
            0)
      << Stderr();
  const QImage sans = QImage(QString::fromStdString(Chemin("sans.png")));
  const QImage avec = QImage(QString::fromStdString(Chemin("avec.png")));
  ASSERT_EQ(sans.size(), avec.size());
  int rouges = 0, verts = 0, autres = 0;
  for (int y = 0; y < sans.height(); ++y) {
    for (int x = 0; x < sans.width(); ++x) {
      if (sans.pixel(x, y) == avec.pixel(x, y)) continue;
      const QRgb p = avec.pixel(x, y);
      if (p == qRgb(255, 0, 0)) {
        ++rouges;
      } else if (p == qRgb(0, 255, 0)) {
        ++verts;
      } else {
        ++autres;
      }
    }
  }
  EXPECT_GT(rouges, 100);
  EXPECT_GT(verts, 100);
  EXPECT_EQ(autres, 0);
}

TEST_F(OutilBatch, EndlessProgressionIsRefusedBeforeAnythingIsWritten) {
  EXPECT_EQ(Lance(Exemple("step.txt") + " --grid " + Chemin("g.csv") + " --png " + Chemin("p.png") +
                  " --contours power:g:1,1,10"),
            2);
  EXPECT_NE(Stderr().find("la raison d'une progression géométrique doit dépasser 1"),
            std::string::npos)
      << Stderr();
  EXPECT_FALSE(Existe("g.csv"));
  EXPECT_FALSE(Existe("p.png"));
}

}  // namespace

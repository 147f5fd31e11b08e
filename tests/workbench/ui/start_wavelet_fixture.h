#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/picture_box.h"
#include "support/platform_doubles.h"
#include "workbench/ui/start_wavelet.h"

// The real workbench window, shown offscreen and active, with the platform
// doubles: files are chosen through the scripted dialog, messages recorded.
class StartWaveletTest : public ::testing::Test {
 public:
  void SetUp() override { Ouvrir(tp.platform()); }

  void Ouvrir(Platform& platform) {
    w = std::make_unique<StartWavelet>(platform);
    // A picture of known size makes click positions exact in world units.
    w->Picture1->setFixedSize(kLargeur, kHauteur);
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  }

  std::string Ecrire(const std::string& nom, const std::string& contenu) {
    const std::string chemin = dossier.filePath(QString::fromStdString(nom)).toStdString();
    std::ofstream(chemin, std::ios::binary) << contenu;
    return chemin;
  }

  // "Fichier" > "Texte" with the dialog answering `chemin`.
  void Charger(const std::string& chemin) {
    tp.files.openAnswers.push_back(chemin);
    w->Texte->trigger();
  }

  // The workflow buttons shown, in a fixed order.
  std::vector<std::string> BoutonsMontres() const {
    const std::pair<const char*, QWidget*> boutons[] = {
        {"Selection", w->Selection},
        {"Tout", w->Tout},
        {"Reset", w->Reset},
        {"Draw", w->Draw},
        {"Fourrier", w->Fourrier},
        {"Coupure", w->Coupure},
        {"EnregistrerFiltre", w->EnregistrerFiltre},
        {"FinEnreg", w->FinEnreg},
        {"LireFiltre", w->LireFiltre},
        {"OK", w->OK},
        {"Wavelet", w->Wavelet},
    };
    std::vector<std::string> montres;
    for (auto [nom, b] : boutons) {
      if (!b->isHidden()) montres.push_back(nom);
    }
    return montres;
  }

  void Cliquer(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
  // On the indicator: an option answers only on its indicator and caption.
  void CliquerOption(QWidget* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
  }

  // The pixel of Picture1 under world (x, y).
  QPoint Pixel(double x, double y) const {
    const WorldScale s = w->Picture1->surface().Scale();
    return QPoint(static_cast<int>(std::lround(s.PixelX(x))),
                  static_cast<int>(std::lround(s.PixelY(y))));
  }

  void CliquerImage(double x) {
    const WorkbenchState& e = w->Etat();
    QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, Pixel(x, (e.LuMin + e.LuMax) / 2));
  }

  // Replaces the text of a field as a user does: select all, delete, type.
  void Taper(QLineEdit* champ, const QString& texte) {
    champ->setFocus();
    champ->selectAll();
    if (!champ->text().isEmpty()) QTest::keyClick(champ, Qt::Key_Delete);
    QTest::keyClicks(champ, texte);
  }

  // Count of non-white pixels of the picture.
  int PixelsDessines() const {
    const QImage& image = w->Picture1->surface().image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    }
    return n;
  }

  static constexpr int kLargeur = 500;
  static constexpr int kHauteur = 200;

  TestPlatform tp;
  QTemporaryDir dossier;
  std::unique_ptr<StartWavelet> w;
};

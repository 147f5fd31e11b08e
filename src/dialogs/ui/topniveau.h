#pragma once

#include <functional>

#include "dialogs/ui/fenetre_reglage.h"
#include "plot/plot_model.h"

class QLineEdit;
class QPushButton;

// "TopNiveau": the laboratory name and the title of the iso-level diagram
// printed on the plot. A title is stored as soon as its field loses the
// focus, and "Accepte" stores both fields once more before closing; the
// plot is redrawn whenever a title changed.
class Topniveau : public FenetreReglage {
  Q_OBJECT

 public:
  Topniveau(PlotModel& modele, std::function<void()> redessine, QWidget* parent);

  QPushButton* Laboratoire = nullptr;
  QPushButton* Titre = nullptr;
  QPushButton* Fin = nullptr;
  QLineEdit* Text1 = nullptr;  // diagram title
  QLineEdit* Text2 = nullptr;  // laboratory name

  void Form_Load() override;
  void Laboratoire_Click();
  void Titre_Click();
  void Text1_LostFocus();
  void Text2_LostFocus();
  void Fin_Click();

 private:
  // Runs `stocke`, then redraws the plot if the titles changed.
  void Stocke(const std::function<void()>& stocke);

  PlotModel& modele_;
  std::function<void()> redessine_;
};
